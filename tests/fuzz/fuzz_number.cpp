// Reading n and the two text forms of a number, under arbitrary text.
//
// Input: the first byte picks the locale (de_DE, en_US, en_IN, fr_FR, de_CH,
// es_ES, pl_PL, C, ar_EG, li_NL, cmn_TW, ps_AF) and whether the rest is UTF-8
// or UTF-16; the rest is the text. The text goes through TextToNumber and the
// NUM text of a text; the value read goes through the EXP and NUM texts; when
// there are at least 8 bytes after the first, they are also taken as a double
// for the EXP and NUM texts.
//
// Every check compares with something computed another way: the C library's
// strtod and printf, QLocale's own grouping of 64-bit integers, a grouping
// written here from each locale's known group sizes and separators, and a
// reading written here over code points. A failed check prints what it saw
// and traps.
#include "number/ModFibo.h"
#include "number/NumericSettings.h"
#include "number/TextForms.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

struct LocaleCase {
    const char *name;
    QLocale locale;
    QString decimalPoint;
    QString separator; // the separator that the locale groups with; empty: no grouping
    QStringList readAs; // what is read as that separator: it and its look-alikes
    int primary;
    int secondary;
    int minimumDigits; // fewer digits are not grouped at all
    // Qt 6.4 ignores a minimum of five digits (es_ES 1346269 gives 1346.269),
    // so QLocale is an oracle only for the other locales.
    bool qtGroupsAlike;
    ModFibo::NumericSettings settings; // what the code under test works out
};

// Characters that some locale writes between digit groups, in sets that are
// read as one another; between two digits any of them joins them.
const QStringList joinerSets[] = {
    {" ", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007",
     "\u2008", "\u2009", "\u200A", "\u202F", "\u205F", "\u3000"},
    {"'", "\u2019", "\u02BC"},
    {",", "\u066C"},
    {".", "\u066B"},
};

QStringList readAsSeparator(const QString &separator)
{
    for (const QStringList &set : joinerSets) {
        if (set.contains(separator))
            return set;
    }
    return {separator};
}

bool isJoiner(char32_t c)
{
    const QString text = QString::fromUcs4(&c, 1);
    return std::any_of(std::begin(joinerSets), std::end(joinerSets),
                       [&text](const QStringList &set) { return set.contains(text); });
}

const std::vector<LocaleCase> &localeCases()
{
    static const std::vector<LocaleCase> cases = [] {
        std::vector<LocaleCase> all;
        for (const char *name : {"de_DE", "en_US", "en_IN", "fr_FR", "de_CH", "es_ES", "pl_PL"}) {
            const QLocale locale(QString::fromLatin1(name));
            const bool indian = std::strcmp(name, "en_IN") == 0;
            const QString separator = locale.groupSeparator();
            const bool fromFive = std::strcmp(name, "es_ES") == 0 || std::strcmp(name, "pl_PL") == 0;
            all.push_back({name, locale, locale.decimalPoint(), separator, readAsSeparator(separator), 3,
                           indian ? 2 : 3, fromFive ? 5 : 4, !fromFive,
                           ModFibo::NumericSettings::of(QString::fromLatin1(name))});
        }
        // The C locale has a group separator but does not group.
        all.push_back({"C", QLocale::c(), QStringLiteral("."), QString(), QStringList(), 3, 3, 4, true,
                       ModFibo::NumericSettings::of(QStringLiteral("C"))});
        // Beside Latin digits, glibc's separators where Qt writes other digits
        // (ar_EG; ps_AF, whose U+066C and U+066B become "," and "."), and
        // glibc's grouping where Qt lacks the locale (li_NL, cmn_TW).
        const auto fromCLibrary = [&all](const char *name, const char *decimalPoint, const char *separator,
                                         int groupSize) {
            const QString environmentName = QString::fromLatin1(name) + QStringLiteral(".UTF-8");
            const QString groupSeparator = QString::fromLatin1(separator);
            all.push_back({name, QLocale(environmentName), QString::fromLatin1(decimalPoint), groupSeparator,
                           readAsSeparator(groupSeparator), groupSize, groupSize, groupSize + 1, false,
                           ModFibo::NumericSettings::of(environmentName)});
        };
        fromCLibrary("ar_EG", ".", ",", 3);
        fromCLibrary("li_NL", ",", ".", 3);
        fromCLibrary("cmn_TW", ".", ",", 4);
        fromCLibrary("ps_AF", ".", ",", 3);
        return all;
    }();
    return cases;
}

