#include "window/UserNumericSettings.h"

#include <QLocale>
#include <QtGlobal>

ModFibo::NumericSettings userNumericSettings()
{
    QString name;
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            break;
    }
    // QLocale reads "de_DE.UTF-8@euro" as de_DE, and "", "C.UTF-8" and
    // "POSIX" as the C locale.
    return ModFibo::NumericSettings::of(QLocale(name));
}
