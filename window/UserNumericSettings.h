#pragma once

#include "number/NumericSettings.h"

// The user's numeric settings: those of the locale that the environment names
// for the numeric category, as POSIX orders it (LC_ALL, then LC_NUMERIC, then
// LANG; an empty one counts as unset; none is the C locale). Desktops set
// LC_NUMERIC apart from the language for their region settings.
ModFibo::NumericSettings userNumericSettings();