const LocaleCase *current = nullptr;
const QString *currentText = nullptr;

QString escaped(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f)
            out += c;
        else
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}

[[noreturn]] void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "fuzz_number: %s\n  locale %s\n  text \"%s\"\n  %s\n", what,
                 current ? current->name : "?", currentText ? qPrintable(escaped(*currentText)) : "",
                 qPrintable(escaped(detail)));
    __builtin_trap();
}

void check(bool condition, const char *what, const QString &detail = QString())
{
    if (!condition)
        fail(what, detail);
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isAsciiDigitChar(char c)
{
    return c >= '0' && c <= '9';
}

bool isAsciiBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
}

// Qt's own answer: a decimal digit of any script.
bool isDigit(char32_t c)
{
    return QChar::category(c) == QChar::Number_DecimalDigit;
}

char latinDigit(char32_t c)
{
    return char('0' + QChar::digitValue(c));
}

std::string withoutLeadingZeros(const std::string &digits)
{
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return digits.empty() ? digits : std::string("0");
    return digits.substr(first);
}

QString removed(QString text, const QStringList &separators)
{
    for (const QString &separator : separators) {
        if (!separator.isEmpty())
            text.remove(separator);
    }
    return text;
}

// Groups a run of digits from the right: one group of `primary` digits, then
// groups of `secondary` digits; nothing when there are too few digits.
QString grouped(const std::string &digits, const LocaleCase &lc)
{
    const QString plain = QString::fromStdString(digits);
    if (lc.separator.isEmpty() || int(digits.size()) < lc.minimumDigits)
        return plain;
    QString text = plain.right(lc.primary);
    qsizetype left = plain.size() - lc.primary;
    while (left > 0) {
        const qsizetype take = std::min<qsizetype>(lc.secondary, left);
        text.prepend(lc.separator);
        text.prepend(plain.mid(left - take, take));
        left -= take;
    }
    return text;
}

double digitsValue(const std::string &digits)
{
    if (digits.empty())
        return 0.0;
    return std::strtod(digits.c_str(), nullptr);
}

QString number(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return QString::fromLatin1(buffer);
}

bool sameDouble(double a, double b)
{
    return (a == b && std::signbit(a) == std::signbit(b)) || (std::isnan(a) && std::isnan(b));
}

// The EXP text: printf's %.15g with the locale's decimal point and negative
// sign and a capital E; never a group separator; at most 15 significant digits.
void checkExpText(double value, const ModFibo::TextForms &forms, const LocaleCase &lc)
{
    const QString text = forms.expText(value);
    if (!lc.separator.isEmpty())
        check(!text.contains(lc.separator), "EXP text contains the group separator", text);

    if (!std::isfinite(value))
        return;

    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    QString expected;
    for (const char *c = buffer; *c; ++c) {
        if (*c == '.')
            expected += lc.decimalPoint;
        else if (*c == '-' && c == buffer)
            expected += lc.locale.negativeSign();
        else
            expected += QLatin1Char(*c == 'e' ? 'E' : *c);
    }
    check(text == expected, "EXP text differs from %.15g", text + QStringLiteral(" expected ") + expected);

    // Significant digits of the mantissa.
    QString mantissa = text.section(u'E', 0, 0);
    if (mantissa.startsWith(lc.locale.negativeSign()))
        mantissa.remove(0, lc.locale.negativeSign().size());
    mantissa.remove(lc.decimalPoint);
    for (const QChar c : mantissa)
        check(isAsciiDigit(c), "EXP mantissa holds a character that is not a digit", text);
    qsizetype start = 0;
    while (start < mantissa.size() && mantissa.at(start) == u'0')
        ++start;
    check(mantissa.size() - start <= 15, "EXP text has more than 15 significant digits", text);
}

// Whether the text of `digits` reads as exactly `value`.
bool identifies(const std::string &digits, double value)
{
    return std::strtod(digits.c_str(), nullptr) == value;
}

