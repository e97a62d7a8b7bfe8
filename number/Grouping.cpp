#include "number/Grouping.h"

#include "number/Digits.h"

#include <QStringList>

#include <algorithm>

namespace ModFibo {

namespace {

constexpr int probeDigits = 19;

qlonglong powerOfTen(int exponent)
{
    qlonglong value = 1;
    while (exponent-- > 0)
        value *= 10;
    return value;
}

// The separators that join digits, in sets of those that readers take for one
// another, each led by its ASCII member: every Unicode space; the apostrophe,
// right single quotation mark and modifier letter apostrophe; the comma and
// the Arabic thousands separator; the point and the Arabic decimal separator.
constexpr QStringView lookAlikeSets[] = {
    u" \u00A0\u1680\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007\u2008\u2009\u200A\u202F\u205F\u3000",
    u"'\u2019\u02BC",
    u",\u066C",
    u".\u066B",
};

} // namespace

Grouping Grouping::of(const QLocale &locale)
{
    Grouping grouping;
    const QString separator = locale.groupSeparator();
    const QString probe = locale.toString(powerOfTen(probeDigits - 1));
    if (separator.isEmpty() || !probe.contains(separator))
        return grouping;

    const QStringList groups = probe.split(separator);
    // Some locales write digits that take more than one UTF-16 unit.
    const auto digitWidth = (probe.size() - (groups.size() - 1) * separator.size()) / probeDigits;
    if (digitWidth <= 0)
        return grouping;

    grouping.primary = int(groups.last().size() / digitWidth);
    grouping.secondary = groups.size() >= 3 ? int(groups.at(groups.size() - 2).size() / digitWidth)
                                            : grouping.primary;
    for (int digits = 1; digits <= probeDigits; ++digits) {
        if (locale.toString(powerOfTen(digits - 1)).contains(separator)) {
            grouping.minimumDigits = digits;
            break;
        }
    }
    if (grouping.primary <= 0 || grouping.secondary <= 0)
        return Grouping();
    return grouping.withSeparator(separator);
}

Grouping Grouping::withSeparator(const QString &other) const
{
    Grouping grouping = *this;
    grouping.separator = other;
    grouping.lookAlikes.clear();
    for (const QStringView set : lookAlikeSets) {
        if (other.size() == 1 && set.contains(other.front()))
            grouping.lookAlikes = set.toString();
    }
    return grouping;
}

bool Grouping::separatesDigitGroups(QChar c)
{
    return std::any_of(std::begin(lookAlikeSets), std::end(lookAlikeSets),
                       [c](QStringView set) { return set.contains(c); });
}

bool Grouping::joinsDigitsAt(QStringView text, qsizetype at)
{
    qsizetype width = 0;
    return at < text.size() && separatesDigitGroups(text.at(at)) && digitEndsAt(text, at)
           && digitValueAt(text, at + 1, width) >= 0;
}

qsizetype Grouping::separatorAt(QStringView text, qsizetype at) const
{
    if (!groups() || at >= text.size())
        return 0;
    if (isLookAlike(text.at(at)))
        return 1;
    return text.mid(at).startsWith(separator) ? separator.size() : 0;
}

QString Grouping::apply(std::string_view digits) const
{
    const qsizetype length = qsizetype(digits.size());
    const qsizetype rest = length - primary; // digits left of the rightmost group
    if (!groups() || length < minimumDigits || rest <= 0)
        return QString::fromLatin1(digits.data(), length);

    // Written straight into the result: this runs for every row of a table.
    const qsizetype separators = (rest + secondary - 1) / secondary;
    QString text(length + separators * separator.size(), Qt::Uninitialized);
    QChar *out = text.data();
    const auto copyDigits = [&out, &digits](qsizetype from, qsizetype count) {
        for (qsizetype i = from; i < from + count; ++i)
            *out++ = QLatin1Char(digits[std::size_t(i)]);
    };
    // Most separators are one UTF-16 unit, written here directly: a call to
    // memmove for each of the tens of thousands in a table of 1,477 rows was
    // a fifth of its time.
    const QChar single = separator.front();
    const bool isSingle = separator.size() == 1;
    const auto copySeparator = [&out, single, isSingle, this] {
        if (isSingle)
            *out++ = single;
        else
            out = std::copy(separator.cbegin(), separator.cend(), out);
    };
    qsizetype head = rest % secondary;
    if (head == 0)
        head = secondary;
    copyDigits(0, head);
    for (qsizetype at = head; at < rest; at += secondary) {
        copySeparator();
        copyDigits(at, secondary);
    }
    copySeparator();
    copyDigits(rest, primary);
    return text;
}

} // namespace ModFibo
