// Table generation for the largest n: over controls that do nothing, and the
// bare computation with both text forms.
#include "sequence/GenFibo.h"
#include "number/TextForms.h"

#include <benchmark/benchmark.h>


namespace {

class NullTextBox : public TextBox {
public:
    explicit NullTextBox(QString text = {}) : text_(std::move(text)) {}
    QString text() const override { return text_; }
    void setText(const QString &text) override { benchmark::DoNotOptimize(text.size()); }

private:
    QString text_;
};

class NullList : public ListItems {
public:
    void clear() override { count_ = 0; }
    ListRow add(int) override { return {++count_}; }
    ListRow item(int position) override { return {position}; }
    void setSubItem(ListRow, int, const QString &text) override { benchmark::DoNotOptimize(text.size()); }
    QString subItem(ListRow, int) const override { return {}; }
    void setSelected(ListRow, bool) override {}

private:
    int count_ = 0;
};

class NullMessages : public MessageBoxes {
public:
    void msgBox(const QString &, MsgBoxStyle, const std::optional<QString> &) override {}
};

void GenFiboOverNullControls(benchmark::State &state)
{
    NullTextBox input(QStringLiteral("1.476")), out, out2;
    NullList list;
    NullMessages messages;
    const auto settings = ModFibo::NumericSettings::of(QStringLiteral("de_DE"));
    for (auto _ : state)
        GenFibo({input, out, out2, list, messages}, settings);
}
BENCHMARK(GenFiboOverNullControls)->Unit(benchmark::kMicrosecond);

void TermsAndTextForms(benchmark::State &state)
{
    const ModFibo::TextForms forms(ModFibo::NumericSettings::of(QStringLiteral("de_DE")));
    for (auto _ : state) {
        double a = 0.0, b = 1.0;
        for (int i = 2; i <= FiboLimit; ++i) {
            const double c = a + b;
            a = b;
            b = c;
            benchmark::DoNotOptimize(forms.expText(c));
            benchmark::DoNotOptimize(forms.numText(c));
        }
    }
}
BENCHMARK(TermsAndTextForms)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
