#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <string_view>

namespace ModFibo {

// How a locale groups the digits of a whole number. The program groups digits
// itself: Qt 6.4's QLocale::toString ignores a locale's minimum grouping
// digits (es_ES 1346269 gives 1346.269), writes native digits (ar_EG) and
// stops at 64-bit integers, while a pasted number may be longer than any.
struct Grouping {
    QString separator; // empty: the locale does not group
    // What readers take for the separator: any space for a space, any
    // apostrophe for an apostrophe, U+066C for a comma, U+066B for a point.
    QString lookAlikes;
    int primary = 3;   // the rightmost group
    int secondary = 3; // every group further left (en_IN: 3, then 2)
    int minimumDigits = 1;

    // QLocale keeps its group sizes private: they are read off the way it
    // writes a few known numbers.
    static Grouping of(const QLocale &locale);

    Grouping withSeparator(const QString &other) const;

    bool groups() const { return !separator.isEmpty(); }

    // Whether some locale or reader writes `c` between the digit groups of one
    // number: the point, the comma, every space and apostrophe, U+066B, U+066C.
    static bool separatesDigitGroups(QChar c);

    // Whether `text` has such a separator at `at`, between two digits of any
    // script: there it joins them into one number.
    static bool joinsDigitsAt(QStringView text, qsizetype at);

    // Inline: reading asks it of every character. Each set of look-alikes
    // has one ASCII character, its first.
    bool isLookAlike(QChar c) const
    {
        return c.unicode() < 0x80 ? !lookAlikes.isEmpty() && c == lookAlikes.front() : lookAlikes.contains(c);
    }

    // How many UTF-16 units at `at` are the separator or a look-alike; 0 for none.
    qsizetype separatorAt(QStringView text, qsizetype at) const;

    // `digits` is a run of ASCII digits without sign.
    QString apply(std::string_view digits) const;
};

} // namespace ModFibo
