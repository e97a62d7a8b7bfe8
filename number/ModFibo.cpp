#include "number/ModFibo.h"

#include <charconv>
#include <limits>
#include <string>

namespace ModFibo {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

double readLeadingNumber(const QString &text)
{
    qsizetype at = 0;
    while (at < text.size() && isBlank(text.at(at)))
        ++at;
    bool negative = false;
    if (at < text.size() && (text.at(at) == u'+' || text.at(at) == u'-')) {
        negative = text.at(at) == u'-';
        ++at;
    }
    while (at < text.size() && text.at(at) == u'0')
        ++at;

    std::string digits;
    while (at < text.size() && isDigit(text.at(at)))
        digits.push_back(char(text.at(at++).unicode()));

    double value = 0.0;
    // More than 309 significant digits is beyond the largest double; there is
    // no need to hand megabytes of digits to the parser.
    if (digits.size() > std::numeric_limits<double>::max_exponent10 + 1) {
        value = std::numeric_limits<double>::infinity();
    } else if (!digits.empty()) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        (void)end;
        if (error == std::errc::result_out_of_range)
            value = std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

} // namespace

double TextToNumber(QString text, const Grouping &grouping)
{
    if (text == u"" || text == u"0")
        return 0.0;
    text.remove(u'.');
    // A separator with look-alikes is one of them: one pass removes them all.
    if (!grouping.lookAlikes.isEmpty())
        text.removeIf([&grouping](QChar c) { return grouping.lookAlikes.contains(c); });
    else if (grouping.groups())
        text.remove(grouping.separator);
    return readLeadingNumber(text);
}

} // namespace ModFibo