// The NUM text of a finite value: its sign, then the value rounded to a whole
// number, as the fewest significant digits that read back as that double and
// zeros down to the units, grouped.
void checkNumText(double value, const ModFibo::TextForms &forms, const LocaleCase &lc)
{
    const QString text = forms.numText(value);
    if (!std::isfinite(value)) {
        check(text == forms.expText(value), "NUM text of a value that is not finite is not its EXP text", text);
        return;
    }
    const double whole = std::nearbyint(std::fabs(value));
    char exact[400];
    std::snprintf(exact, sizeof exact, "%.0f", whole);

    QString unsigned_ = text;
    const bool negative = unsigned_.startsWith(lc.locale.negativeSign());
    if (negative)
        unsigned_.remove(0, lc.locale.negativeSign().size());
    const std::string digits = removed(unsigned_, {lc.separator}).toStdString();
    const QString detail = text + QStringLiteral(" value ") + number(value);
    // As many digits as the whole value, or one more where its shortest
    // digits round up to a power of ten (9.9999999999999991e28 is 1e29).
    const bool powerOfTenAbove = digits == "1" + std::string(std::strlen(exact), '0');
    check((digits.size() == std::strlen(exact) || powerOfTenAbove)
              && std::all_of(digits.begin(), digits.end(), isAsciiDigitChar),
          "NUM text does not have the whole value's number of digits", detail);
    check(identifies(digits, whole), "NUM text does not read back as the whole value", detail);
    const std::size_t significant = digits.find_last_not_of('0') + 1;
    if (significant >= 2) {
        char shorter[64];
        std::snprintf(shorter, sizeof shorter, "%.*e", int(significant) - 2, whole);
        check(!identifies(shorter, whole), "NUM text has more significant digits than the double needs", detail);
    }
    // Up to 2^53 every whole number is a double, so its digits are exact.
    if (whole <= 9007199254740992.0)
        check(digits == exact, "NUM text of a value up to 2^53 is not exact", detail);
    check(unsigned_ == grouped(digits, lc), "NUM text is not grouped as the locale groups", text);

    if (value != std::trunc(value))
        return;
    // A whole value: the sign is shown exactly for values below zero, and
    // QLocale writes every value up to 2^53 the same way.
    check(negative == (value < 0), "NUM text has the wrong sign", detail);
    if (lc.qtGroupsAlike && std::fabs(value) <= 9007199254740992.0) {
        check(text == lc.locale.toString(qlonglong(value)), "NUM text differs from QLocale's",
              text + QStringLiteral(" QLocale: ") + lc.locale.toString(qlonglong(value)));
    }
}

std::vector<char32_t> codePoints(QStringView text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return {ucs4.cbegin(), ucs4.cend()};
}

// Whether the code point at `i` stands between two digits.
bool betweenDigits(const std::vector<char32_t> &text, std::size_t i)
{
    return i > 0 && i + 1 < text.size() && isDigit(text[i - 1]) && isDigit(text[i + 1]);
}

// TextToNumber of any text: points and the locale's separators dropped
// wherever they stand; then blanks, a sign, and digits, joined by any other
// separator that stands between two of them.
void checkTextToNumber(const QString &text, double value, const LocaleCase &lc)
{
    if (text == u"0" || text.isEmpty()) {
        check(sameDouble(value, 0.0), "empty text or 0 does not read as 0", number(value));
        return;
    }
    const std::vector<char32_t> all = codePoints(text);
    const auto dropped = [&lc](char32_t c) {
        return c == U'.' || c == U'\u066B' || lc.readAs.contains(QString::fromUcs4(&c, 1));
    };
    std::size_t at = 0;
    while (at < all.size() && (isAsciiBlank(all[at]) || dropped(all[at])))
        ++at;
    bool negative = false;
    if (at < all.size() && (all[at] == U'+' || all[at] == U'-')) {
        negative = all[at] == U'-';
        ++at;
    }
    std::string digits;
    for (; at < all.size(); ++at) {
        if (isDigit(all[at]))
            digits.push_back(latinDigit(all[at]));
        else if (!dropped(all[at]) && !(isJoiner(all[at]) && betweenDigits(all, at)))
            break;
    }
    double expected = digitsValue(digits);
    if (negative)
        expected = -expected;
    check(sameDouble(value, expected), "text does not read as the value of its leading digits",
          number(value) + QStringLiteral(" expected ") + number(expected));
}

