#pragma once

#include "number/NumericSettings.h"

// Those of the locale named by LC_ALL, else LC_NUMERIC, else LANG (an empty
// one counts as unset), as POSIX orders them: desktops set LC_NUMERIC apart
// from the language for their region settings.
ModFibo::NumericSettings userNumericSettings();
