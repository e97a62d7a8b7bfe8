#pragma once

#include "number/Grouping.h"

#include <QString>

namespace ModFibo {

// How the program writes and reads numbers in one locale. Working it out asks
// Qt and the C library, so it is done once and then passed along.
struct NumericSettings {
    QString decimalPoint;
    QString negativeSign;
    Grouping grouping;

    // Qt's settings for the locale as the environment names it (de_DE.UTF-8,
    // sr_RS@latin). The program writes Latin digits, which Qt's separators for
    // other digits do not suit (U+066C reads as an apostrophe): there the C
    // library's serve, and where Qt lacks the locale and answers as for C
    // (li_NL, cmn_TW), its group sizes too; "," and "." stand in for U+066C
    // and U+066B. Where neither has the locale, nothing is grouped, as in C.
    static NumericSettings of(const QString &name);
};

} // namespace ModFibo
