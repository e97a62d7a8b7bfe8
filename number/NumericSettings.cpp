#include "number/NumericSettings.h"

#include <QLocale>

#include <langinfo.h>
#include <locale.h>

#include <climits>
#include <optional>

namespace ModFibo {

namespace {

struct CLibraryNumbers {
    Grouping grouping;
    QString decimalPoint;
};

// "language_TERRITORY" of a locale name, without its character set and modifier.
QString languageAndTerritory(const QString &name)
{
    return name.section(u'@', 0, 0).section(u'.', 0, 0);
}

// The C library's conventions for the numbers of the locale `name`, asked for
// in UTF-8: they do not depend on the character set.
std::optional<CLibraryNumbers> cLibraryNumbers(const QString &name)
{
    const qsizetype at = name.indexOf(u'@');
    const QString modifier = at < 0 ? QString() : name.mid(at);
    const QByteArray utf8Name = (languageAndTerritory(name) + ".UTF-8" + modifier).toLatin1();
    const locale_t numeric = newlocale(LC_NUMERIC_MASK, utf8Name.constData(), locale_t(nullptr));
    if (numeric == locale_t(nullptr))
        return std::nullopt;
    CLibraryNumbers numbers{Grouping(), QString::fromUtf8(nl_langinfo_l(RADIXCHAR, numeric))};
    // Each byte is the size of the next group to the left, the last one
    // repeating; an empty grouping, or one that starts with CHAR_MAX, groups
    // nothing.
    const char *sizes = nl_langinfo_l(GROUPING, numeric);
    if (sizes[0] > 0 && sizes[0] != CHAR_MAX) {
        numbers.grouping.primary = sizes[0];
        numbers.grouping.secondary = sizes[1] > 0 && sizes[1] != CHAR_MAX ? sizes[1] : sizes[0];
        numbers.grouping = numbers.grouping.withSeparator(QString::fromUtf8(nl_langinfo_l(THOUSEP, numeric)));
    }
    freelocale(numeric);
    return numbers;
}

bool namesC(const QString &name)
{
    const QString language = languageAndTerritory(name);
    return language.isEmpty() || language == u"C" || language == u"POSIX";
}

} // namespace

NumericSettings NumericSettings::of(const QString &name)
{
    const QLocale locale(name);
    NumericSettings settings{locale.decimalPoint(), locale.negativeSign(), Grouping::of(locale)};
    const bool qtLacksLocale = locale.language() == QLocale::C && !namesC(name);
    if (!qtLacksLocale && locale.zeroDigit() == u"0")
        return settings;

    const std::optional<CLibraryNumbers> numbers = cLibraryNumbers(name);
    settings.decimalPoint = numbers ? numbers->decimalPoint : QStringLiteral(".");
    if (!numbers)
        settings.grouping = Grouping();
    else if (qtLacksLocale)
        settings.grouping = numbers->grouping;
    else
        settings.grouping = settings.grouping.withSeparator(numbers->grouping.separator);
    if (settings.grouping.separator == u"\u066C")
        settings.grouping = settings.grouping.withSeparator(QStringLiteral(","));
    if (settings.decimalPoint == u"\u066B")
        settings.decimalPoint = QStringLiteral(".");
    return settings;
}

} // namespace ModFibo
