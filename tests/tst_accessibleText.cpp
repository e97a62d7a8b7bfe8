// What assistive tools get from the window's three text boxes, through the
// accessible interfaces the application installs: boundary queries, lines
// as shown, caret and selection, edits that only the input box takes, by its
// key rules (de_DE: "." groups digits), and their context menus.
#include "tests/WindowDriver.h"
#include "window/frmFibo.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>
#include <QtTest>

Q_DECLARE_METATYPE(QAccessible::TextBoundaryType)

class AccessibleTextTest : public WindowSuite {
    Q_OBJECT
private slots:
    void boundaries_data();
    void boundaries();
    void wrappedNumberIsOneLine();
    void caretAndSelection_data();
    void caretAndSelection();
    void edits_data();
    void edits();
    void contextMenu_data();
    void contextMenu();

private:
    QAccessibleInterface *accessible(const char *box) { return QAccessible::queryAccessibleInterface(widget(box)); }
    QWidget *widget(const char *box) { return w->control(box); }
    void setText(const char *box, const QString &text);
    QString textOf(const char *box) { return accessible(box)->text(QAccessible::Value); }
};

void AccessibleTextTest::setText(const char *box, const QString &text)
{
    if (auto *lineEdit = qobject_cast<QLineEdit *>(widget(box)))
        lineEdit->setText(text);
    else
        qobject_cast<QPlainTextEdit *>(widget(box))->setPlainText(text);
}

void AccessibleTextTest::boundaries_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QAccessible::TextBoundaryType>("kind");
    // The spans "start-end" ("-" for none) at the offsets 0, 1, the middle,
    // length - 1, length and length + 1.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("after");

    // The boxes answer through the segments that tst_textSegments checks on
    // plain text; through Qt 6.4's own interface the word at the end of the
    // input box never returned.
    const QString input = QStringLiteral("12.345 abc"); // 10 characters; the middle is 5
    QTest::newRow("input word") << QByteArray("txtInput") << input << QAccessible::WordBoundary
                                << "- - - 6-7 7-10 -" << "0-6 0-6 0-6 7-10 7-10 -" << "6-7 6-7 6-7 - - -";
}

void AccessibleTextTest::boundaries()
{
    QFETCH(QByteArray, box);
    QFETCH(QString, text);
    QFETCH(QAccessible::TextBoundaryType, kind);
    QFETCH(QString, before);
    QFETCH(QString, at);
    QFETCH(QString, after);

    setText(box.constData(), text);
    QAccessibleTextInterface *boxText = accessible(box.constData())->textInterface();
    QVERIFY(boxText);
    QCOMPARE(boxText->characterCount(), text.size());
    const int n = int(text.size());
    using Query = QString (QAccessibleTextInterface::*)(int, QAccessible::TextBoundaryType, int *, int *) const;
    const std::pair<Query, QString> queries[] = {{&QAccessibleTextInterface::textAtOffset, at},
                                                 {&QAccessibleTextInterface::textBeforeOffset, before},
                                                 {&QAccessibleTextInterface::textAfterOffset, after}};
    for (const auto &[query, expected] : queries) {
        QStringList got;
        for (const int offset : {0, 1, n / 2, n - 1, n, n + 1}) {
            int start = -2;
            int end = -2;
            const QString answer = (boxText->*query)(offset, kind, &start, &end);
            QCOMPARE(answer, start < 0 ? QString() : text.mid(start, end - start));
            got << (start < 0 && end < 0 ? QStringLiteral("-") : QStringLiteral("%1-%2").arg(start).arg(end));
        }
        QCOMPARE(got.join(u' '), expected);
    }
}

void AccessibleTextTest::wrappedNumberIsOneLine()
{
    // F(1476) wraps over several lines of txtOut2; a screen reader reads it
    // whole from any of them, no-break spaces (sv_SE) and all.
    const QString number = QStringLiteral("130\u00A0698\u00A0922\u00A0376\u00A0339\u00A0870")
                           + QStringLiteral("\u00A0000").repeated(97);
    setText("txtOut2", number);
    QCOMPARE(textOf("txtOut2"), number);
    QAccessibleTextInterface *boxText = accessible("txtOut2")->textInterface();
    const QTextLayout *layout = w->txtOut2->document()->firstBlock().layout();
    QVERIFY(layout->lineCount() > 1);
    for (int line = 0; line < layout->lineCount(); ++line) {
        int start = -1;
        int end = -1;
        boxText->textAtOffset(layout->lineAt(line).textStart(), QAccessible::LineBoundary, &start, &end);
        QCOMPARE(std::pair(start, end), std::pair(0, int(number.size())));
    }
}

void AccessibleTextTest::caretAndSelection_data()
{
    QTest::addColumn<QByteArray>("box");
    for (const char *box : {"txtInput", "txtOut", "txtOut2"})
        QTest::newRow(box) << QByteArray(box);
}

