#include "window/UserNumericSettings.h"

#include <QtGlobal>

ModFibo::NumericSettings userNumericSettings()
{
    QString name;
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            break;
    }
    // The name as the environment gives it: Qt lacks some locales that the
    // C library knows, and would answer for them as for C.
    return ModFibo::NumericSettings::of(name);
}
