#pragma once

#include "number/Grouping.h"

#include <QLocale>
#include <QString>

namespace ModFibo {

// How the program writes and reads numbers for one locale. Working it out asks
// Qt and the C library, so it is done once and then passed along.
struct NumericSettings {
    QString decimalPoint;
    QString negativeSign;
    Grouping grouping;

    // Qt's conventions for the locale. The program always writes Latin digits,
    // so where the locale's own digits are others (ar_EG, fa_IR), Qt's
    // separators belong to those digits (U+066C looks like an apostrophe, and
    // spreadsheets do not read it); the group separator and decimal point are
    // then the C library's for the locale (ar_EG, fa_IR: "," and "."; ar_SA
    // groups nothing). Where the C library does not have the locale (it was
    // not generated, or glibc does not know it: ar_TD), nothing is grouped and
    // the decimal point is ".", as in the C locale: a guess at a separator
    // could be read as a decimal separator.
    static NumericSettings of(const QLocale &locale);
};

} // namespace ModFibo
