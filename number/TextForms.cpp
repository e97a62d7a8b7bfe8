#include "number/TextForms.h"

#include "number/Digits.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

namespace ModFibo {

TextForms::TextForms(NumericSettings settings) : settings_(std::move(settings)) {}

QString TextForms::expText(double value) const
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const std::string_view chars(buffer, std::size_t(result.ptr - buffer));
    const bool negative = chars.front() == '-';
    const bool hasPoint = chars.find('.') != std::string_view::npos;
    QString text(qsizetype(chars.size()) + (negative ? settings_.negativeSign.size() - 1 : 0)
                     + (hasPoint ? settings_.decimalPoint.size() - 1 : 0),
                 Qt::Uninitialized);
    QChar *out = text.data();
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char c = chars[i];
        if (c == '.')
            out = std::copy(settings_.decimalPoint.cbegin(), settings_.decimalPoint.cend(), out);
        else if (c == '-' && i == 0)
            out = std::copy(settings_.negativeSign.cbegin(), settings_.negativeSign.cend(), out);
        else
            *out++ = QLatin1Char(c == 'e' ? 'E' : c);
    }
    return text;
}

QString TextForms::numText(double value) const
{
    if (!std::isfinite(value))
        return expText(value);
    const double whole = std::nearbyint(std::fabs(value));
    // Without a precision, to_chars gives the shortest digits that read back
    // as the same double: "d.ddde+XX".
    char shortest[32];
    const auto result = std::to_chars(shortest, shortest + sizeof shortest, whole, std::chars_format::scientific);
    const std::string_view chars(shortest, std::size_t(result.ptr - shortest));
    const std::size_t e = chars.find('e');
    int exponent = 0;
    std::from_chars(chars.data() + e + 1 + (chars[e + 1] == '+'), chars.data() + chars.size(), exponent);

    // The largest double has 309 integer digits; a whole value has at least
    // as many integer digits as significant ones.
    char digits[320];
    char *out = digits;
    *out++ = chars.front();
    if (e > 1)
        out = std::copy(chars.begin() + 2, chars.begin() + e, out);
    out = std::fill_n(out, exponent + 1 - (out - digits), '0');
    QString text = settings_.grouping.apply(std::string_view(digits, std::size_t(out - digits)));
    if (std::signbit(value) && whole != 0.0)
        text.prepend(settings_.negativeSign);
    return text;
}

std::optional<QString> TextForms::regroupedText(QStringView text) const
{
    text = text.trimmed();
    std::string digits;
    digits.reserve(text.size());
    for (qsizetype at = 0, width = 1; at < text.size(); at += width) {
        const int value = digitValueAt(text, at, width);
        if (value >= 0) {
            // Leading zeros go; the last one stays when every digit is a zero.
            if (digits.size() == 1 && digits.front() == '0')
                digits.back() = char('0' + value);
            else
                digits.push_back(char('0' + value));
        } else if (const qsizetype skip = settings_.grouping.separatorAt(text, at)) {
            width = skip;
        } else if (!Grouping::joinsDigitsAt(text, at)) {
            return std::nullopt;
        }
    }
    if (digits.empty())
        return std::nullopt;
    return settings_.grouping.apply(digits);
}

} // namespace ModFibo
