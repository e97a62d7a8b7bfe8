// The real window, offscreen, in the de_DE locale: start-up state, the three
// commands, focus, and the message boxes.
#include "WindowDriver.h"
#include "frmFibo.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

Q_DECLARE_METATYPE(QMessageBox::Icon)

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void startsEmptyWithFocusInInput();
    void count_data();
    void count();
    void messageBoxes_data();
    void messageBoxes();
    void clearEmptiesAllAndFocusesInput_data();
    void clearEmptiesAllAndFocusesInput();
    void tabOrder();
    void resultBoxesAreReadOnly_data();
    void resultBoxesAreReadOnly();
    void enterAndEscapePressNoButton_data();
    void enterAndEscapePressNoButton();

private:
    void type(const QString &n);

    std::unique_ptr<frmFibo> window;
    QLineEdit *txtInput = nullptr;
    QPlainTextEdit *txtOut = nullptr;
    QPlainTextEdit *txtOut2 = nullptr;
    QTreeWidget *Lv = nullptr;
};

void WindowTest::init()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    window = std::make_unique<frmFibo>();
    txtInput = child<QLineEdit>(*window, "txtInput");
    txtOut = child<QPlainTextEdit>(*window, "txtOut");
    txtOut2 = child<QPlainTextEdit>(*window, "txtOut2");
    Lv = child<QTreeWidget>(*window, "Lv");
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::cleanup()
{
    window.reset();
}

void WindowTest::type(const QString &n)
{
    txtInput->setText(n);
}

void WindowTest::startsEmptyWithFocusInInput()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("FIBONACCI FORMULA"));
    QCOMPARE(window->size(), QSize(942, 576));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(QApplication::focusWidget(), txtInput);
    QVERIFY(txtInput->text().isEmpty());
    QVERIFY(txtOut->toPlainText().isEmpty());
    QVERIFY(txtOut2->toPlainText().isEmpty());
    QCOMPARE(Lv->topLevelItemCount(), 0);
    const QTreeWidgetItem *header = Lv->headerItem();
    QCOMPARE(header->text(0), QStringLiteral("NUM"));
    QCOMPARE(header->text(1), QStringLiteral("FIBO RESULT (EXP)"));
    QCOMPARE(header->text(2), QStringLiteral("FIBO RESULT (NUM)"));
    QCOMPARE(Lv->header()->sectionSize(2), 696);
    QCOMPARE(txtInput->accessibleName(), QStringLiteral("Enter n"));
    QCOMPARE(Lv->accessibleName(), QStringLiteral("Fibonacci sequence"));

    // A later activation puts the focus back into the input box.
    child<QPushButton>(*window, "cmdClose")->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), txtInput);
}

void WindowTest::count_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addColumn<QString>("out");

    QTest::newRow("1") << "1" << 2 << QStringList{"1", "1", "1"} << "1";
    QTest::newRow("10") << "10" << 11 << QStringList{"10", "55", "55"} << "55";
    QTest::newRow("20") << "20" << 21 << QStringList{"20", "6765", "6.765"} << "6765";
    QTest::newRow("1476") << "1.476" << 1477 << QStringList{"1476", "1,3069892237634E+308"}
                          << "1,3069892237634E+308";
}

void WindowTest::count()
{
    QFETCH(QString, input);
    QFETCH(int, rows);
    QFETCH(QStringList, lastRow);
    QFETCH(QString, out);

    type(input);
    for (int run = 0; run < 2; ++run) { // a second Count replaces the table
        const auto boxes = answeringMessageBoxes([this] { QTest::mouseClick(child<QPushButton>(*window, "cmdCount"), Qt::LeftButton); });
        QCOMPARE(boxes.size(), std::size_t(0));
        QCOMPARE(Lv->topLevelItemCount(), rows);
        const QTreeWidgetItem *last = Lv->topLevelItem(rows - 1);
        for (int column = 0; column < lastRow.size(); ++column)
            QCOMPARE(last->text(column), lastRow.at(column));
        QCOMPARE(txtOut->toPlainText(), out);
        QCOMPARE(txtOut2->toPlainText(), last->text(2));
        QVERIFY(!Lv->topLevelItem(0)->isSelected());
        QCOMPARE(txtInput->text(), input);
    }
}

