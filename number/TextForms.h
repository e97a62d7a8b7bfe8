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

    // EXP text: at most 15 significant digits, never grouped; plain digits
    // below 10^15, otherwise mantissa and exponent (1.3069892237634E+308).
    QString expText(double value) const;

    // NUM text: the value rounded to a whole number, written with the fewest
    // significant digits that identify that double, then zeros down to the
    // units, grouped by the locale. Every digit shown is significant and the
    // text reads back as the same double; below 2^53 this is every digit of
    // the value (F(100): 354,224,848,179,262,000,000).
    QString numText(double value) const;

    // NUM text of a text: its digits regrouped exactly as they stand, leading
    // zeros dropped, written with the locale's own separator. Empty when the
    // text, less surrounding blanks, is anything but digits and group
    // separators (or their look-alikes).
    std::optional<QString> regroupedText(QStringView text) const;

private:
    NumericSettings settings_;
};

} // namespace ModFibo
