// Where a window and its frame go on the screen.
#include "window/placement/ScreenFit.h"
#include "window/placement/WindowPlacement.h"
#include "window/placement/X11Frame.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::vector<std::uint32_t>)

class WindowPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void place_data();
    void place();
    void fit_data();
    void fit();
    void keepInside_data();
    void keepInside();
    void frameExtents_data();
    void frameExtents();
    void movesAreTheUsers();
};

void WindowPlacementTest::place_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("fits") << QRect(0, 0, 1920, 1080) << QSize(944, 600) << QPoint(488, 240);
    QTest::newRow("too tall") << QRect(0, 0, 960, 540) << QSize(944, 600) << QPoint(8, 0);
    QTest::newRow("too wide") << QRect(0, 0, 800, 1080) << QSize(944, 600) << QPoint(0, 240);
    QTest::newRow("too wide and tall") << QRect(0, 0, 800, 480) << QSize(944, 600) << QPoint(0, 0);
    // A panel above and one on the left, or a second screen.
    QTest::newRow("area not at 0,0, fits") << QRect(1968, 32, 1872, 1048) << QSize(944, 600) << QPoint(2432, 256);
    QTest::newRow("area not at 0,0, too big") << QRect(-800, 32, 800, 448) << QSize(944, 600) << QPoint(-800, 32);
}

void WindowPlacementTest::place()
{
    QFETCH(QRect, available);
    QFETCH(QSize, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(centredFramePosition(available, frame), topLeft);
}

void WindowPlacementTest::fit_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<QSize>("client");

    const QMargins openbox(1, 20, 1, 1);
    QTest::newRow("fits with its frame, just") << QRect(0, 0, 944, 597) << openbox << QSize(942, 576);
    QTest::newRow("frame a pixel too tall") << QRect(0, 0, 944, 596) << openbox << QSize(942, 575);
    // 1366 x 768 at 150 %; 1280 x 720 at 125 %,
    // where the vertical scroll bar gets room of its own.
    QTest::newRow("laptop at 150 %") << QRect(0, 0, 911, 512) << QMargins(1, 14, 1, 4) << QSize(909, 494);
    QTest::newRow("too low") << QRect(0, 0, 1024, 576) << QMargins(1, 16, 1, 4) << QSize(958, 556);
    QTest::newRow("too low, no room beside") << QRect(0, 0, 950, 576) << openbox << QSize(948, 555);
    QTest::newRow("never below the least") << QRect(0, 0, 200, 100) << openbox << QSize(279, 162);
}

void WindowPlacementTest::fit()
{
    QFETCH(QRect, available);
    QFETCH(QMargins, frame);
    QFETCH(QSize, client);
    QCOMPARE(fittedClientLimits(available, frame, QSize(942, 576), QSize(279, 162), 16).largest, client);
}

void WindowPlacementTest::keepInside_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("inside, stays") << QRect(1930, 10, 800, 500) << QPoint(1930, 10);
    QTest::newRow("past the right edge") << QRect(1960, 10, 911, 500) << QPoint(1920, 10);
    QTest::newRow("past the bottom") << QRect(1930, 100, 800, 500) << QPoint(1930, 12);
    // Where its screen went away.
    QTest::newRow("beside the screen") << QRect(3000, -600, 800, 500) << QPoint(2031, 0);
    QTest::newRow("larger: title bar inside") << QRect(1800, 100, 1000, 600) << QPoint(1920, 0);
}

void WindowPlacementTest::keepInside()
{
    QFETCH(QRect, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(framePositionInside(QRect(1920, 0, 911, 512), frame), topLeft);
}

void WindowPlacementTest::frameExtents_data()
{
    using Extents = std::vector<std::uint32_t>;
    QTest::addColumn<Extents>("extents"); // left, right, top, bottom
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QMargins>("margins");

    QTest::newRow("openbox") << Extents{1, 1, 23, 4} << 1.0 << QMargins(1, 23, 1, 4);
    QTest::newRow("at twice the scale") << Extents{2, 4, 46, 8} << 2.0 << QMargins(1, 23, 2, 4);
    // Rounded up, so that the frame of a window fitted to the screen stays on it.
    QTest::newRow("at 150 %") << Extents{1, 1, 20, 5} << 1.5 << QMargins(1, 14, 1, 4);
    QTest::newRow("not four values") << Extents{1, 1, 23} << 1.0 << QMargins();
}

void WindowPlacementTest::frameExtents()
{
    QFETCH(std::vector<std::uint32_t>, extents);
    QFETCH(qreal, ratio);
    QFETCH(QMargins, margins);
    QCOMPARE(frameExtentsMargins(extents, ratio), margins);
}

void WindowPlacementTest::movesAreTheUsers()
{
    QWidget window;
    window.setFixedSize(300, 200);
    new WindowPlacement(window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.frameGeometry() != window.geometry()); // the placement knows the frame
    const QPoint centred = centredFramePosition(window.screen()->availableGeometry(), window.frameGeometry().size());
    QTRY_COMPARE(window.frameGeometry().topLeft(), centred);
    window.move(window.pos() + QPoint(40, 30));
    QTest::qWait(20);
    QCOMPARE(window.frameGeometry().topLeft(), centred + QPoint(40, 30));
}

QTEST_MAIN(WindowPlacementTest)
#include "tst_windowPlacement.moc"
