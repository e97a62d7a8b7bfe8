// Where the window's frame goes on the screen.
#include "window/FramePlacement.h"

#include <QtTest>

class FramePlacementTest : public QObject {
    Q_OBJECT
private slots:
    void place_data();
    void place();
};

void FramePlacementTest::place_data()
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

void FramePlacementTest::place()
{
    QFETCH(QRect, available);
    QFETCH(QSize, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(centredFramePosition(available, frame), topLeft);
}

QTEST_APPLESS_MAIN(FramePlacementTest)
#include "tst_framePlacement.moc"
