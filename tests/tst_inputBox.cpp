// The input box's keyboard rules on the real window, with real key events,
// under whatever locale the test runs in ("{s}" stands for its digit-group
// separator; the C locale has none).
#include "window/keys/KeyCodes.h"
#include "tests/WindowDriver.h"
#include "window/frmFibo.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(std::optional<int>)

class InputBoxTest : public WindowSuite {
    Q_OBJECT
private slots:
    void typedCharacterCode_data();
    void typedCharacterCode();
    void editing_data();
    void editing();
    void hugePaste_data();
    void hugePaste();
    void userNumbers_data();
    void userNumbers();
};

void InputBoxTest::typedCharacterCode_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("code");
    const std::optional<int> none;
    const int ctrl = Qt::ControlModifier;

    QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << std::optional<int>(55);
    QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5" << std::optional<int>(53);
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << std::optional<int>(97);
    QTest::newRow("accented") << int(Qt::Key_Eacute) << 0 << "\u00e9" << std::optional<int>(0xe9);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << 0 << "\b" << std::optional<int>(8);
    QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << "\r" << std::optional<int>(13);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << std::optional<int>(13);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << 0 << "\x1b" << std::optional<int>(27);
    QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << "\x01" << std::optional<int>(1);
    QTest::newRow("Ctrl+C, no text") << int(Qt::Key_C) << ctrl << "" << std::optional<int>(3);
    QTest::newRow("Ctrl+V, letter text") << int(Qt::Key_V) << ctrl << "v" << std::optional<int>(22);
    QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << int(ctrl | Qt::ShiftModifier) << "Z" << std::optional<int>(26);
    QTest::newRow("Ctrl+[") << int(Qt::Key_BracketLeft) << ctrl << "" << std::optional<int>(27);
    QTest::newRow("Ctrl+Backspace") << int(Qt::Key_Backspace) << ctrl << "" << std::optional<int>(127);
    QTest::newRow("Ctrl+digit") << int(Qt::Key_1) << ctrl << "1" << none;
    // Ctrl+Shift alone inserts nothing either, whatever the layout's text.
    QTest::newRow("Ctrl+Shift+1") << int(Qt::Key_Exclam) << int(ctrl | Qt::ShiftModifier) << "!" << none;
    QTest::newRow("Ctrl+Shift+=") << int(Qt::Key_Plus) << int(ctrl | Qt::ShiftModifier) << "+" << none;
    // With more than Ctrl held, the line editor inserts the text (AltGr
    // emulation): the character is typed.
    const int ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
    QTest::newRow("Ctrl+Alt+minus") << int(Qt::Key_Minus) << ctrlAlt << "-" << std::optional<int>(45);
    QTest::newRow("Ctrl+Alt+comma") << int(Qt::Key_Comma) << ctrlAlt << "," << std::optional<int>(44);
    QTest::newRow("Ctrl+Alt+period") << int(Qt::Key_Period) << ctrlAlt << "." << std::optional<int>(46);
    QTest::newRow("Ctrl+Alt+space") << int(Qt::Key_Space) << ctrlAlt << " " << std::optional<int>(32);
    QTest::newRow("Ctrl+Alt+digit") << int(Qt::Key_5) << ctrlAlt << "5" << std::optional<int>(53);
    QTest::newRow("Ctrl+Alt+digit, control text (X11)") << int(Qt::Key_5) << ctrlAlt << "" << none;
    QTest::newRow("Ctrl+keypad minus") << int(Qt::Key_Minus) << int(ctrl | Qt::KeypadModifier) << "-"
                                       << std::optional<int>(45);
    QTest::newRow("Ctrl+Meta+minus") << int(Qt::Key_Minus) << int(ctrl | Qt::MetaModifier) << "-"
                                     << std::optional<int>(45);
    QTest::newRow("Ctrl+Shift+ZWNJ") << int(Qt::Key_2) << int(ctrl | Qt::ShiftModifier) << "‌"
                                     << std::optional<int>(0x200c);
    QTest::newRow("Ctrl+Insert") << int(Qt::Key_Insert) << ctrl << "" << none;
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "" << none;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "\x7f" << none;
    QTest::newRow("Left") << int(Qt::Key_Left) << 0 << "" << none;
    QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "" << none;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << 0 << "\t" << none;
    QTest::newRow("Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "" << none;
    QTest::newRow("Alt+letter") << int(Qt::Key_X) << int(Qt::AltModifier) << "x" << none;
    QTest::newRow("two characters") << int(Qt::Key_unknown) << 0 << "12" << none;
}

