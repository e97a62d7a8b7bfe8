#include "number/NumericSettings.h"

#include <langinfo.h>
#include <locale.h>

#include <climits>
#include <optional>

namespace ModFibo {

namespace {

struct Separators {
    QString group; // empty: the locale does not group
    QString decimal;
};

// The C library's separators for the numbers of `locale`, asked for in UTF-8:
// its data for a locale's numbers does not depend on the character set.
std::optional<Separators> cLibrarySeparators(const QLocale &locale)
{
    const QByteArray name = locale.name().toLatin1() + ".UTF-8";
    const locale_t numeric = newlocale(LC_NUMERIC_MASK, name.constData(), locale_t(nullptr));
    if (numeric == locale_t(nullptr))
        return std::nullopt;
    Separators separators{QString::fromUtf8(nl_langinfo_l(THOUSEP, numeric)),
                          QString::fromUtf8(nl_langinfo_l(RADIXCHAR, numeric))};
    // An empty grouping, or one that starts with CHAR_MAX, groups nothing.
    const char *sizes = nl_langinfo_l(GROUPING, numeric);
    if (sizes[0] == 0 || sizes[0] == CHAR_MAX)
        separators.group.clear();
    freelocale(numeric);
    return separators;
}

} // namespace

NumericSettings NumericSettings::of(const QLocale &locale)
{
    NumericSettings settings{locale.decimalPoint(), locale.negativeSign(), Grouping::of(locale)};
    if (locale.zeroDigit() == u"0")
        return settings;
    const Separators separators = cLibrarySeparators(locale).value_or(Separators{QString(), QStringLiteral(".")});
    settings.decimalPoint = separators.decimal;
    settings.grouping = settings.grouping.withSeparator(separators.group);
    return settings;
}

} // namespace ModFibo
