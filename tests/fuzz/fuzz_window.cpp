// The real window, one for the whole run, under arbitrary sequences of user
// actions from a cleared window: its invariants are checked after each, and a
// failure prints the actions so far and traps. LC_ALL is CORVANE_FUZZ_LOCALE,
// de_DE.UTF-8 when unset.
#include "number/ModFibo.h"
#include "number/TextForms.h"
#include "text/PlainText.h"
#include "tests/WindowDriver.h"
#include "app/ApplicationSetup.h"
#include "window/UserNumericSettings.h"
#include "window/frmFibo.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QTreeView>
#include <QtTest/qtestkeyboard.h>
#include <QtTest/qtestspontaneevent.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int maxActions = 64;
constexpr int maxTextLength = 8;

struct Window : NamedControls {
    explicit Window(std::unique_ptr<frmFibo> window) : NamedControls(*window), form(std::move(window)) {}

    std::unique_ptr<frmFibo> form;
    ModFibo::NumericSettings numeric = userNumericSettings(); // the user's, as the window works them out
    // What the buttons did during the current action, however they were pressed.
    int counts = 0;
    int clears = 0;
    QString countedText;
};

Window *window = nullptr;
std::vector<std::string> actionLog;

std::string printable(const QString &text)
{
    std::string out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            out += char(c.unicode());
        } else {
            char code[8];
            std::snprintf(code, sizeof code, "\\u%04x", c.unicode());
            out += code;
        }
    }
    return out;
}

[[noreturn]] void fail(const std::string &what)
{
    std::fprintf(stderr, "fuzz_window: %s\n  locale %s, actions:\n", what.c_str(),
                 qPrintable(QLocale::system().name()));
    for (const std::string &action : actionLog)
        std::fprintf(stderr, "    %s\n", action.c_str());
    std::fprintf(stderr, "  txtInput \"%s\"\n  txtOut \"%s\"\n  txtOut2 \"%s\"\n  rows %d\n",
                 printable(window->txtInput->text()).c_str(), printable(window->txtOut->toPlainText()).c_str(),
                 printable(window->txtOut2->toPlainText()).c_str(), window->Lv->model()->rowCount());
    __builtin_trap();
}

void check(bool condition, const std::string &what)
{
    if (!condition)
        fail(what);
}

class Bytes {
public:
    Bytes(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return size_ == 0; }
    std::uint8_t next()
    {
        if (size_ == 0)
            return 0;
        --size_;
        return *data_++;
    }

private:
    const std::uint8_t *data_;
    std::size_t size_;
};

// A short text, mostly digits, with the separators and blanks of several
// locales, signs, letters, control characters and characters beyond Latin-1.
QString shortText(Bytes &bytes)
{
    static const char16_t *const pieces[] = {
        u".", u",", u" ", u"\u00a0", u"\u202f", u"\u2019", u"'", u"-", u"+", u"a", u"Z", u"E", u"\t", u"\n",
        u"\r", u"\b", u"\u00e9", u"\u0663", u"\U0001F600", u"\u200b", u"\x7f", u"\x1b", u"00",
        u"\u066c", u"\u066b", u"\u06f4", u"\U0001D7D7",
    };
    const int length = bytes.next() % (maxTextLength + 1);
    QString text;
    for (int i = 0; i < length; ++i) {
        const std::uint8_t b = bytes.next();
        if (b < 128)
            text += QChar(u'0' + b % 10);
        else
            text += QString::fromUtf16(pieces[b % std::size(pieces)]);
    }
    return text;
}

struct Key {
    Qt::Key key;
    const char16_t *text;
};

const Key keys[] = {
    {Qt::Key_0, u"0"},        {Qt::Key_1, u"1"},         {Qt::Key_5, u"5"},        {Qt::Key_9, u"9"},
    {Qt::Key_A, u"a"},        {Qt::Key_C, u"c"},         {Qt::Key_V, u"v"},        {Qt::Key_Z, u"z"},
    {Qt::Key_X, u"x"},        {Qt::Key_Y, u"y"},         {Qt::Key_E, u"e"},        {Qt::Key_Space, u" "},
    {Qt::Key_Minus, u"-"},    {Qt::Key_Period, u"."},    {Qt::Key_Comma, u","},    {Qt::Key_Plus, u"+"},
    {Qt::Key_Backspace, u"\b"}, {Qt::Key_Return, u"\r"}, {Qt::Key_Enter, u"\r"},   {Qt::Key_Escape, u"\x1b"},
    {Qt::Key_Delete, u"\x7f"}, {Qt::Key_Left, u""},      {Qt::Key_Right, u""},     {Qt::Key_Up, u""},
    {Qt::Key_Down, u""},      {Qt::Key_Home, u""},       {Qt::Key_End, u""},       {Qt::Key_Tab, u"\t"},
    {Qt::Key_Backtab, u""},   {Qt::Key_Insert, u""},     {Qt::Key_Shift, u""},     {Qt::Key_Control, u""},
    {Qt::Key_F5, u""},        {Qt::Key_Eacute, u"\u00e9"}, {Qt::Key_BracketLeft, u"["}, {Qt::Key_PageDown, u""},
    // A Persian and an Arabic layout's digits: xkb names the key after the character.
    {Qt::Key(0x06F1), u"\u06f1"}, {Qt::Key(0x0667), u"\u0667"},
};

