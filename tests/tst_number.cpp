// Reading of n, the 32-bit conversion and the two text forms, under several locales.
#include "number/ModFibo.h"
#include "number/NumericSettings.h"
#include "number/RuntimeError.h"
#include "number/TextForms.h"
#include "number/ToInt32.h"

#include <QtTest>

#include <cmath>
#include <limits>
#include <optional>

using namespace ModFibo;

Q_DECLARE_METATYPE(std::optional<QString>)

namespace {
const QString NNBSP = QStringLiteral("\u202F");
const QString NBSP = QStringLiteral("\u00A0");
const QString RSQUO = QStringLiteral("\u2019");
// What some locale writes between the digit groups of a number, or a pasted
// number holds in their place: points, commas, every Unicode space, apostrophes.
const QStringList joiners{".", "\u066B", ",", "\u066C", " ", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002",
                          "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200A", NNBSP,
                          "\u205F", "\u3000", "'", RSQUO, "\u02BC"};
// F(1476) as repeated addition gives it.
constexpr double F1476 = 1.3069892237633987e308;

TextForms forms(const QString &locale)
{
    return TextForms(NumericSettings::of(locale));
}
} // namespace

class NumberTest : public QObject {
    Q_OBJECT
private slots:
    void textToNumber_data();
    void textToNumber();
    void toInt32_data();
    void toInt32();
    void expText_data();
    void expText();
    void numTextOfDouble_data();
    void numTextOfDouble();
    void numTextOfF1476_data();
    void numTextOfF1476();
    void regroupedText_data();
    void regroupedText();
};

void NumberTest::textToNumber_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("empty") << "de_DE" << "" << 0.0;
    QTest::newRow("zero") << "de_DE" << "0" << 0.0;
    QTest::newRow("zeros") << "de_DE" << "00" << 0.0;
    QTest::newRow("leading zeros") << "de_DE" << "007" << 7.0;
    QTest::newRow("grouped") << "de_DE" << "1.234" << 1234.0;
    QTest::newRow("limit") << "de_DE" << "1.476" << 1476.0;
    QTest::newRow("two groups") << "de_DE" << "1.234.567" << 1234567.0;
    QTest::newRow("point is no decimal point") << "de_DE" << "12.5" << 125.0;
    QTest::newRow("lone point") << "de_DE" << "." << 0.0;
    QTest::newRow("points") << "de_DE" << "..." << 0.0;
    QTest::newRow("letter stops reading") << "de_DE" << "12a3" << 12.0;
    QTest::newRow("letters") << "de_DE" << "abcd" << 0.0;
    QTest::newRow("blanks then digits") << "de_DE" << " \t 42" << 42.0;
    QTest::newRow("minus") << "de_DE" << "-5" << -5.0;
    QTest::newRow("plus") << "de_DE" << "+7" << 7.0;
    QTest::newRow("sign alone") << "de_DE" << "-" << 0.0;
    QTest::newRow("no exponent") << "de_DE" << "1e5" << 1.0;
    QTest::newRow("eleven nines") << "de_DE" << "99999999999" << 99999999999.0;
    QTest::newRow("beyond a double") << "de_DE" << QString(400, u'9') << std::numeric_limits<double>::infinity();
    QTest::newRow("just beyond a double") << "de_DE" << "2" + QString(308, u'0') << std::numeric_limits<double>::infinity();
    QTest::newRow("zeros then digits") << "de_DE" << QString(5000, u'0') + "12" << 12.0;
    QTest::newRow("en_US comma groups") << "en_US" << "1,234" << 1234.0;
    QTest::newRow("en_US points too") << "en_US" << "1.234" << 1234.0;
    QTest::newRow("en_IN lakh") << "en_IN" << "12,34,567" << 1234567.0;
    // Between two digits, every separator joins them, in any locale.
    for (const QString &joiner : joiners)
        QTest::addRow("U+%04X joins", joiner.front().unicode()) << "de_DE" << "1" + joiner + "476" << 1476.0;
    QTest::newRow("C joins") << "C" << "1,234" << 1234.0;
    // The C library's forms where Qt writes others.
    QTest::newRow("es_MX U+202F") << "es_MX" << "1" + NNBSP + "234" + NNBSP + "567" << 1234567.0;
    QTest::newRow("fr_CH U+2019") << "fr_CH" << "1" + RSQUO + "234" << 1234.0;
    QTest::newRow("en_ZA comma") << "en_ZA" << "1,234" << 1234.0;
    QTest::newRow("cmn_TW four digits") << "cmn_TW" << "123,4567" << 1234567.0;
    // Elsewhere only the locale's own separator is dropped; any other ends the reading.
    QTest::newRow("en_US own separators anywhere") << "en_US" << ",1,,234," << 1234.0;
    QTest::newRow("fr_FR look-alikes anywhere") << "fr_FR" << "1 \u00A0476" << 1476.0;
    QTest::newRow("two separators end the reading") << "de_DE" << "1,,234" << 1.0;
    QTest::newRow("leading separator") << "de_DE" << ",1234" << 0.0;
    QTest::newRow("tab ends the reading") << "de_DE" << "1\t234" << 1.0;
    QTest::newRow("U+066B is a point") << "en_US" << "\u066B\u066B5" << 5.0;
    // Digits of any script, by their value.
    QTest::newRow("fa_IR digits") << "fa_IR" << "\u06F1\u06F4\u06F7\u06F6" << 1476.0;
    QTest::newRow("ar_EG grouped") << "ar_EG" << "\u0661\u066C\u0664\u0667\u0666" << 1476.0;
    QTest::newRow("beyond the BMP, grouped") << "de_DE" << "\U0001D7CF,\U0001D7D2\U0001D7D5\U0001D7D4" << 1476.0;
    QTest::newRow("mixed scripts") << "de_DE" << "1\u0664\u096D\u0E56" << 1476.0;
    QTest::newRow("superscript is no digit") << "de_DE" << "1\u00B2" << 1.0;
    QTest::newRow("Arabic-Indic zeros") << "ar_EG" << "\u0660\u0660\u0667" << 7.0;
}

