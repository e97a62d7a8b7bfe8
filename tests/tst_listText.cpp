// Text that the sequence list makes of its cells, without a window.
#include "window/list/ListCellTips.h"

#include <QtTest>

class ListTextTest : public QObject {
    Q_OBJECT
private slots:
    void tipsOfLongNumbersCanWrap_data();
    void tipsOfLongNumbersCanWrap();
};

void ListTextTest::tipsOfLongNumbersCanWrap_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wrappable");
    const QString zwsp = QStringLiteral("\u200B");
    QTest::newRow("at the separators") << "1.234.567" << "1." + zwsp + "234." + zwsp + "567";
    // Where the locale groups nothing (C), a long number still breaks.
    QTest::newRow("ungrouped") << "12345678901234567890" << "12345678" + zwsp + "90123456" + zwsp + "7890";
}

void ListTextTest::tipsOfLongNumbersCanWrap()
{
    QFETCH(QString, text);
    QFETCH(QString, wrappable);
    QCOMPARE(wrappableTip(text), wrappable);
}

QTEST_APPLESS_MAIN(ListTextTest)
#include "tst_listText.moc"