void InputBoxTest::typedCharacterCode()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(std::optional<int>, code);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(::typedCharacterCode(event), code);
}

void InputBoxTest::editing_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret"); // -1: at the end, nothing selected; -2: at the end, all selected
    QTest::addColumn<int>("rows");  // after the steps; -1: Count not pressed

    const auto row = [](const char *name, QStringList steps, const char *text, int caret = -1, int rows = 0) {
        QTest::newRow(name) << steps << QString::fromUtf8(text) << caret << rows;
    };
    row("three digits", {"type:123"}, "123");
    row("fourth digit regroups", {"type:1234"}, "1{s}234");
    row("fifth digit", {"type:12345"}, "12{s}345");
    row("twenty digits keep every digit", {"type:12345678901234567890"}, "12{s}345{s}678{s}901{s}234{s}567{s}890");
    row("a held key types ungrouped until released", {"type:1234", "hold:5678"}, "1{s}2345678");
    row("held key", {"type:1234", "hold:5678", "release:8"}, "12{s}345{s}678");
    row("Backspace at the end of 1.234", {"type:1234", "key:Backspace"}, "123");
    row("Backspace at the end of 12.345", {"type:12345", "key:Backspace"}, "1{s}234");
    row("zeros", {"type:0000"}, "0");
    row("letter empties", {"type:1234", "type:a"}, "");
    row("blank empties", {"type:12", "type: "}, "");
    row("minus empties", {"type:12345", "type:-"}, "");
    row("point empties", {"type:12", "type:."}, "");
    row("comma empties", {"type:12", "type:,"}, "");
    row("Escape empties", {"type:1234", "key:Esc"}, "");
    row("Ctrl+C empties, copies nothing", {"clip:clip", "type:1234", "key:Ctrl+C", "menu:Paste"}, "clip", 4);
    row("Ctrl+V empties, pastes nothing", {"type:1234", "key:Ctrl+V"}, "");
    row("Ctrl+A empties", {"type:1234", "key:Ctrl+A", "type:5"}, "5");
    row("Ctrl+Z empties, undoes nothing", {"type:12", "key:Ctrl+Z"}, "");
    // Undo restores the text and, as after any deleted selection, selects it.
    row("Undo brings back what a letter emptied", {"type:12345678901234567890", "type:a", "menu:Undo"},
        "12{s}345{s}678{s}901{s}234{s}567{s}890", -2);
    row("Undo brings back what Ctrl+Z emptied", {"type:1234", "key:Ctrl+Z", "menu:Undo"}, "1{s}234", -2);
    row("a second Undo finds nothing older", {"type:12345", "type:a", "menu:Undo", "menu:Undo"}, "12{s}345", -2);
    row("Alt+letter types nothing", {"type:1234", "key:Alt+X"}, "1{s}234");
    row("Ctrl+Alt+minus empties", {"type:1234", "key:Ctrl+Alt+-"}, "");
    row("Ctrl+Alt+comma empties", {"type:1234", "key:Ctrl+Alt+,"}, "");
    row("Ctrl+Alt+period empties", {"type:1234", "key:Ctrl+Alt+."}, "");
    row("Ctrl+Alt+Space empties", {"type:1234", "key:Ctrl+Alt+Space"}, "");
    row("Ctrl+keypad minus empties", {"type:1234", "key:Ctrl+Num+-"}, "");
    row("Ctrl+Alt+digit types the digit", {"type:1234", "key:Ctrl+Alt+5"}, "12{s}345");
    row("typing over a selection", {"type:1234", "select:234", "type:9"}, "1{s}9");
    row("Count reads what the box shows", {"type:1234", "select:234", "type:9", "count"}, "1{s}9", -1, 20);
    row("Count reads the number shown", {"type:1234", "count"}, "1{s}234", -1, 1235);
    row("Left regroups and moves the caret", {"type:12345", "select:12", "key:Left"}, "12{s}345");
    row("Home regroups and moves the caret", {"type:12345", "key:Home"}, "12{s}345");
    row("Shift release", {"type:1234", "select:{s}2", "key:Shift"}, "1{s}234");
    row("Delete regroups", {"type:12345", "select:1", "key:Delete"}, "2{s}345");
    row("Enter passes and presses nothing", {"type:1234", "key:Return"}, "1{s}234");
    row("empty stays empty", {"key:Left", "key:Return", "key:Backspace"}, "");
    row("Tab keeps the text", {"type:12345", "key:Tab"}, "12{s}345");
    row("tabbed into, selects nothing", {"type:10", "key:Shift+Tab", "key:Tab"}, "10");
    row("Shift+Insert paste of digits", {"clip:98765", "key:Shift+Ins"}, "98{s}765");
    row("Shift+Insert paste of letters", {"type:12", "clip:abcd", "key:Shift+Ins"}, "12abcd", 6);
    row("pasted letters count as 0", {"clip:abcd", "key:Shift+Ins", "count"}, "abcd", 4, 0);
    row("pasted minus", {"clip:-5", "key:Shift+Ins", "key:End"}, "-5", 2);
    row("pasted decimal", {"clip:12;5", "key:Shift+Ins", "key:End"}, "12;5", 4);
    row("pasted empty", {"clip:", "key:Shift+Ins"}, "");
    row("menu paste of digits waits for a key", {"clip:98765", "menu:Paste"}, "98765", 5);
    row("menu paste then a release", {"clip:98765", "menu:Paste", "key:End"}, "98{s}765");
    row("menu paste of letters", {"clip:abcde", "menu:Paste", "key:End"}, "abcde", 5);
    row("input method digits", {"commit:5678"}, "5678", 4);
    row("input method filters each character", {"type:99", "commit:12a34"}, "34", 2);
    row("input method Backspace and Enter", {"type:12", "commit:\b3\b4\r5"}, "145", 3);
    row("a key bringing two characters filters each", {"type:1234", "compose:x5"}, "5");
    // Digits of any script are typed as their Latin digits.
    row("a held Persian key types Latin digits", {"hold:۱۲۳۴۵"}, "12345");
    row("pasted short Persian digits", {"clip:۱۲", "key:Shift+Ins"}, "12");
    row("input method Persian digits", {"commit:۱۲۳۴"}, "1234");
}