void WindowTest::messageBoxes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("too big") << "1477" << "Number too big for computing !" << "System Computer" << QMessageBox::Critical;
    QTest::newRow("empty") << "" << "Subscript out of range" << "Corvane" << QMessageBox::NoIcon;
    QTest::newRow("zero") << "0" << "Subscript out of range" << "Corvane" << QMessageBox::NoIcon;
    QTest::newRow("eleven nines") << "99999999999" << "Overflow" << "Corvane" << QMessageBox::NoIcon;
}

void WindowTest::messageBoxes()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QMessageBox::Icon, icon);

    type(QStringLiteral("10"));
    child<QPushButton>(*window, "cmdCount")->click();
    type(input);
    const auto boxes = answeringMessageBoxes([this] { child<QPushButton>(*window, "cmdCount")->click(); });
    QCOMPARE(boxes.size(), std::size_t(1));
    QCOMPARE(boxes[0].text, text);
    QCOMPARE(boxes[0].title, title);
    QCOMPARE(boxes[0].icon, icon);
    QCOMPARE(boxes[0].modality, Qt::ApplicationModal);
    QCOMPARE(Lv->topLevelItemCount(), 0);
    QVERIFY(txtOut->toPlainText().isEmpty());
    QVERIFY(txtOut2->toPlainText().isEmpty());
    QCOMPARE(txtInput->text(), input);
}

void WindowTest::clearEmptiesAllAndFocusesInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("focused");

    QTest::newRow("full, from the button") << "10" << "cmdClear";
    QTest::newRow("full, from the list") << "10" << "Lv";
    QTest::newRow("full, from a result box") << "10" << "txtOut2";
    QTest::newRow("already empty") << "" << "cmdClose";
}

void WindowTest::clearEmptiesAllAndFocusesInput()
{
    QFETCH(QString, input);
    QFETCH(QString, focused);

    if (!input.isEmpty()) {
        type(input);
        child<QPushButton>(*window, "cmdCount")->click();
        QVERIFY(Lv->topLevelItemCount() > 0);
    }
    child<QWidget>(*window, qPrintable(focused))->setFocus();
    child<QPushButton>(*window, "cmdClear")->click();
    QVERIFY(txtInput->text().isEmpty());
    QVERIFY(txtOut->toPlainText().isEmpty());
    QVERIFY(txtOut2->toPlainText().isEmpty());
    QCOMPARE(Lv->topLevelItemCount(), 0);
    QCOMPARE(Lv->headerItem()->text(0), QStringLiteral("NUM"));
    QCOMPARE(QApplication::focusWidget(), txtInput);
}

void WindowTest::tabOrder()
{
    const QStringList forward{"txtOut", "cmdClear", "Lv", "cmdClose", "cmdCount", "txtOut2", "txtInput"};
    for (const QString &next : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    for (auto name = forward.crbegin() + 1; name != forward.crend(); ++name) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), *name);
    }
}

void WindowTest::resultBoxesAreReadOnly_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("txtOut") << "txtOut";
    QTest::newRow("txtOut2") << "txtOut2";
}

void WindowTest::resultBoxesAreReadOnly()
{
    QFETCH(QString, box);
    type(QStringLiteral("10"));
    child<QPushButton>(*window, "cmdCount")->click();
    auto *edit = child<QPlainTextEdit>(*window, qPrintable(box));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("9x"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->toPlainText(), QStringLiteral("55"));
    // Still selectable and copyable.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("55"));
}

void WindowTest::enterAndEscapePressNoButton_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");

    for (const char *name : {"txtInput", "txtOut", "Lv", "cmdClose"}) {
        QTest::addRow("Enter in %s", name) << name << int(Qt::Key_Return);
        QTest::addRow("Escape in %s", name) << name << int(Qt::Key_Escape);
    }
}

void WindowTest::enterAndEscapePressNoButton()
{
    QFETCH(QString, focused);
    QFETCH(int, key);

    type(QStringLiteral("10"));
    auto *widget = child<QWidget>(*window, qPrintable(focused));
    widget->setFocus();
    const auto boxes = answeringMessageBoxes([&] { QTest::keyClick(widget, Qt::Key(key)); });
    QCOMPARE(boxes.size(), std::size_t(0));
    QCOMPARE(Lv->topLevelItemCount(), 0);
    QVERIFY(window->isVisible());
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
