#include "app/ApplicationSetup.h"

#include "accessibility/AccessibleInterfaces.h"
#include "accessibility/AtspiGuard.h"
#include "accessibility/ContextMenus.h"
#include "app/AppInfo.h"

#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace {

// Wine's Tahoma is metric-compatible with Tahoma, but Debian's fonts-wine
// installs it outside fontconfig's folders.
const QLatin1String wineFontFolder("/usr/share/wine/fonts/");

// The form asks for Arial, Tahoma and Trebuchet MS by name; maps them to the
// free fonts with the closest metrics, so the window looks alike everywhere.
void mapFormFonts()
{
    bool tahoma = false;
    for (const char *file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = wineFontFolder + QLatin1String(file);
        if (QFile::exists(path))
            tahoma = QFontDatabase::addApplicationFont(path) >= 0 || tahoma;
    }
    if (!tahoma)
        QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"));
    // Liberation Sans is metric-compatible with Arial; of the free fonts it is
    // also the one whose widths keep the Trebuchet MS labels within their boxes.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Trebuchet MS"), QStringLiteral("Liberation Sans"));
}

} // namespace

void setUpApplication()
{
    QCoreApplication::setApplicationName(QLatin1String(ApplicationName));
    QCoreApplication::setApplicationVersion(QLatin1String(ApplicationVersion));
    mapFormFonts();
    installAccessibleInterfaces();
    guardAtspiAdaptor();
    installContextMenus();
}
