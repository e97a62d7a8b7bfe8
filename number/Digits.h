#pragma once

#include <QString>
#include <QStringView>

#include <cstddef>

namespace ModFibo {

// digitValue of a character beyond ASCII.
int otherDigitValue(char32_t c);

// The value of a decimal digit of any script (Unicode category Nd: Latin,
// Arabic-Indic, Devanagari, fullwidth...); -1 for any other character.
// Inline: reading and regrouping ask it of every character of a paste.
inline int digitValue(char32_t c)
{
    if (c < 0x80)
        return c >= U'0' && c <= U'9' ? int(c - U'0') : -1;
    return otherDigitValue(c);
}

// The value of the digit that starts at `at` in `text`, -1 where none does;
// `width` gets its UTF-16 units (a digit beyond the BMP takes two).
inline int digitValueAt(QStringView text, qsizetype at, qsizetype &width)
{
    width = 1;
    if (std::size_t(at) >= std::size_t(text.size())) // negative too
        return -1;
    const QChar c = text.at(at);
    if (c.unicode() < 0x80 || !c.isHighSurrogate() || at + 1 >= text.size() || !text.at(at + 1).isLowSurrogate())
        return digitValue(c.unicode());
    width = 2;
    return digitValue(QChar::surrogateToUcs4(c, text.at(at + 1)));
}

// Whether a digit ends just before `at` in `text`.
bool digitEndsAt(QStringView text, qsizetype at);

// `text` with each digit written as its Latin digit.
QString latinDigits(QStringView text);

} // namespace ModFibo
