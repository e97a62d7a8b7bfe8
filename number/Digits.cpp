#include "number/Digits.h"

namespace ModFibo {

int otherDigitValue(char32_t c)
{
    return QChar::category(c) == QChar::Number_DecimalDigit ? QChar::digitValue(c) : -1;
}

bool digitEndsAt(QStringView text, qsizetype at)
{
    if (at <= 0 || at > text.size())
        return false;
    const QChar c = text.at(at - 1);
    if (c.isLowSurrogate() && at >= 2 && text.at(at - 2).isHighSurrogate())
        return digitValue(QChar::surrogateToUcs4(text.at(at - 2), c)) >= 0;
    return digitValue(c.unicode()) >= 0;
}

QString latinDigits(QStringView text)
{
    QString latin;
    latin.reserve(text.size());
    for (qsizetype at = 0, width = 1; at < text.size(); at += width) {
        const int value = digitValueAt(text, at, width);
        if (value >= 0)
            latin.append(QChar(u'0' + value));
        else
            latin.append(text.mid(at, width));
    }
    return latin;
}

} // namespace ModFibo
