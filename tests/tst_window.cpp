// The real window, offscreen, in the de_DE locale: start-up state, the three
// commands, focus, the message boxes and the read-only result boxes.
#include "accessibility/Announcement.h"
#include "tests/WindowDriver.h"
#include "window/WindowControls.h"
#include "window/frmFibo.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeView>
#include <QtTest>

Q_DECLARE_METATYPE(QMessageBox::Icon)

class WindowTest : public WindowSuite {
    Q_OBJECT
private slots:
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
    void numBoxKeepsGroupsWhole_data();
    void numBoxKeepsGroupsWhole();
    void shiftF10OpensContextMenu_data();
    void shiftF10OpensContextMenu();
    void enterAndEscapePressNoButton_data();
    void enterAndEscapePressNoButton();
};

void WindowTest::startsEmptyWithFocusInInput()
{
    QCOMPARE(w->window().windowTitle(), QStringLiteral("FIBONACCI FORMULA"));
    QCOMPARE(w->window().size(), QSize(942, 576));
    QCOMPARE(w->window().minimumSize(), w->window().maximumSize());
    // No maximise for a window that cannot grow; minimise and close stay.
    const auto buttons = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    QCOMPARE(w->window().windowFlags() & buttons, Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QCOMPARE(QApplication::focusWidget(), w->txtInput);
    QVERIFY(w->txtInput->text().isEmpty());
    QVERIFY(w->showsNothing());
    const QStringList headers{"NUM", "FIBO RESULT (EXP)", "FIBO RESULT (NUM)"};
    const QList<int> widths{83, 203, 696};
    QCOMPARE(w->Lv->header()->count(), 3);
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(w->Lv->model()->headerData(column, Qt::Horizontal).toString(), headers.at(column));
        QCOMPARE(w->Lv->header()->sectionSize(column), widths.at(column));
    }
    QCOMPARE(w->txtInput->accessibleName(), QStringLiteral("Enter n"));
    QCOMPARE(w->Lv->accessibleName(), QStringLiteral("Fibonacci sequence"));

    // A later activation puts the focus back into the input box.
    w->cmdClose->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    w->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w->window()));
    QCOMPARE(QApplication::focusWidget(), w->txtInput);
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

    w->type(input);
    for (int run = 0; run < 2; ++run) { // a second Count replaces the table
        // The second one leaves the focus where it was, in the list.
        const auto boxes = answeringMessageBoxes([&] {
            run == 0 ? QTest::mouseClick(w->cmdCount, Qt::LeftButton) : w->cmdCount->click();
        });
        QCOMPARE(boxes.size(), std::size_t(0));
        QCOMPARE(w->rows(), rows);
        for (int column = 0; column < lastRow.size(); ++column)
            QCOMPARE(w->cell(rows - 1, column), lastRow.at(column));
        QCOMPARE(w->txtOut->toPlainText(), out);
        QCOMPARE(w->txtOut2->toPlainText(), w->cell(rows - 1, 2));
        QCOMPARE(w->txtInput->text(), input);
        // No row is selected, nor becomes so when the list takes the focus.
        QVERIFY(!w->Lv->selectionModel()->hasSelection());
        w->Lv->setFocus(Qt::TabFocusReason);
        QVERIFY(!w->Lv->selectionModel()->hasSelection());
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

    w->type(QStringLiteral("10"));
    w->cmdCount->click();
    w->type(input);
    w->count();
    QCOMPARE(w->boxes.size(), std::size_t(1));
    QCOMPARE(w->boxes[0].text, text);
    QCOMPARE(w->boxes[0].title, title);
    QCOMPARE(w->boxes[0].icon, icon);
    QCOMPARE(w->boxes[0].modality, Qt::ApplicationModal);
    QVERIFY2(w->boxes[0].width >= 240, qPrintable(QString::number(w->boxes[0].width))); // room for the title
    QVERIFY(w->showsNothing());
    QCOMPARE(w->txtInput->text(), input);
    // Heard through the box alone: the last announcement is the first Count's.
    QCOMPARE(w->window().findChild<Announcement *>()->accessibleName(), QStringLiteral("F(10) = 55"));
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
        w->type(input);
        w->cmdCount->click();
        QVERIFY(w->rows() > 0);
    }
    w->control<QWidget>(qPrintable(focused))->setFocus();
    w->cmdClear->click();
    QVERIFY(w->txtInput->text().isEmpty());
    QVERIFY(w->showsNothing());
    // The emptied list keeps its columns as they were.
    QCOMPARE(w->Lv->header()->count(), 3);
    QCOMPARE(w->Lv->header()->sectionSize(2), 696);
    QCOMPARE(QApplication::focusWidget(), w->txtInput);
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
    w->type(QStringLiteral("10"));
    w->count();
    auto *edit = w->control<QPlainTextEdit>(qPrintable(box));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("9x"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    w->run(QStringLiteral("commit:X55")); // an input method's commit
    QCOMPARE(edit->toPlainText(), QStringLiteral("55"));
    // Still selectable and copyable.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("55"));
}

