#include "TextForms.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace ModFibo {

TextForms::TextForms(const QLocale &locale)
    : decimalPoint_(locale.decimalPoint()),
      negativeSign_(locale.negativeSign()),
      grouping_(Grouping::of(locale))
{
}

QString TextForms::expText(double value) const
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    const std::string_view chars(buffer, std::size_t(result.ptr - buffer));
    const bool negative = chars.front() == '-';
    const bool hasPoint = chars.find('.') != std::string_view::npos;
    QString text(qsizetype(chars.size()) + (negative ? negativeSign_.size() - 1 : 0)
                     + (hasPoint ? decimalPoint_.size() - 1 : 0),
                 Qt::Uninitialized);
    QChar *out = text.data();
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const char c = chars[i];
        if (c == '.')
            out = std::copy(decimalPoint_.cbegin(), decimalPoint_.cend(), out);
        else if (c == '-' && i == 0)
            out = std::copy(negativeSign_.cbegin(), negativeSign_.cend(), out);
        else
            *out++ = QLatin1Char(c == 'e' ? 'E' : c);
    }
    return text;
}

QString TextForms::numText(double value) const
{
    if (!std::isfinite(value))
        return expText(value);
    // The largest double has 309 integer digits.
    char buffer[320];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed, 0);
    QString text = grouping_.apply(std::string_view(buffer, result.ptr - buffer));
    if (std::signbit(value) && value != 0.0)
        text.prepend(negativeSign_);
    return text;
}

std::optional<QString> TextForms::numText(QStringView text) const
{
    text = text.trimmed();
    std::string digits;
    digits.reserve(text.size());
    const QStringView separator(grouping_.separator);
    for (qsizetype at = 0; at < text.size();) {
        const QChar c = text.at(at);
        if (c >= u'0' && c <= u'9') {
            // Leading zeros go; the last one stays when every digit is a zero.
            if (!(digits.size() == 1 && digits.front() == '0'))
                digits.push_back(char(c.unicode()));
            else
                digits.back() = char(c.unicode());
            ++at;
        } else if (!separator.isEmpty() && text.mid(at).startsWith(separator)) {
            at += separator.size();
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty())
        return std::nullopt;
    return grouping_.apply(digits);
}

} // namespace ModFibo
