#pragma once

#include "number/NumericSettings.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace ModFibo {

// The two forms in which the program shows a number, by one locale's settings.
class TextForms {
public:
    explicit TextForms(NumericSettings settings);

    // EXP text: at most 15 significant digits, never grouped; exponent form
    // from 10^15 (1.3069892237634E+308).
    QString expText(double value) const;

    // NUM text: the value rounded to a whole number, as the fewest significant
    // digits that read back as that double, then zeros, grouped (F(100):
    // 354,224,848,179,262,000,000): no digit shown beyond what the double holds.
    QString numText(double value) const;

    // NUM text of a text: its digits in Latin, leading zeros dropped, regrouped
    // with the locale's own separator. Empty unless the text, less
    // surrounding blanks, is digits of any script with the locale's separators
    // anywhere and other separators between two digits.
        std::optional<QString> regroupedText(QStringView text) const;

private:
    NumericSettings settings_;
};

} // namespace ModFibo