void NumberTest::textToNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(TextToNumber(text, NumericSettings::of(locale).grouping), expected);
}

void NumberTest::toInt32_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("overflows");
    QTest::addColumn<int>("expected");

    QTest::newRow("half down to even") << 0.5 << false << 0;
    QTest::newRow("half up to even") << 1.5 << false << 2;
    QTest::newRow("two and a half") << 2.5 << false << 2;
    QTest::newRow("negative half") << -1.5 << false << -2;
    QTest::newRow("below half") << 10.49 << false << 10;
    QTest::newRow("largest") << 2147483647.0 << false << 2147483647;
    QTest::newRow("largest plus fraction") << 2147483647.4 << false << 2147483647;
    QTest::newRow("rounds past largest") << 2147483647.5 << true << 0;
    QTest::newRow("smallest") << -2147483648.0 << false << int(-2147483647 - 1);
    QTest::newRow("half below smallest") << -2147483648.5 << false << int(-2147483647 - 1);
    QTest::newRow("below smallest") << -2147483649.0 << true << 0;
    QTest::newRow("two to the 31") << 2147483648.0 << true << 0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << true << 0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << true << 0;
}

void NumberTest::toInt32()
{
    QFETCH(double, value);
    QFETCH(bool, overflows);
    QFETCH(int, expected);
    if (!overflows) {
        QCOMPARE(ToInt32(value), expected);
        return;
    }
    try {
        ToInt32(value);
        QFAIL("no error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.number(), int(RuntimeError::Overflow));
        QCOMPARE(error.description(), QStringLiteral("Overflow"));
    }
}

void NumberTest::expText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << "en_US" << 0.0 << "0";
    QTest::newRow("F(10)") << "de_DE" << 55.0 << "55";
    QTest::newRow("no grouping") << "en_US" << 1234567.0 << "1234567";
    QTest::newRow("F(73), 15 digits") << "en_US" << 806515533049393.0 << "806515533049393";
    QTest::newRow("F(73) en_IN") << "en_IN" << 806515533049393.0 << "806515533049393";
    QTest::newRow("F(74)") << "en_US" << 1304969544928657.0 << "1.30496954492866E+15";
    QTest::newRow("rounds up to 10^15") << "en_US" << 999999999999999.6 << "1E+15";
    QTest::newRow("F(1476)") << "en_US" << F1476 << "1.3069892237634E+308";
    QTest::newRow("F(1476) de_DE") << "de_DE" << F1476 << "1,3069892237634E+308";
    QTest::newRow("F(1476) fr_FR") << "fr_FR" << F1476 << "1,3069892237634E+308";
    QTest::newRow("F(1476) en_IN") << "en_IN" << F1476 << "1.3069892237634E+308";
    QTest::newRow("F(1476) C") << "C" << F1476 << "1.3069892237634E+308";
    // Beside Latin digits, the C library's decimal point, not U+066B; where
    // it does not have the locale (glibc has no ar_TD), that of the C locale.
    QTest::newRow("F(1476) ar_EG") << "ar_EG" << F1476 << "1.3069892237634E+308";
    QTest::newRow("F(1476) ar_TD") << "ar_TD" << F1476 << "1.3069892237634E+308";
    QTest::newRow("F(1476) ps_AF, not U+066B") << "ps_AF" << F1476 << "1.3069892237634E+308";
    // Where Qt lacks the locale, the C library's decimal point.
    QTest::newRow("F(1476) li_NL") << "li_NL.UTF-8" << F1476 << "1,3069892237634E+308";
    QTest::newRow("two exponent digits") << "en_US" << 1e20 << "1E+20";
    QTest::newRow("small fraction") << "en_US" << 0.0001 << "0.0001";
    QTest::newRow("smaller fraction") << "de_DE" << 0.00001 << "1E-05";
}

