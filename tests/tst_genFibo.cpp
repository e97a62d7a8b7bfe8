// Table generation against fake controls: outcomes, the order of the
// operations, and a failure of any one of them.
#include "tests/FakeControls.h"
#include "sequence/GenFibo.h"
#include "number/RuntimeError.h"

#include <QtTest>

namespace {

struct Outcome {
    int rows;
    QString lastRow; // "index|exp|num"
    QString out, out2;
    QString message, title;
    MsgBoxStyle style = MsgBoxStyle::OkOnly;
};

QString rowText(const FakeList::Row &row)
{
    return row.text + u'|' + row.sub1 + u'|' + row.sub2;
}

const QString tooBig = QStringLiteral("Number too big for computing !");
const QString systemComputer = QStringLiteral("System Computer");
// No title of its own: the window shows the application's name.
const QString applicationTitle;
const QString subscript = QStringLiteral("Subscript out of range");

ModFibo::NumericSettings settings(const QString &locale = QStringLiteral("de_DE"))
{
    return ModFibo::NumericSettings::of(locale);
}

} // namespace

Q_DECLARE_METATYPE(Outcome)

class GenFiboTest : public QObject {
    Q_OBJECT
private slots:
    void outcomes_data();
    void outcomes();
    void operationsInOrder();
    void failingOperation_data();
    void failingOperation();
    void failingErrorReportLeavesTheCall();
    void repeatedCallsReplaceTheTable_data();
    void repeatedCallsReplaceTheTable();
};

void GenFiboTest::outcomes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<Outcome>("expected");

    const QString f1476de = QStringLiteral("1,3069892237634E+308");
    QTest::newRow("n = 1") << "de_DE" << "1" << Outcome{2, "1|1|1", "1", "1", {}, {}};
    QTest::newRow("n = 2") << "de_DE" << "2" << Outcome{3, "2|1|1", "1", "1", {}, {}};
    QTest::newRow("n = 10") << "de_DE" << "10" << Outcome{11, "10|55|55", "55", "55", {}, {}};
    QTest::newRow("n = 17 grouped") << "de_DE" << "17" << Outcome{18, "17|1597|1.597", "1597", "1.597", {}, {}};
    QTest::newRow("n = 74") << "en_US" << "74"
                            << Outcome{75, "74|1.30496954492866E+15|1,304,969,544,928,657", "1.30496954492866E+15",
                                       "1,304,969,544,928,657", {}, {}};
    QTest::newRow("n = 100") << "en_US" << "100"
                             << Outcome{101, "100|3.54224848179262E+20|354,224,848,179,262,000,000",
                                        "3.54224848179262E+20", "354,224,848,179,262,000,000", {}, {}};
    QTest::newRow("n = 1476") << "de_DE" << "1.476" << Outcome{1477, {}, f1476de, {}, {}, {}};
    QTest::newRow("en_US 1,234") << "en_US" << "1,234" << Outcome{1235, {}, {}, {}, {}, {}};
    QTest::newRow("leading blank") << "de_DE" << " 2" << Outcome{3, "2|1|1", "1", "1", {}, {}};
    QTest::newRow("1477 refused") << "de_DE" << "1477" << Outcome{0, {}, {}, {}, tooBig, systemComputer, MsgBoxStyle::Critical};
    QTest::newRow("largest int refused") << "de_DE" << "2147483647"
                                         << Outcome{0, {}, {}, {}, tooBig, systemComputer, MsgBoxStyle::Critical};
    QTest::newRow("empty") << "de_DE" << "" << Outcome{0, {}, {}, {}, subscript, applicationTitle};
    QTest::newRow("zero") << "de_DE" << "0" << Outcome{0, {}, {}, {}, subscript, applicationTitle};
    QTest::newRow("letters read as 0") << "de_DE" << "abc" << Outcome{0, {}, {}, {}, subscript, applicationTitle};
    QTest::newRow("negative") << "de_DE" << "-5" << Outcome{0, {}, {}, {}, subscript, applicationTitle};
    QTest::newRow("eleven nines") << "de_DE" << "99999999999" << Outcome{0, {}, {}, {}, "Overflow", applicationTitle};
    QTest::newRow("two to the 31") << "de_DE" << "2.147.483.648" << Outcome{0, {}, {}, {}, "Overflow", applicationTitle};
    QTest::newRow("beyond a double") << "de_DE" << QString(400, u'9') << Outcome{0, {}, {}, {}, "Overflow", applicationTitle};
}