void WindowTest::numBoxKeepsGroupsWhole_data()
{
    QTest::addColumn<QString>("separator");
    QTest::newRow("en_US") << ",";
    QTest::newRow("fr_FR") << "\u202F";
    QTest::newRow("sv_SE") << "\u00A0";
    QTest::newRow("C, ungrouped") << "";
}

// F(1476) as each locale groups it: shown over several full lines, each ending
// after a separator (where there is one), and its text leaves the box exactly.
void WindowTest::numBoxKeepsGroupsWhole()
{
    QFETCH(QString, separator);
    const QString number =
        (QStringList{"130", "698", "922", "376", "339", "870"} + QList<QString>(97, QStringLiteral("000"))).join(separator);
    ResultBox txtOut2(*w->txtOut2);
    txtOut2.setText(number);
    QCOMPARE(txtOut2.text(), number);
    w->txtOut2->setFocus();
    QTest::keyClick(w->txtOut2, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w->txtOut2, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), number);

    const QTextLayout *layout = w->txtOut2->document()->firstBlock().layout();
    QVERIFY(layout->lineCount() > 1);
    const QFontMetricsF metrics(w->txtOut2->font());
    for (int i = 0; i + 1 < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        const int end = line.textStart() + line.textLength();
        QVERIFY(line.naturalTextWidth() <= line.width());
        // Full: the next group, or digit where nothing is grouped, would not fit.
        const QString next = number.mid(end, separator.isEmpty() ? 1 : 3 + separator.size());
        QVERIFY2(line.naturalTextWidth() + metrics.horizontalAdvance(next) > line.width(),
                 qPrintable(number.mid(line.textStart(), line.textLength())));
        if (!separator.isEmpty())
            QCOMPARE(number.mid(end - 1, 1), separator);
    }
}

void WindowTest::shiftF10OpensContextMenu_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("selectAll"); // the action of its context menu
    QTest::newRow("Lv") << "Lv" << "Select all";
    for (const char *box : {"txtInput", "txtOut", "txtOut2"})
        QTest::newRow(box) << box << "Select All";
}

void WindowTest::shiftF10OpensContextMenu()
{
    QFETCH(QString, control);
    QFETCH(QString, selectAll);
    w->type(QStringLiteral("10"));
    w->count();
    QWidget *focused = w->control(qPrintable(control));
    focused->setFocus();
    w->run("shift-f10:" + selectAll);
    // At the control, not in a corner of the screen.
    QVERIFY(QRect(focused->mapToGlobal(QPoint()), focused->size()).contains(w->menuShownAt));
    if (focused == w->Lv)
        QCOMPARE(w->Lv->selectionModel()->selectedRows().size(), w->rows());
    else
        QVERIFY(!focused->inputMethodQuery(Qt::ImCurrentSelection).toString().isEmpty());
}

void WindowTest::enterAndEscapePressNoButton_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");

    for (const char *name : {"txtInput", "txtOut", "Lv", "cmdCount", "cmdClear", "cmdClose"}) {
        QTest::addRow("Enter in %s", name) << name << int(Qt::Key_Return);
        QTest::addRow("Escape in %s", name) << name << int(Qt::Key_Escape);
    }
}

void WindowTest::enterAndEscapePressNoButton()
{
    QFETCH(QString, focused);
    QFETCH(int, key);

    w->type(QStringLiteral("10"));
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    for (QPushButton *button : {w->cmdCount, w->cmdClear, w->cmdClose})
        clicks.push_back(std::make_unique<QSignalSpy>(button, &QPushButton::clicked));
    auto *widget = w->control<QWidget>(qPrintable(focused));
    widget->setFocus();
    const auto boxes = answeringMessageBoxes([&] { QTest::keyClick(widget, Qt::Key(key)); });
    for (const auto &spy : clicks)
        QCOMPARE(spy->count(), 0);
    QCOMPARE(boxes.size(), std::size_t(0));
    QCOMPARE(w->rows(), 0);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
