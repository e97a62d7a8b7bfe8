#include "FormLook.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
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

void mapFormFonts()
{
    // Once per process: the mapping is the application's, not a window's.
    static const bool mapped = [] {
        // Wine's Tahoma is metric-compatible with Tahoma, but is installed
        // outside fontconfig's folders (Debian's fonts-wine).
        const QString folder = QStringLiteral("/usr/share/wine/fonts/");
        bool tahoma = false;
        for (const char *file : {"tahoma.ttf", "tahomabd.ttf"}) {
            if (QFile::exists(folder + QLatin1String(file)))
                tahoma = QFontDatabase::addApplicationFont(folder + QLatin1String(file)) >= 0 || tahoma;
        }
        if (!tahoma)
            QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
        // Liberation Sans is metric-compatible with Arial; of the free fonts it
        // is also the one whose widths keep the Trebuchet MS labels within
        // their boxes.
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Trebuchet MS"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    (void)mapped;
}
