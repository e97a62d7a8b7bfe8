#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <string_view>

namespace ModFibo {

// How a locale groups the digits of a whole number: the separator, the size of
// the rightmost group, the size of every group further left (en_IN: 3, then 2),
// and the fewest digits that are grouped at all.
//
// The program groups digits itself rather than through QLocale::toString:
// Qt 6.4 ignores a locale's minimum grouping digits (es_ES writes 1346269 as
// 1346.269), writes native digits in some locales (ar_EG, which the reading of
// n would not take back), and formats at most 64-bit integers, while a typed
// number may have more digits than any integer type or double holds.
struct Grouping {
    QString separator; // empty: the locale does not group
    // Characters that a pasted or typed number may have in place of the
    // separator: where it is a space, any of the spaces; where it is an
    // apostrophe, any of the apostrophes.
    QString lookAlikes;
    int primary = 3;
    int secondary = 3;
    int minimumDigits = 1;

    // QLocale keeps its group sizes private, so they are read off the way the
    // locale writes a few known numbers.
    static Grouping of(const QLocale &locale);

    // The same group sizes with another separator and its look-alikes; an
    // empty one groups nothing.
    Grouping withSeparator(const QString &other) const;

    bool groups() const { return !separator.isEmpty(); }

    // Whether some locale or reader writes `c` between the digit groups of one
    // number: "." and ",", and the look-alikes of a space or an apostrophe.
    // The plain space is not among them: between digits it parts two numbers.
    static bool separatesDigitGroups(QChar c);

    // Whether `text` has such a separator at `at`, between two digits: there
    // it joins them into one number.
    static bool joinsDigitsAt(QStringView text, qsizetype at);

    // How many UTF-16 units at `at` in `text` are the separator or one of its
    // look-alikes; 0 where there is none.
    qsizetype separatorAt(QStringView text, qsizetype at) const;

    // `digits` is a run of ASCII digits without sign.
    QString apply(std::string_view digits) const;
};

} // namespace ModFibo
