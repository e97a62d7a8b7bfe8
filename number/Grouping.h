#pragma once

#include <QLocale>
#include <QString>

#include <string_view>

namespace ModFibo {

// How a locale groups the digits of a whole number: the separator, the size of
// the rightmost group, the size of every group further left (en_IN: 3, then 2),
// and the fewest digits that are grouped at all.
struct Grouping {
    QString separator; // empty: the locale does not group
    int primary = 3;
    int secondary = 3;
    int minimumDigits = 1;

    // QLocale keeps its group sizes private, so they are read off the way the
    // locale writes a few known numbers.
    static Grouping of(const QLocale &locale);

    bool groups() const { return !separator.isEmpty(); }

    // `digits` is a run of ASCII digits without sign.
    QString apply(std::string_view digits) const;
};

} // namespace ModFibo