void InputBoxTest::editing()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(int, rows);

    for (const QString &step : steps)
        w->run(step);

    const QString expected = w->grouped(text);
    QCOMPARE(w->txtInput->text(), expected);
    QCOMPARE(w->txtInput->cursorPosition(), caret < 0 ? int(expected.size()) : caret);
    if (caret < 0)
        QCOMPARE(w->txtInput->selectedText(), caret == -2 ? expected : QString());
    QCOMPARE(w->rows(), rows);
    // Only a Count of a text that reads as 0 gives a message box.
    QCOMPARE(w->boxes.size(), std::size_t(rows == 0 && steps.contains(QStringLiteral("count")) ? 1 : 0));
}

void InputBoxTest::hugePaste_data()
{
    QTest::addColumn<QChar>("character");
    QTest::addColumn<int>("pasted");
    QTest::addColumn<int>("kept");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("message");

    const int tenMegabytes = 10 * 1024 * 1024;
    // 24,576 digits and their 8,191 separators just fit the 32,767 characters.
    QTest::newRow("digits that fit grouped") << QChar(u'7') << 24576 << 24576 << true << "Overflow";
    QTest::newRow("digits too long to group") << QChar(u'7') << 24577 << 24577 << false << "Overflow";
    QTest::newRow("10 MB of digits") << QChar(u'7') << tenMegabytes << 32767 << false << "Overflow";
    QTest::newRow("10 MB of letters") << QChar(u'x') << tenMegabytes << 32767 << false << "Subscript out of range";
}