void GenFiboTest::outcomes()
{
    QFETCH(QString, locale);
    QFETCH(QString, input);
    QFETCH(Outcome, expected);

    FakeWindow w;
    w.txtInput.value = input;
    GenFibo(w.controls(), settings(locale));

    QCOMPARE(int(w.Lv.rows.size()), expected.rows);
    if (!expected.lastRow.isEmpty())
        QCOMPARE(rowText(w.Lv.rows.back()), expected.lastRow);
    if (expected.rows > 0) {
        QCOMPARE(w.Lv.rows.back().text, QString::number(expected.rows - 1));
        QCOMPARE(w.txtOut2.value, w.Lv.rows.back().sub2);
        QVERIFY(!w.Lv.rows.front().selected);
    }
    if (!expected.out.isEmpty() || expected.rows == 0)
        QCOMPARE(w.txtOut.value, expected.out);
    if (!expected.out2.isEmpty() || expected.rows == 0)
        QCOMPARE(w.txtOut2.value, expected.out2);

    if (expected.message.isEmpty()) {
        QCOMPARE(w.messages.shown.size(), std::size_t(0));
    } else {
        QCOMPARE(w.messages.shown.size(), std::size_t(1));
        QCOMPARE(w.messages.shown[0].text, expected.message);
        QCOMPARE(w.messages.shown[0].title, expected.title);
        QCOMPARE(w.messages.shown[0].style, expected.style);
    }
    QCOMPARE(w.txtInput.value, input);
    QVERIFY(!w.log.calls.join(u' ').contains(QStringLiteral("txtInput.set")));
}

void GenFiboTest::operationsInOrder()
{
    FakeWindow w;
    w.txtInput.value = QStringLiteral("2");
    GenFibo(w.controls(), settings());
    const QStringList expected{
        "txtOut.setText()",  "txtOut2.setText()",     "Lv.clear()",          "txtInput.text()",
        "Lv.add(0)",         "Lv.setSubItem(1,1,0)",  "Lv.setSubItem(1,2,0)", "Lv.add(1)",
        "Lv.setSubItem(2,1,1)", "Lv.setSubItem(2,2,1)", "Lv.add(2)",         "Lv.setSubItem(3,1,1)",
        "Lv.setSubItem(3,2,1)", "txtOut.setText(1)",   "Lv.subItem(3,2)",     "txtOut2.setText(1)",
        "Lv.item(1)",        "Lv.setSelected(1,0)",
    };
    QCOMPARE(w.log.calls, expected);
}

void GenFiboTest::failingOperation_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("occurrence");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastRow");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("out2");
    QTest::addColumn<bool>("firstRowSelected");

    // The window starts with an earlier result: one row "9|old|old", "old" in both boxes.
    QTest::newRow("emptying txtOut") << "txtOut.setText" << 1 << 1 << "9|old|old" << "old" << "old" << true;
    QTest::newRow("emptying txtOut2") << "txtOut2.setText" << 1 << 1 << "9|old|old" << "" << "old" << true;
    QTest::newRow("clearing the list") << "Lv.clear" << 1 << 1 << "9|old|old" << "" << "" << true;
    QTest::newRow("reading the input") << "txtInput.text" << 1 << 0 << "" << "" << "" << false;
    QTest::newRow("first row") << "Lv.add" << 1 << 0 << "" << "" << "" << false;
    QTest::newRow("fifth row") << "Lv.add" << 5 << 4 << "3|2|2" << "" << "" << true;
    QTest::newRow("sub-item 1 of row 4") << "Lv.setSubItem" << 7 << 4 << "3||" << "" << "" << true;
    QTest::newRow("sub-item 2 of row 4") << "Lv.setSubItem" << 8 << 4 << "3|2|" << "" << "" << true;
    QTest::newRow("writing txtOut") << "txtOut.setText" << 2 << 11 << "10|55|55" << "" << "" << true;
    QTest::newRow("reading the last row") << "Lv.subItem" << 1 << 11 << "10|55|55" << "55" << "" << true;
    QTest::newRow("writing txtOut2") << "txtOut2.setText" << 2 << 11 << "10|55|55" << "55" << "" << true;
    QTest::newRow("finding row 1") << "Lv.item" << 1 << 11 << "10|55|55" << "55" << "55" << true;
    QTest::newRow("deselecting row 1") << "Lv.setSelected" << 1 << 11 << "10|55|55" << "55" << "55" << true;
}

