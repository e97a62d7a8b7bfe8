#pragma once

#include "Grouping.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

namespace ModFibo {

// The two forms in which the program shows a number, for one locale.
class TextForms {
public:
    explicit TextForms(const QLocale &locale);

    // EXP text: at most 15 significant digits, never grouped; plain digits
    // below 10^15, otherwise mantissa and exponent (1.3069892237634E+308).
    QString expText(double value) const;

    // NUM text: every digit of the exact value rounded to a whole number,
    // grouped by the locale.
    QString numText(double value) const;

    // NUM text of a text: its digits regrouped exactly as they stand, leading
    // zeros dropped. Empty when the text, less surrounding blanks, is anything
    // but digits and group separators.
    std::optional<QString> numText(QStringView text) const;

private:
    QString decimalPoint_;
    QString negativeSign_;
    Grouping grouping_;
};

} // namespace ModFibo