void InputBoxTest::hugePaste()
{
    QFETCH(QChar, character);
    QFETCH(int, pasted);
    QFETCH(int, kept);
    QFETCH(bool, grouped);
    QFETCH(QString, message);

    // The box keeps the line editor's standard limit (beyond it every repaint
    // takes seconds), and a text whose grouped form would not fit stays as it
    // is: no digit is ever lost.
    QCOMPARE(w->txtInput->maxLength(), 32767);
    QApplication::clipboard()->setText(QString(pasted, character));
    w->run(QStringLiteral("key:Shift+Ins"));
    QCOMPARE(w->txtInput->text().count(character), kept);
    QCOMPARE(w->txtInput->text().size() > kept, grouped);
    w->count();
    QCOMPARE(w->boxes.size(), std::size_t(1));
    QCOMPARE(w->boxes[0].text, message);
}

void InputBoxTest::userNumbers_data()
{
    QTest::addColumn<QStringList>("steps"); // 1234 as typed or pasted
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("exp"); // of F(1234)
    QTest::addColumn<QString>("num"); // its start

    // Each row is named after the environment it runs in, in the CTest entry
    // of its own (tests/CMakeLists.txt). The numeric category decides, as
    // POSIX orders it, whatever the language.
    const QStringList typed{"type:1234"};
    const QString german = QStringLiteral("347.746.739.180.370.140.000");
    const QString english = QStringLiteral("347,746,739,180,370,140,000");
    const QString plain = QStringLiteral("347746739180370140000");
    QTest::newRow("LANG=C.UTF-8 LC_NUMERIC=de_DE.UTF-8") << typed << "1.234" << "3,4774673918037E+257" << german;
    QTest::newRow("LANG=en_US.UTF-8 LC_NUMERIC=de_DE.UTF-8") << typed << "1.234" << "3,4774673918037E+257" << german;
    QTest::newRow("LANG=de_DE.UTF-8 LC_NUMERIC=C") << typed << "1234" << "3.4774673918037E+257" << plain;
    QTest::newRow("LC_NUMERIC=de_DE.UTF-8 LC_ALL=C") << typed << "1234" << "3.4774673918037E+257" << plain;
    QTest::newRow("LANG=de_DE.UTF-8 LC_ALL=") << typed << "1.234" << "3,4774673918037E+257" << german;
    // The C library's form, pasted, where Qt writes another.
    QTest::newRow("LANG=es_MX.UTF-8") << QStringList{"clip:1\u202F234", "key:Shift+Ins"} << "1,234"
                                      << "3.4774673918037E+257" << english;
    // Qt lacks the locale: the C library's groups of four.
    QTest::newRow("LANG=cmn_TW.UTF-8") << typed << "1234" << "3.4774673918037E+257" << "34,7746,7391,8037,0140,000";
    // Latin digits, with "," and "." in place of U+066C and U+066B.
    QTest::newRow("LANG=ps_AF.UTF-8") << typed << "1,234" << "3.4774673918037E+257" << english;
    QTest::newRow("LANG=fa_IR.UTF-8") << QStringList{"type:۱۲۳۴"} << "1,234" << "3.4774673918037E+257" << english;
}

void InputBoxTest::userNumbers()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, shown);
    QFETCH(QString, exp);
    QFETCH(QString, num);
    QStringList environment;
    for (const char *variable : {"LANG", "LC_NUMERIC", "LC_ALL"}) {
        if (qEnvironmentVariableIsSet(variable))
            environment << QString::fromLatin1(variable) + u'=' + qEnvironmentVariable(variable);
    }
    if (environment.join(u' ') != QLatin1String(QTest::currentDataTag()))
        QSKIP("runs in the environment it is named after");

    for (const QString &step : steps)
        w->run(step);
    QCOMPARE(w->txtInput->text(), shown);
    w->run(QStringLiteral("count"));
    QCOMPARE(w->rows(), 1235); // read back with the same separator
    QCOMPARE(w->txtOut->toPlainText(), exp);
    QVERIFY2(w->txtOut2->toPlainText().startsWith(num), qPrintable(w->txtOut2->toPlainText().left(40)));
}

QTEST_MAIN(InputBoxTest)
#include "tst_inputBox.moc"
