// Count for the largest n on the real window: from the click until all rows
// are in the list and the window has repainted.
#include "app/ApplicationSetup.h"
#include "tests/NamedControls.h"
#include "window/frmFibo.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QWindow>

#include <benchmark/benchmark.h>

namespace {

void CountOnWindow(benchmark::State &state)
{
    frmFibo window;
    window.show();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const NamedControls controls(window);

    for (auto _ : state) {
        state.PauseTiming();
        controls.cmdClear->click();
        controls.txtInput->setText(QStringLiteral("1476"));
        QCoreApplication::processEvents();
        window.repaint();
        state.ResumeTiming();

        controls.cmdCount->click();
        QCoreApplication::processEvents();
        window.repaint();
        QGuiApplication::sync();
    }
    if (controls.Lv->model()->rowCount() != 1477)
        state.SkipWithError("the list does not hold 1477 rows");
}
BENCHMARK(CountOnWindow)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
