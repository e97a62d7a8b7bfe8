#pragma once

#include "number/Grouping.h"

#include <QString>

namespace ModFibo {

// Reads the input box's text as n, which has no decimals: every point and
// every separator of `grouping` or look-alike of it is dropped wherever it
// stands, and any other separator joins the two digits it stands between.
// What is left is read as a leading number: blanks, an optional sign, digits
// of any script. A text that does not start with a number reads as 0, one
// beyond the range of a double as infinity. Never fails.
double TextToNumber(QString text, const Grouping &grouping);

} // namespace ModFibo