void GenFiboTest::failingOperation()
{
    QFETCH(QString, operation);
    QFETCH(int, occurrence);
    QFETCH(int, rows);
    QFETCH(QString, lastRow);
    QFETCH(QString, out);
    QFETCH(QString, out2);
    QFETCH(bool, firstRowSelected);

    FakeWindow w;
    w.txtInput.value = QStringLiteral("10");
    w.txtOut.value = w.txtOut2.value = QStringLiteral("old");
    w.Lv.rows.push_back({"9", "old", "old", true});
    w.log.failOn(operation, occurrence);

    GenFibo(w.controls(), settings());

    QCOMPARE(int(w.Lv.rows.size()), rows);
    if (rows > 0) {
        QCOMPARE(rowText(w.Lv.rows.back()), lastRow);
        QCOMPARE(w.Lv.rows.front().selected, firstRowSelected);
    }
    QCOMPARE(w.txtOut.value, out);
    QCOMPARE(w.txtOut2.value, out2);
    QCOMPARE(w.messages.shown.size(), std::size_t(1));
    QCOMPARE(w.messages.shown[0].text, operation + " failed");
    QCOMPARE(w.messages.shown[0].title, applicationTitle);
    QCOMPARE(w.messages.shown[0].style, MsgBoxStyle::OkOnly);
    // The work stopped at the failing step.
    QVERIFY(w.log.calls.last().startsWith(QStringLiteral("msgBox(")));
    QVERIFY(w.log.calls[w.log.calls.size() - 2].startsWith(operation + u'('));
}

void GenFiboTest::failingErrorReportLeavesTheCall()
{
    FakeWindow w;
    w.txtInput.value = QStringLiteral("1477");
    w.log.failOn(QStringLiteral("msgBox"), 1); // the refusal fails and is reported
    GenFibo(w.controls(), settings());
    QCOMPARE(w.messages.shown.size(), std::size_t(1));
    QCOMPARE(w.messages.shown[0].text, QStringLiteral("msgBox failed"));

    w.txtInput.value = QStringLiteral("0");
    w.log.failOn(QStringLiteral("msgBox"), 1);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, GenFibo(w.controls(), settings()));
}

void GenFiboTest::repeatedCallsReplaceTheTable_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("out");

    QTest::newRow("same twice") << QStringList{"10", "10"} << 11 << "55";
    QTest::newRow("shorter after longer") << QStringList{"10", "5"} << 6 << "5";
    QTest::newRow("refused after built") << QStringList{"10", "1477"} << 0 << "";
    QTest::newRow("error after built") << QStringList{"10", "0"} << 0 << "";
    QTest::newRow("built after error") << QStringList{"0", "3"} << 4 << "2";
}

void GenFiboTest::repeatedCallsReplaceTheTable()
{
    QFETCH(QStringList, inputs);
    QFETCH(int, rows);
    QFETCH(QString, out);

    FakeWindow w;
    for (const QString &input : inputs) {
        w.txtInput.value = input;
        GenFibo(w.controls(), settings());
    }
    QCOMPARE(int(w.Lv.rows.size()), rows);
    QCOMPARE(w.txtOut.value, out);
    QCOMPARE(w.txtOut2.value, out);
}

QTEST_GUILESS_MAIN(GenFiboTest)
#include "tst_genFibo.moc"
