#pragma once

#include "number/Grouping.h"

#include <QString>

namespace ModFibo {

// Reads the input box's text as n. Every "." and every separator of
// `grouping`, or a look-alike of it, is removed (the box shows n grouped by the
// locale, and a pasted number may be grouped with a look-alike), then the leading
// number is read: blanks skipped, an optional sign, then digits. A text that
// does not start with a number reads as 0; a run of digits beyond the range of
// a double reads as infinity. Never fails.
double TextToNumber(QString text, const Grouping &grouping);

} // namespace ModFibo
