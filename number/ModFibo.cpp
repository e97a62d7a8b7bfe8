#include "number/ModFibo.h"

#include "number/Digits.h"

#include <charconv>
#include <limits>
#include <string>

namespace ModFibo {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// More than this many significant digits is beyond the largest double.
constexpr std::size_t mostDigits = std::numeric_limits<double>::max_exponent10 + 1;

double digitsValue(const std::string &digits)
{
    double value = 0.0;
    if (digits.size() > mostDigits) {
        value = std::numeric_limits<double>::infinity();
    } else if (!digits.empty()) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        (void)end;
        if (error == std::errc::result_out_of_range)
            value = std::numeric_limits<double>::infinity();
    }
    return value;
}

} // namespace

double TextToNumber(QString text, const Grouping &grouping)
{
    if (text == u"" || text == u"0")
        return 0.0;
    if (grouping.lookAlikes.isEmpty() && grouping.groups())
        text.remove(grouping.separator);
    // Read in one pass, without a copy of a pasted text that may be megabytes long.
    const auto dropped = [&grouping](QChar c) { return c == u'.' || c == u'\u066B' || grouping.isLookAlike(c); };
    qsizetype at = 0;
    while (at < text.size() && (isBlank(text.at(at)) || dropped(text.at(at))))
        ++at;
    bool negative = false;
    if (at < text.size() && (text.at(at) == u'+' || text.at(at) == u'-')) {
        negative = text.at(at) == u'-';
        ++at;
    }
    // Latin, without leading zeros; those beyond a double's range need not be kept.
    std::string digits;
    for (qsizetype width = 1; at < text.size(); at += width) {
        const int value = digitValueAt(text, at, width);
        if (value > 0 || (value == 0 && !digits.empty())) {
            if (digits.size() <= mostDigits)
                digits.push_back(char('0' + value));
        } else if (value < 0 && !dropped(text.at(at)) && !Grouping::joinsDigitsAt(text, at)) {
            break;
        }
    }
    const double value = digitsValue(digits);
    return negative ? -value : value;
}

} // namespace ModFibo
