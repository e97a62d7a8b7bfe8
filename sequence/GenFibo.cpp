#include "sequence/GenFibo.h"

#include "number/ModFibo.h"
#include "number/RuntimeError.h"
#include "sequence/TermTable.h"
#include "number/TextForms.h"
#include "number/ToInt32.h"

#include <cmath>

namespace {

double addChecked(double a, double b)
{
    const double sum = a + b;
    // Finite terms can only overflow; a NaN would be an invalid operation.
    if (!std::isfinite(sum))
        throw RuntimeError::overflow();
    return sum;
}

} // namespace

void GenFibo(const FiboControls &c, const ModFibo::NumericSettings &settings)
{
    const ModFibo::TextForms forms(settings);
    try {
        c.txtOut.setText(QString());
        c.txtOut2.setText(QString());
        c.Lv.clear();

        const int n = ModFibo::ToInt32(ModFibo::TextToNumber(c.txtInput.text(), settings.grouping));
        if (n > FiboLimit) {
            c.messages.msgBox(QStringLiteral("Number too big for computing !"), MsgBoxStyle::Critical,
                              QStringLiteral("System Computer"));
            return;
        }

        TermTable f(n);
        f.at(0) = 0.0;
        f.at(1) = 1.0; // for n = 0 this is the index error, before any row

        ListRow last = c.Lv.add(0);
        c.Lv.setSubItem(last, 1, forms.expText(f.at(0)));
        c.Lv.setSubItem(last, 2, forms.expText(f.at(0)));
        last = c.Lv.add(1);
        c.Lv.setSubItem(last, 1, forms.expText(f.at(1)));
        c.Lv.setSubItem(last, 2, forms.expText(f.at(1)));

        for (int i = 2; i <= n; ++i) {
            f.at(i) = addChecked(f.at(i - 2), f.at(i - 1));
            last = c.Lv.add(i);
            c.Lv.setSubItem(last, 1, forms.expText(f.at(i)));
            c.Lv.setSubItem(last, 2, forms.numText(f.at(i)));
        }

        c.txtOut.setText(forms.expText(f.at(n)));
        c.txtOut2.setText(c.Lv.subItem(last, 2));
        c.Lv.setSelected(c.Lv.item(1), false);
    } catch (const RuntimeError &error) {
        c.messages.msgBox(error.description(), MsgBoxStyle::OkOnly, std::nullopt);
    }
}