// The NUM text of a text: the digits regrouped when the text, less surrounding
// blanks, is digits, the locale's separators anywhere and other separators
// between two digits, with at least one digit.
void checkNumTextOfText(const QString &text, const ModFibo::TextForms &forms, const LocaleCase &lc)
{
    const std::optional<QString> result = forms.regroupedText(QStringView(text));

    const std::vector<char32_t> inner = codePoints(QStringView(text).trimmed());
    std::optional<std::string> digits = std::string();
    for (std::size_t i = 0; i < inner.size(); ++i) {
        if (isDigit(inner[i])) {
            digits->push_back(latinDigit(inner[i]));
        } else if (!lc.readAs.contains(QString::fromUcs4(&inner[i], 1))
                   && !(isJoiner(inner[i]) && betweenDigits(inner, i))) {
            digits.reset();
            break;
        }
    }
    if (digits && digits->empty())
        digits.reset();

    if (!digits) {
        check(!result, "NUM text of a text that is not digits and separators is not empty", *result);
        return;
    }
    check(result.has_value(), "NUM text of a text of digits is empty");
    const std::string significant = withoutLeadingZeros(*digits);
    check(removed(*result, {lc.separator}) == QString::fromStdString(significant),
          "NUM text of a text of digits does not keep exactly its digits less leading zeros", *result);
    check(*result == grouped(significant, lc), "NUM text of a text is not grouped as the locale groups", *result);
    if (lc.qtGroupsAlike && significant.size() <= 19) {
        const qulonglong whole = std::strtoull(significant.c_str(), nullptr, 10);
        check(*result == lc.locale.toString(whole), "NUM text of a text differs from QLocale's",
              *result + QStringLiteral(" QLocale: ") + lc.locale.toString(whole));
    }

    // Regrouping what the box shows changes nothing, and it reads as its digits.
    const std::optional<QString> again = forms.regroupedText(QStringView(*result));
    check(again && *again == *result, "regrouping a NUM text changes it", again.value_or(QStringLiteral("<none>")));
    const double value = ModFibo::TextToNumber(*result, lc.settings.grouping);
    check(sameDouble(value, digitsValue(significant)), "a NUM text does not read as the value of its digits",
          *result + QStringLiteral(" reads ") + number(value));
}

// A text of digits, padded with zeros on the right up to the lengths where a
// double ends (10^308 still fits, 10^309 does not), and with many zeros on the
// left: reaches the edge of the range that short inputs never do.
void checkLongDigits(const QString &text, const LocaleCase &lc)
{
    if (text.isEmpty() || text.size() > 300 || !std::all_of(text.begin(), text.end(), isAsciiDigit))
        return;
    std::vector<QString> longer;
    for (const qsizetype length : {308, 309, 310})
        longer.push_back(text + QString(length - text.size(), u'0'));
    longer.push_back(QString(400, u'0') + text);
    for (const QString &digits : longer) {
        currentText = &digits;
        checkTextToNumber(digits, ModFibo::TextToNumber(digits, lc.settings.grouping), lc);
    }
    currentText = &text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const auto &cases = localeCases();
    const LocaleCase &lc = cases[data[0] % cases.size()];
    const bool utf16 = (data[0] / cases.size()) % 2 == 1;
    const char *bytes = reinterpret_cast<const char *>(data + 1);
    const std::size_t length = size - 1;

    QString text;
    if (utf16) {
        std::vector<char16_t> units(length / 2);
        if (!units.empty())
            std::memcpy(units.data(), bytes, units.size() * sizeof(char16_t));
        text = QString::fromUtf16(units.data(), qsizetype(units.size()));
    } else {
        text = QString::fromUtf8(bytes, qsizetype(length));
    }
    current = &lc;
    currentText = &text;

    const ModFibo::TextForms forms(lc.settings);

    const double value = ModFibo::TextToNumber(text, lc.settings.grouping);
    checkTextToNumber(text, value, lc);
    checkLongDigits(text, lc);
    check(!std::isnan(value), "TextToNumber gave NaN");
    check(value == std::trunc(value), "TextToNumber gave a value that is not whole", number(value));
    checkExpText(value, forms, lc);
    checkNumText(value, forms, lc);

    checkNumTextOfText(text, forms, lc);

    if (length >= 8) {
        double raw;
        std::memcpy(&raw, bytes, sizeof raw);
        checkExpText(raw, forms, lc);
        checkNumText(raw, forms, lc);
        if (std::isfinite(raw))
            checkNumText(std::trunc(raw), forms, lc);
    }

    current = nullptr;
    currentText = nullptr;
    return 0;
}
