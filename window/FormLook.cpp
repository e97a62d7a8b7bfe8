#include "FormLook.h"

#include <QFont>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVariant>
#include <QWidget>

void applyFormLook(QWidget &form)
{
    for (QWidget *widget : form.findChildren<QWidget *>()) {
        const QVariant size = widget->property("pointSizeF");
        if (size.isValid()) {
            QFont font = widget->font();
            font.setPointSizeF(size.toDouble());
            widget->setFont(font);
        }
    }
    for (QTreeWidget *tree : form.findChildren<QTreeWidget *>()) {
        const QStringList widths = tree->property("columnWidths").toString().split(u',', Qt::SkipEmptyParts);
        for (int column = 0; column < widths.size(); ++column)
            tree->header()->resizeSection(column, widths.at(column).toInt());
    }
}