void NumberTest::expText()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(forms(locale).expText(value), expected);
}

void NumberTest::numTextOfDouble_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << "de_DE" << 0.0 << "0";
    QTest::newRow("three digits") << "de_DE" << 999.0 << "999";
    QTest::newRow("four digits") << "de_DE" << 1234.0 << "1.234";
    QTest::newRow("limit") << "de_DE" << 1476.0 << "1.476";
    QTest::newRow("en_US") << "en_US" << 1234.0 << "1,234";
    QTest::newRow("en_US millions") << "en_US" << 1234567.0 << "1,234,567";
    QTest::newRow("en_IN lakh") << "en_IN" << 1234567.0 << "12,34,567";
    QTest::newRow("en_IN crore") << "en_IN" << 123456789.0 << "12,34,56,789";
    QTest::newRow("fr_FR") << "fr_FR" << 1234567.0 << "1" + NNBSP + "234" + NNBSP + "567";
    QTest::newRow("de_CH") << "de_CH" << 1234567.0 << "1" + RSQUO + "234" + RSQUO + "567";
    QTest::newRow("C") << "C" << 1234567.0 << "1234567";
    // Beside Latin digits, the C library's group separator, not U+066C.
    QTest::newRow("ar_EG") << "ar_EG" << 1234567.0 << "1,234,567";
    QTest::newRow("fa_IR") << "fa_IR" << 1234567.0 << "1,234,567";
    QTest::newRow("ar_SA, not grouped by the C library") << "ar_SA" << 1234567.0 << "1234567";
    QTest::newRow("ar_TD, unknown to the C library") << "ar_TD" << 1234567.0 << "1234567";
    QTest::newRow("ps_AF, not U+066C") << "ps_AF" << 1234567.0 << "1,234,567";
    // Where Qt lacks the locale, the C library's separator and group sizes.
    QTest::newRow("li_NL") << "li_NL.UTF-8" << 1234567.0 << "1.234.567";
    QTest::newRow("cmn_TW") << "cmn_TW.UTF-8" << 123456789.0 << "1,2345,6789";
    QTest::newRow("nan_TW@latin") << "nan_TW.UTF-8@latin" << 1234567.0 << "1,234,567";
    QTest::newRow("mjw_IN") << "mjw_IN" << 1234567.0 << "12,34,567";
    // Locales that leave four digits ungrouped, and group every group from five.
    QTest::newRow("es_ES four digits") << "es_ES" << 1234.0 << "1234";
    QTest::newRow("es_ES five digits") << "es_ES" << 12345.0 << "12.345";
    QTest::newRow("es_ES F(31)") << "es_ES" << 1346269.0 << "1.346.269";
    QTest::newRow("pl_PL four digits") << "pl_PL" << 1234.0 << "1234";
    QTest::newRow("pl_PL five digits") << "pl_PL" << 12345.0 << "12" + NBSP + "345";
    // Exact up to 2^53; beyond, the shortest digits that identify the double.
    QTest::newRow("F(78), exact") << "en_US" << 8944394323791464.0 << "8,944,394,323,791,464";
    QTest::newRow("F(79)") << "en_US" << 14472334024676221.0 << "14,472,334,024,676,220";
    QTest::newRow("F(80), 17 digits") << "de_DE" << 23416728348467685.0 << "23.416.728.348.467.684";
    // F(100) as repeated addition gives it: 354,224,848,179,261,997,056 exactly.
    QTest::newRow("F(100)") << "en_US" << 354224848179261997056.0 << "354,224,848,179,262,000,000";
    QTest::newRow("2^64") << "en_US" << 18446744073709551616.0 << "18,446,744,073,709,552,000";
    // 99,999,999,999,999,991,433,150,857,216 is read back from 1e29.
    QTest::newRow("shortest digits carry") << "en_US" << 1e29 << "100,000,000,000,000,000,000,000,000,000";
    QTest::newRow("fraction rounds") << "en_US" << 1234.75 << "1,235";
}

void NumberTest::numTextOfDouble()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(forms(locale).numText(value), expected);
}