void AccessibleTextTest::caretAndSelection()
{
    QFETCH(QByteArray, box);
    setText(box.constData(), QStringLiteral("12.345"));
    QAccessibleTextInterface *boxText = accessible(box.constData())->textInterface();

    boxText->setCursorPosition(2);
    QCOMPARE(boxText->cursorPosition(), 2);
    QCOMPARE(boxText->selectionCount(), 0);
    // On the screen, where a magnifier goes: inside the box.
    QWidget *boxWidget = w->control(box.constData());
    const QRect onScreen(boxWidget->mapToGlobal(QPoint(0, 0)), boxWidget->size());
    QVERIFY(onScreen.contains(boxText->characterRect(2).center()));
    boxText->setSelection(0, 1, 4);
    int start = -1;
    int end = -1;
    boxText->selection(0, &start, &end);
    QCOMPARE(std::pair(start, end), std::pair(1, 4));
    QCOMPARE(boxText->selectionCount(), 1);
    QCOMPARE(boxText->cursorPosition(), 4);
    boxText->removeSelection(0);
    QCOMPARE(boxText->selectionCount(), 0);
    QCOMPARE(accessible(box.constData())->text(QAccessible::Value), QStringLiteral("12.345"));
}

void AccessibleTextTest::edits_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    // The input box takes an edit as typed keys: filtered, then regrouped.
    QTest::newRow("input insert a digit") << QByteArray("txtInput") << "1.234" << "insert" << 5 << 5 << "5"
                                          << "12.345";
    QTest::newRow("input insert a letter") << QByteArray("txtInput") << "1.234" << "insert" << 0 << 0 << "x"
                                           << "";
    QTest::newRow("input delete") << QByteArray("txtInput") << "12.345" << "delete" << 0 << 1 << "" << "2.345";
    QTest::newRow("input replace") << QByteArray("txtInput") << "12.345" << "replace" << 0 << 6 << "1234567"
                                   << "1.234.567";
    QTest::newRow("input set value") << QByteArray("txtInput") << "12" << "value" << 0 << 0 << "9876"
                                     << "9.876";
    // The result boxes take none, on any channel.
    for (const char *out : {"txtOut", "txtOut2"}) {
        QTest::addRow("%s set value", out) << QByteArray(out) << "1.476" << "value" << 0 << 0 << "1" << "1.476";
        QTest::addRow("%s edit", out) << QByteArray(out) << "1.476" << "replace" << 0 << 5 << "1" << "1.476";
    }
}

void AccessibleTextTest::edits()
{
    QFETCH(QByteArray, box);
    QFETCH(QString, text);
    QFETCH(QString, edit);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    setText(box.constData(), text);
    QAccessibleInterface *boxAccessible = accessible(box.constData());
    const bool readOnly = box != "txtInput";
    QCOMPARE(boxAccessible->state().readOnly, readOnly);
    QCOMPARE(boxAccessible->state().editable, !readOnly);
    QCOMPARE(boxAccessible->editableTextInterface() == nullptr, readOnly);

    QAccessibleEditableTextInterface *editable = boxAccessible->editableTextInterface();
    if (edit == QLatin1String("value"))
        boxAccessible->setText(QAccessible::Value, typed);
    else if (!editable)
        QVERIFY(readOnly);
    else if (edit == QLatin1String("insert"))
        editable->insertText(start, typed);
    else if (edit == QLatin1String("delete"))
        editable->deleteText(start, end);
    else
        editable->replaceText(start, end, typed);
    QCOMPARE(textOf(box.constData()), expected);
}

void AccessibleTextTest::contextMenu_data()
{
    QTest::addColumn<QByteArray>("box");
    QTest::addColumn<QString>("current"); // the item current once Shift+F10 has opened the menu
    QTest::addColumn<QString>("item");    // an item that shows a shortcut, and the keys it reads as
    QTest::addColumn<QString>("keys");

    QTest::newRow("txtInput") << QByteArray("txtInput") << "Paste" << "Select All" << "Ctrl+A";
    QTest::newRow("txtOut2") << QByteArray("txtOut2") << "Select All" << "Copy" << "Ctrl+C";
}

void AccessibleTextTest::contextMenu()
{
    QFETCH(QByteArray, box);
    QFETCH(QString, current);
    QFETCH(QString, item);
    QFETCH(QString, keys);

    setText(box.constData(), QStringLiteral("12"));
    QApplication::clipboard()->setText(QStringLiteral("3"));
    widget(box.constData())->setFocus();
    QTest::keyClick(widget(box.constData()), Qt::Key_F10, Qt::ShiftModifier);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAccessibleInterface *menuAccessible = QAccessible::queryAccessibleInterface(menu);
    // Under its box, which lists it last, where a screen reader walks from the focus.
    QAccessibleInterface *boxAccessible = accessible(box.constData());
    QCOMPARE(menuAccessible->parent(), boxAccessible);
    QCOMPARE(boxAccessible->indexOfChild(menuAccessible), boxAccessible->childCount() - 1);
    QCOMPARE(boxAccessible->child(boxAccessible->childCount() - 1), menuAccessible);
    QAccessibleInterface *currentItem = menuAccessible->focusChild();
    QVERIFY(currentItem);
    QCOMPARE(currentItem->text(QAccessible::Name), current);
    QStringList names;
    for (int i = 0; i < menuAccessible->childCount(); ++i) {
        QAccessibleInterface *menuItem = menuAccessible->child(i);
        names << menuItem->text(QAccessible::Name);
        if (names.last() == item)
            QCOMPARE(menuItem->actionInterface()->keyBindingsForAction(QAccessibleActionInterface::pressAction()),
                     QStringList{keys});
    }
    QVERIFY2(names.contains(item), qPrintable(names.join(u'|')));
    QTest::keyClick(menu, Qt::Key_Escape);
}

QTEST_MAIN(AccessibleTextTest)
#include "tst_accessibleText.moc"
