// Regrouping and reading a 10 MB pasted text, as the input box does on a key
// release and Count does when it reads n.
#include "number/ModFibo.h"
#include "number/TextForms.h"

#include <benchmark/benchmark.h>

namespace {

const auto settings = ModFibo::NumericSettings::of(QStringLiteral("de_DE"));
constexpr qsizetype tenMegabytes = 10 * 1024 * 1024;

QString pastedDigits()
{
    QString text(tenMegabytes, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(u'0' + char16_t((i * 7 + 1) % 10));
    return text;
}

void RegroupTenMegabytesOfDigits(benchmark::State &state)
{
    const QString text = pastedDigits();
    const ModFibo::TextForms forms(settings);
    for (auto _ : state)
        benchmark::DoNotOptimize(forms.regroupedText(QStringView(text)));
}
BENCHMARK(RegroupTenMegabytesOfDigits)->Unit(benchmark::kMillisecond);

void RegroupTenMegabytesAlreadyGrouped(benchmark::State &state)
{
    const ModFibo::TextForms forms(settings);
    const QString text = *forms.regroupedText(QStringView(pastedDigits()));
    for (auto _ : state)
        benchmark::DoNotOptimize(forms.regroupedText(QStringView(text)));
}
BENCHMARK(RegroupTenMegabytesAlreadyGrouped)->Unit(benchmark::kMillisecond);

void RegroupTenMegabytesOfLetters(benchmark::State &state)
{
    const QString text(tenMegabytes, u'x');
    const ModFibo::TextForms forms(settings);
    for (auto _ : state)
        benchmark::DoNotOptimize(forms.regroupedText(QStringView(text)));
}
BENCHMARK(RegroupTenMegabytesOfLetters)->Unit(benchmark::kMillisecond);

void ReadTenMegabytesOfDigits(benchmark::State &state)
{
    const QString text = pastedDigits();
    for (auto _ : state)
        benchmark::DoNotOptimize(ModFibo::TextToNumber(text, settings.grouping));
}
BENCHMARK(ReadTenMegabytesOfDigits)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