const Qt::KeyboardModifiers modifierSets[] = {
    Qt::NoModifier, Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier,
    Qt::ControlModifier | Qt::ShiftModifier, Qt::KeypadModifier, Qt::ControlModifier | Qt::AltModifier,
};

// The key press or release as the platform would deliver it: Shift makes
// letters capitals, Ctrl+letter carries its control code, Backtab comes with
// Shift.
struct KeyStroke {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

KeyStroke keyStroke(Bytes &bytes)
{
    const Key &k = keys[bytes.next() % std::size(keys)];
    KeyStroke stroke{k.key, modifierSets[bytes.next() % std::size(modifierSets)], QString::fromUtf16(k.text)};
    if (stroke.key == Qt::Key_Backtab)
        stroke.modifiers |= Qt::ShiftModifier;
    const bool letter = stroke.key >= Qt::Key_A && stroke.key <= Qt::Key_Z;
    if (letter && (stroke.modifiers & Qt::ShiftModifier))
        stroke.text = stroke.text.toUpper();
    if (letter && (stroke.modifiers & Qt::ControlModifier))
        stroke.text = QString(QChar(char16_t(stroke.key - Qt::Key_A + 1)));
    return stroke;
}

std::string describe(const char *verb, const KeyStroke &stroke, bool autoRepeat = false)
{
    return std::string(verb) + " " + QKeySequence(stroke.key | stroke.modifiers).toString().toStdString() + " text \""
           + printable(stroke.text) + "\"" + (autoRepeat ? " (auto-repeat)" : "");
}

QWidget *focusTarget()
{
    if (QWidget *widget = QApplication::focusWidget())
        return widget;
    if (QWidget *widget = window->form->focusWidget())
        return widget;
    return window->txtInput;
}

// Sends a key event the way the toolkit delivers a real one: spontaneous, and
// a press first offered to the window's shortcuts (the buttons' mnemonics).
// Returns the widget that got it.
QWidget *sendKey(bool press, const KeyStroke &stroke, bool autoRepeat)
{
    static ulong timestamp = 0;
    QWidget *target = focusTarget();
    // Space would press Close, which ends the program on purpose.
    if (target == window->cmdClose && stroke.key == Qt::Key_Space)
        target = window->txtInput;
    ++timestamp;
    if (press && qt_sendShortcutOverrideEvent(target, timestamp, stroke.key, stroke.modifiers, stroke.text, autoRepeat))
        return target;
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, stroke.key, stroke.modifiers, stroke.text,
                    autoRepeat);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(target, &event);
    return target;
}

