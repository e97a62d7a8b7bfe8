// The sequence list of the real window, offscreen, in the de_DE locale:
// getting rows out of it, tooltips of cells cut short, scrolling back.
#include "accessibility/Announcement.h"
#include "tests/WindowDriver.h"
#include "window/frmFibo.h"

#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeView>
#include <QtTest>

// The rows of the table for 10 under de_DE, as the clipboard gets them.
static const QStringList linesForTen{"0\t0\t0",  "1\t1\t1",   "2\t1\t1",   "3\t2\t2",   "4\t3\t3",   "5\t5\t5",
                                     "6\t8\t8",  "7\t13\t13", "8\t21\t21", "9\t34\t34", "10\t55\t55"};


class ListTest : public WindowSuite {
    Q_OBJECT
private slots:
    void copyRows_data();
    void copyRows();
    void copyAllOfTheLargestTable();
    void cellsCutShortShowTheirText_data();
    void cellsCutShortShowTheirText();
    void emptiedListScrollsBackToTopLeft_data();
    void emptiedListScrollsBackToTopLeft();

private:
    void countFor(const QString &n);
};

void ListTest::countFor(const QString &n)
{
    w->type(n);
    w->count();
    QCOMPARE(w->rows(), QLocale::system().toInt(n) + 1);
}

void ListTest::copyRows_data()
{
    QTest::addColumn<QStringList>("steps"); // in the list, as WindowDriver::run takes them
    QTest::addColumn<QList<int>>("copied");
    QTest::addColumn<QString>("heard"); // the copy's confirmation for screen readers

    const QList<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("Ctrl+A, Ctrl+C") << QStringList{"key:Ctrl+A", "key:Ctrl+C"} << all << "11 rows copied";
    QTest::newRow("Ctrl+A, Ctrl+Insert") << QStringList{"key:Ctrl+A", "key:Ctrl+Ins"} << all << "11 rows copied";
    QTest::newRow("menu Select all, menu Copy") << QStringList{"menu:Select all", "menu:Copy"} << all
                                                << "11 rows copied";
    QTest::newRow("menu Copy all rows") << QStringList{"menu:Copy all rows"} << all << "11 rows copied";
    QTest::newRow("click, Shift+Down twice") << QStringList{"click-row:2", "key:Shift+Down", "key:Shift+Down", "key:Ctrl+C"}
                                             << QList<int>{2, 3, 4} << "3 rows copied";
    QTest::newRow("click, Ctrl+click above") << QStringList{"click-row:7", "ctrl-click-row:1", "key:Ctrl+C"}
                                             << QList<int>{1, 7} << "2 rows copied";
    QTest::newRow("one row") << QStringList{"click-row:5", "key:Ctrl+C"} << QList<int>{5} << "1 row copied";
    QTest::newRow("nothing selected") << QStringList{"key:Ctrl+C"} << QList<int>{} << "No rows copied";
}

void ListTest::copyRows()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, copied);
    QFETCH(QString, heard);

    countFor(QStringLiteral("10"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    w->Lv->setFocus(Qt::TabFocusReason);
    for (const QString &step : steps)
        w->run(step);
    QString expected;
    for (const int row : copied)
        expected += linesForTen.at(row) + u'\n';
    QCOMPARE(QApplication::clipboard()->text(), copied.isEmpty() ? QStringLiteral("before") : expected);
    const auto *announcement = w->window().findChild<Announcement *>();
    QVERIFY(announcement->isVisible());
    QCOMPARE(announcement->accessibleName(), heard);
}

void ListTest::copyAllOfTheLargestTable()
{
    countFor(QStringLiteral("1.476"));
    w->Lv->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->Lv, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w->Lv, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), 1477 + 1); // each line ends with a newline
    QCOMPARE(lines.at(0), QStringLiteral("0\t0\t0"));
    QCOMPARE(lines.at(1476), QStringLiteral("1476\t1,3069892237634E+308\t") + w->txtOut2->toPlainText());
    QVERIFY(lines.at(1477).isEmpty());
}

void ListTest::cellsCutShortShowTheirText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("tip");

    QTest::newRow("NUM of F(1476)") << "1.476" << 2 << true;
    QTest::newRow("EXP of F(1476)") << "1.476" << 1 << false;
    QTest::newRow("index 1476") << "1.476" << 0 << false;
    QTest::newRow("NUM of F(10)") << "10" << 2 << false;
}

void ListTest::cellsCutShortShowTheirText()
{
    QFETCH(QString, input);
    QFETCH(int, column);
    QFETCH(bool, tip);

    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    countFor(input);
    const QModelIndex index = w->Lv->model()->index(w->rows() - 1, column);
    w->Lv->scrollTo(index);
    const QPoint at = w->Lv->visualRect(index).intersected(w->Lv->viewport()->rect()).center();
    QHelpEvent event(QEvent::ToolTip, at, w->Lv->viewport()->mapToGlobal(at));
    QApplication::sendEvent(w->Lv->viewport(), &event);
    QCOMPARE(QToolTip::isVisible(), tip);
    if (tip) {
        QCOMPARE(QToolTip::text().remove(QChar(0x200B)), w->cell(w->rows() - 1, column)); // less its wrapping points
        // Wrapped within the screen, not cut off by it.
        const auto widgets = QApplication::topLevelWidgets();
        const QWidget *label = *std::find_if(widgets.begin(), widgets.end(), [](const QWidget *widget) {
            return widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible();
        });
        QVERIFY(label->width() <= label->screen()->geometry().width());
    }
}

void ListTest::emptiedListScrollsBackToTopLeft_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Clear") << "cmdClear";
    QTest::newRow("Count") << "cmdCount";
}

void ListTest::emptiedListScrollsBackToTopLeft()
{
    QFETCH(QString, button);

    countFor(QStringLiteral("1.476"));
    QCoreApplication::processEvents(); // lays the rows out
    for (QScrollBar *bar : {w->Lv->horizontalScrollBar(), w->Lv->verticalScrollBar()}) {
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
    }
    w->control<QPushButton>(qPrintable(button))->click();
    QCoreApplication::processEvents();
    QCOMPARE(w->Lv->horizontalScrollBar()->value(), 0);
    QCOMPARE(w->Lv->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(ListTest)
#include "tst_list.moc"
