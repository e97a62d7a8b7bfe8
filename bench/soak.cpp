// Soak run on the real window: fails when typing 1476, Count and Clear, over
// and over, grow the resident memory or give a wrong table. Offscreen unless
// asked otherwise, e.g. QT_QPA_PLATFORM=xcb xvfb-run -a ./build/bench/soak,
// with the accessibility bus: QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 dbus-run-session.
#include "app/ApplicationSetup.h"
#include "tests/NamedControls.h"
#include "window/frmFibo.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Growth that adds up slowly (a few hundred bytes a cycle) shows only over
// thousands of cycles, above the noise of the allocator's pages.
constexpr int cycles = 2200;
constexpr int baselineCycle = 200;
constexpr long allowedKiBPer1000 = 64;
constexpr int reportedCycles[] = {1, 200, 700, 1200, 1700, 2200};

// VmRSS of this process in KiB, or -1 if it cannot be read.
long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    // Offscreen unless a platform is asked for, e.g. QT_QPA_PLATFORM=xcb.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication();
    frmFibo window;
    window.show();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const NamedControls controls(window);

    std::printf("platform %s, %d cycles of typing 1476, Count and Clear\n", qPrintable(app.platformName()), cycles);
    std::vector<double> cycleMs;
    cycleMs.reserve(cycles);
    long baselineKiB = -1;
    long lastKiB = -1;
    int wrong = 0;
    QElapsedTimer timer;
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        timer.start();
        // Typed as keys: each key release regroups the box, as it does for users.
        QTest::keyClicks(controls.txtInput, QStringLiteral("1476"));
        controls.cmdCount->click();
        QCoreApplication::processEvents();
        window.repaint();
        const int rowsAfterCount = controls.Lv->model()->rowCount();
        controls.cmdClear->click();
        QCoreApplication::processEvents();
        cycleMs.push_back(double(timer.nsecsElapsed()) / 1e6);

        if (rowsAfterCount != 1477 || controls.Lv->model()->rowCount() != 0 || !controls.txtInput->text().isEmpty()) {
            if (++wrong <= 5)
                std::fprintf(stderr, "cycle %d: %d rows after Count, %d after Clear\n", cycle, rowsAfterCount,
                             controls.Lv->model()->rowCount());
        }
        if (std::find(std::begin(reportedCycles), std::end(reportedCycles), cycle) != std::end(reportedCycles)) {
            lastKiB = residentKiB();
            if (cycle == baselineCycle)
                baselineKiB = lastKiB;
            std::printf("after cycle %4d: VmRSS %ld KiB\n", cycle, lastKiB);
            std::fflush(stdout);
        }
    }

    std::vector<double> sorted = cycleMs;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end());
    const double median = sorted[sorted.size() / 2];
    const auto [fastest, slowest] = std::minmax_element(cycleMs.begin(), cycleMs.end());
    std::printf("cycle time: median %.2f ms (min %.2f, max %.2f)\n", median, *fastest, *slowest);

    if (baselineKiB < 0 || lastKiB < 0) {
        std::fprintf(stderr, "cannot read VmRSS from /proc/self/status\n");
        return 1;
    }
    const long growthPer1000 = (lastKiB - baselineKiB) * 1000 / (cycles - baselineCycle);
    std::printf("VmRSS growth from cycle %d to %d: %ld KiB per 1000 cycles (allowed %ld)\n", baselineCycle, cycles,
                growthPer1000, allowedKiBPer1000);
    bool ok = true;
    if (wrong > 0) {
        std::fprintf(stderr, "FAIL: %d cycles gave a wrong table\n", wrong);
        ok = false;
    }
    if (growthPer1000 > allowedKiBPer1000) {
        std::fprintf(stderr, "FAIL: resident memory grew by more than %ld KiB per 1000 cycles\n", allowedKiBPer1000);
        ok = false;
    }
    return ok ? 0 : 1;
}