void NumberTest::numTextOfF1476_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("length");

    QTest::newRow("de_DE") << "de_DE" << "130.698.922.376.339.870.000.000" << 309 + 102;
    QTest::newRow("en_US") << "en_US" << "130,698,922,376,339,870,000,000" << 309 + 102;
    QTest::newRow("en_IN") << "en_IN" << "13,06,98,92,23,76,33,98,70,00,00" << 309 + 153;
    QTest::newRow("C") << "C" << "130698922376339870000000" << 309;
}

void NumberTest::numTextOfF1476()
{
    QFETCH(QString, locale);
    QFETCH(QString, start);
    QFETCH(int, length);
    const QString text = forms(locale).numText(F1476);
    QVERIFY2(text.startsWith(start), qPrintable(text.left(40)));
    QCOMPARE(text.size(), length);
}

void NumberTest::regroupedText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<QString>>("expected");
    const std::optional<QString> none;
    const QString forty = QStringLiteral("1234567890123456789012345678901234567890");

    QTest::newRow("after Backspace") << "de_DE" << "1.23" << std::optional<QString>("123");
    QTest::newRow("fifth digit") << "de_DE" << "1.2345" << std::optional<QString>("12.345");
    QTest::newRow("held key") << "de_DE" << "1.2345678" << std::optional<QString>("12.345.678");
    QTest::newRow("zeros") << "de_DE" << "0000" << std::optional<QString>("0");
    QTest::newRow("leading zeros") << "de_DE" << "0.012" << std::optional<QString>("12");
    QTest::newRow("blanks around") << "de_DE" << "  1234 " << std::optional<QString>("1.234");
    QTest::newRow("separators anywhere") << "en_US" << "1,2,3,4" << std::optional<QString>("1,234");
    QTest::newRow("forty digits") << "en_US" << forty
                                  << std::optional<QString>("1,234,567,890,123,456,789,012,345,678,901,234,567,890");
    QTest::newRow("en_IN") << "en_IN" << "1234567" << std::optional<QString>("12,34,567");
    QTest::newRow("fr_FR") << "fr_FR" << "1" + NNBSP + "2345" << std::optional<QString>("12" + NNBSP + "345");
    // Look-alikes of the separator are read, and the locale's own is written.
    QTest::newRow("fr_FR spaces") << "fr_FR" << "1 2\u00A03\u20094" + NNBSP + "5"
                                  << std::optional<QString>("12" + NNBSP + "345");
    QTest::newRow("de_CH apostrophes") << "de_CH" << "1'2\u02BC345" << std::optional<QString>("12" + RSQUO + "345");
    QTest::newRow("space under de_DE") << "de_DE" << "1 234" << std::optional<QString>("1.234");
    QTest::newRow("C") << "C" << "12345" << std::optional<QString>("12345");
    QTest::newRow("ar_EG") << "ar_EG" << "1,2345" << std::optional<QString>("12,345");
    QTest::newRow("es_ES ungroups four digits") << "es_ES" << "1.234" << std::optional<QString>("1234");
    QTest::newRow("es_ES fifth digit") << "es_ES" << "1234.5" << std::optional<QString>("12.345");
    QTest::newRow("pl_PL fifth digit") << "pl_PL" << "12345" << std::optional<QString>("12" + NBSP + "345");
    QTest::newRow("empty") << "de_DE" << "" << none;
    QTest::newRow("blanks") << "de_DE" << "   " << none;
    QTest::newRow("separators only") << "de_DE" << "...." << none;
    QTest::newRow("letters") << "de_DE" << "abcd" << none;
    QTest::newRow("minus") << "de_DE" << "-5" << none;
    QTest::newRow("no decimal comma") << "de_DE" << "12,5" << std::optional<QString>("125");
    QTest::newRow("point under en_US") << "en_US" << "1.234" << std::optional<QString>("1,234");
    QTest::newRow("comma under C") << "C" << "1,234" << std::optional<QString>("1234");
    QTest::newRow("fr_CH from the C library's form") << "fr_CH" << "1" + RSQUO + "234" << std::optional<QString>("1" + NNBSP + "234");
    QTest::newRow("cmn_TW") << "cmn_TW" << "1234,567" << std::optional<QString>("123,4567");
    QTest::newRow("ar_EG grouped") << "ar_EG" << "\u0661\u066C\u0662\u0663\u0664" << std::optional<QString>("1,234");
    QTest::newRow("zero beyond the BMP") << "de_DE" << "\U0001D7CE\U0001D7CF234" << std::optional<QString>("1.234");
    QTest::newRow("other separator not between digits") << "de_DE" << "1,,234" << none;
    QTest::newRow("other separator at the end") << "de_DE" << "1234," << none;
}

void NumberTest::regroupedText()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(std::optional<QString>, expected);
    QCOMPARE(forms(locale).regroupedText(QStringView(text)), expected);
}

QTEST_GUILESS_MAIN(NumberTest)
#include "tst_number.moc"
