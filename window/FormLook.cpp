#include "window/FormLook.h"

#include <QFont>
#include <QHeaderView>
#include <QTreeView>
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
    // The header has its sections once the view has its model.
    for (QTreeView *tree : form.findChildren<QTreeView *>()) {
        const QStringList widths = tree->property("columnWidths").toString().split(u',', Qt::SkipEmptyParts);
        for (int column = 0; column < widths.size(); ++column)
            tree->header()->resizeSection(column, widths.at(column).toInt());
    }
}