// Only digits and the locale's digit-group separators, or nothing.
bool numberText(const QString &text)
{
    QString rest = text;
    if (!window->numeric.grouping.separator.isEmpty())
        rest.remove(window->numeric.grouping.separator);
    for (const QChar c : rest) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

void checkOutputs(bool afterCount, std::size_t boxes)
{
    const int rows = window->Lv->model()->rowCount();
    // The boxes' text as it leaves them: toPlainText would turn the no-break
    // spaces of sv_SE's groups into plain ones.
    const QString out = plainText(*window->txtOut->document());
    const QString out2 = plainText(*window->txtOut2->document());
    check((rows == 0) == out.isEmpty(), "list and txtOut disagree on being empty");
    check((rows == 0) == out2.isEmpty(), "list and txtOut2 disagree on being empty");
    if (rows > 0) {
        const auto cell = [](int row, int column) { return window->Lv->model()->index(row, column).data().toString(); };
        check(out2 == cell(rows - 1, 2), "txtOut2 is not the last row's NUM text");
        check(out == cell(rows - 1, 1), "txtOut is not the last row's EXP text");
        check(cell(rows - 1, 0) == QString::number(rows - 1), "the last row's index is not the row count less one");
        check(rows >= 2, "a table of fewer than two rows");
        check(cell(0, 0) == u"0", "the first row is not F(0)");
    }
    if (!afterCount)
        return;

    // Count lists F(0)..F(n) for n read from the box, 1 <= n <= 1476;
    // any other n gives one message box and an empty table.
    const double n = std::nearbyint(ModFibo::TextToNumber(window->countedText, window->numeric.grouping));
    if (n >= 1 && n <= 1476) {
        check(rows == int(n) + 1, "Count did not list F(0)..F(n)");
        check(boxes == 0, "Count of a valid n showed a message box");
        check(!window->Lv->selectionModel()->hasSelection(), "Count left a row selected");
    } else {
        check(rows == 0, "Count of an invalid n left rows");
        check(boxes == 1, "Count of an invalid n did not show exactly one message box");
    }
}

// Text that is not a number only ever comes from a paste. Once the box has
// held one, Undo can bring it back after the box was emptied, so from the
// first paste on any text goes.
void checkInputBox(bool pasted, bool &pastedBefore)
{
    pastedBefore = pastedBefore || pasted;
    const QString text = window->txtInput->text();
    if (text.isEmpty() || numberText(text))
        return;
    check(pastedBefore, "the box holds a text that is neither a number nor pasted");
}

// After a release of a key, not a repeated one, in the box: a number shows
// Latin digits alone, and one of more than three characters is grouped, the
// caret at its end.
void checkRegrouped()
{
    const QString text = window->txtInput->text();
    const std::optional<QString> grouped = ModFibo::TextForms(window->numeric).regroupedText(text);
    if (!grouped || grouped->size() > window->txtInput->maxLength())
        return;
    for (const uint c : text.toUcs4())
        check(!QChar::isDigit(c) || (c >= '0' && c <= '9'), "a key release left a digit of another script");
    if (text.size() <= 3)
        return;
    check(text == *grouped, "a key release left the number ungrouped");
    check(window->txtInput->cursorPosition() == text.size() && !window->txtInput->hasSelectedText(),
          "a key release that regrouped left the caret inside or a selection");
}

void menuPaste()
{
    std::unique_ptr<QMenu> menu(window->txtInput->createStandardContextMenu());
    const auto actions = menu->actions();
    for (QAction *action : actions) {
        if (action->text().remove(u'&').startsWith(u"Paste")) {
            if (action->isEnabled())
                action->trigger();
            return;
        }
    }
    fail("the box's context menu has no Paste");
}

// Runs one action; returns what the invariants need to know about it.
struct Done {
    bool pasted = false;
    bool releasedInBox = false;
};

Done runAction(Bytes &bytes)
{
    Done done;
    const std::uint8_t op = bytes.next() % 16;
    switch (op) {
    case 0:
    case 1:
    case 2:
    case 3: { // type a digit
        const int digit = bytes.next() % 10;
        const KeyStroke stroke{Qt::Key(Qt::Key_0 + digit), Qt::NoModifier, QString(QChar(u'0' + digit))};
        actionLog.push_back(describe("type", stroke));
        sendKey(true, stroke, false);
        done.releasedInBox = sendKey(false, stroke, false) == window->txtInput;
        break;
    }
    case 4:
    case 5:
    case 6: { // press and release a key
        const KeyStroke stroke = keyStroke(bytes);
        actionLog.push_back(describe("key", stroke));
        done.pasted = stroke.key == Qt::Key_Insert && (stroke.modifiers & Qt::ShiftModifier);
        sendKey(true, stroke, false);
        done.releasedInBox = sendKey(false, stroke, false) == window->txtInput;
        break;
    }
    case 7: { // press only, maybe a repeat of a held key
        const bool repeat = bytes.next() & 1;
        const KeyStroke stroke = keyStroke(bytes);
        actionLog.push_back(describe("press", stroke, repeat));
        done.pasted = stroke.key == Qt::Key_Insert && (stroke.modifiers & Qt::ShiftModifier);
        sendKey(true, stroke, repeat);
        break;
    }
    case 8: { // release only
        const bool repeat = bytes.next() & 1;
        const KeyStroke stroke = keyStroke(bytes);
        actionLog.push_back(describe("release", stroke, repeat));
        done.releasedInBox = sendKey(false, stroke, repeat) == window->txtInput && !repeat;
        break;
    }
    case 9: { // paste with Shift+Insert
        const QString text = shortText(bytes);
        actionLog.push_back("paste with Shift+Insert \"" + printable(text) + "\"");
        QApplication::clipboard()->setText(text);
        const KeyStroke stroke{Qt::Key_Insert, Qt::ShiftModifier, QString()};
        done.pasted = true;
        sendKey(true, stroke, false);
        done.releasedInBox = sendKey(false, stroke, false) == window->txtInput;
        break;
    }
    case 10: { // paste from the context menu
        const QString text = shortText(bytes);
        actionLog.push_back("paste from the menu \"" + printable(text) + "\"");
        QApplication::clipboard()->setText(text);
        done.pasted = true;
        menuPaste();
        break;
    }
    case 11:
        actionLog.push_back("click Clear");
        window->cmdClear->click();
        break;
    case 12:
        actionLog.push_back("click Count");
        window->cmdCount->click();
        break;
    case 13: { // an input method commits a text
        const QString text = shortText(bytes);
        actionLog.push_back("commit \"" + printable(text) + "\"");
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(window->txtInput, &event);
        break;
    }
    case 14: { // a key press that delivers several characters (compose)
        const QString text = shortText(bytes);
        actionLog.push_back("compose \"" + printable(text) + "\"");
        const KeyStroke stroke{Qt::Key_unknown, Qt::NoModifier, text};
        sendKey(true, stroke, false);
        done.releasedInBox = sendKey(false, {Qt::Key_unknown, Qt::NoModifier, QString()}, false) == window->txtInput;
        break;
    }
    case 15: { // select with the mouse, or click to place the caret
        const int length = int(window->txtInput->text().size()) + 1;
        const int from = bytes.next() % length;
        const int count = bytes.next() % (length - from);
        actionLog.push_back("select " + std::to_string(from) + "," + std::to_string(count));
        window->txtInput->setFocus(Qt::MouseFocusReason);
        if (count == 0)
            window->txtInput->setCursorPosition(from);
        else
            window->txtInput->setSelection(from, count);
        break;
    }
    }
    return done;
}

void startWindow()
{
    window = new Window(std::make_unique<frmFibo>());
    QWidget &form = *window->form;
    // Connected after the window's own handlers, so these see what they did.
    QObject::connect(window->cmdCount, &QPushButton::clicked, [] {
        ++window->counts;
        window->countedText = window->txtInput->text();
    });
    QObject::connect(window->cmdClear, &QPushButton::clicked, [] { ++window->clears; });
    QObject::connect(window->cmdClose, &QPushButton::clicked, [] { fail("Close was pressed"); });

    form.show();
    for (int i = 0; i < 200 && !form.isActiveWindow(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!form.isActiveWindow())
        qFatal("the window did not become active");
}

QtMessageHandler defaultMessages = nullptr;

void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // The offscreen platform says this for every message box it shows.
    if (type == QtWarningMsg && message.contains(u"propagateSizeHints"))
        return;
    if (defaultMessages)
        defaultMessages(type, context, message);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***argv)
{
    defaultMessages = qInstallMessageHandler(quietMessages);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const char *locale = std::getenv("CORVANE_FUZZ_LOCALE");
    setenv("LC_ALL", locale && *locale ? locale : "de_DE.UTF-8", 1);
    static int argc = 1;
    static char *args[] = {(*argv)[0], nullptr};
    new QApplication(argc, args);
    setUpApplication();
    startWindow();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    actionLog.clear();
    // Every input starts from a cleared window with the box focused.
    answeringMessageBoxes([] { window->cmdClear->click(); });
    // Clear empties the box as an undoable edit; QLineEdit::setText also
    // forgets what came before, so each input replays alone.
    window->txtInput->setText(QString());
    QApplication::clipboard()->setText(QStringLiteral("clip"));
    window->form->activateWindow();
    window->txtInput->setFocus(Qt::OtherFocusReason);
    QApplication::processEvents();
    check(window->txtInput->text().isEmpty() && window->txtOut->toPlainText().isEmpty()
              && window->txtOut2->toPlainText().isEmpty() && window->Lv->model()->rowCount() == 0,
          "Clear did not empty the window");
    check(window->form->isVisible(), "the window is gone");

    bool pastedBefore = false;
    Bytes bytes(data, size);
    for (int i = 0; i < maxActions && !bytes.empty(); ++i) {
        window->counts = 0;
        window->clears = 0;
        Done done;
        std::vector<SeenMessageBox> boxes;
        try {
            boxes = answeringMessageBoxes([&] {
                done = runAction(bytes);
                QApplication::processEvents();
                // Alt+C presses Count with a click that comes once the button
                // has shown itself down for a moment: the action lasts until then.
                const QDeadlineTimer shownDown(500);
                while (window->cmdCount->isDown() && !shownDown.hasExpired()) {
                    QThread::msleep(5);
                    QApplication::processEvents();
                }
            });
        } catch (const std::exception &error) {
            fail(std::string("an exception left the window: ") + error.what());
        } catch (...) {
            fail("an exception left the window");
        }

        check(window->form->isVisible(), "the window is gone");
        check(window->counts <= 1, "one action pressed Count more than once");
        if (window->clears > 0 && window->counts == 0) {
            check(window->txtInput->text().isEmpty() && window->txtOut->toPlainText().isEmpty()
                      && window->txtOut2->toPlainText().isEmpty() && window->Lv->model()->rowCount() == 0,
                  "Clear did not empty the window");
        }
        if (window->counts == 0 && window->clears == 0)
            check(boxes.empty(), "a message box without Count");
        checkInputBox(done.pasted, pastedBefore);
        if (done.releasedInBox)
            checkRegrouped();
        checkOutputs(window->counts == 1 && window->clears == 0, boxes.size());
    }
    return 0;
}
