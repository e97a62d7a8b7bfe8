// The input box's keyboard rules: only digits, Backspace and Enter are typed,
// anything else empties the box; on every key release the digits are
// regrouped by the regional settings.
#include "window/frmFibo.h"

#include "accessibility/Unannounced.h"
#include "number/Digits.h"
#include "number/TextForms.h"
#include "sequence/UntrappedErrors.h"
#include "window/keys/KeyCodes.h"
#include "window/WindowControls.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace {

QString codeText(int code)
{
    const auto c = char32_t(code);
    return QString::fromUcs4(&c, 1);
}

} // namespace

void frmFibo::txtInput_KeyPress(int &KeyAscii)
{
    // A digit of any script is typed as its Latin digit.
    const int digit = ModFibo::digitValue(char32_t(KeyAscii));
    if (digit >= 0) {
        KeyAscii = '0' + digit;
    } else if (KeyAscii != 8 && KeyAscii != 13) {
        KeyAscii = 0;
        controls->txtInput.setText(QString());
    }
}

void frmFibo::txtInput_KeyUp(int &KeyCode, int &Shift)
{
    // Whatever the key: the regrouping looks only at the text.
    Q_UNUSED(KeyCode)
    Q_UNUSED(Shift)
    const QString text = controls->txtInput.text();
    // A pasted text that is not a number is left exactly as it is.
    const std::optional<QString> grouped = ModFibo::TextForms(numeric).regroupedText(text);
    if (!grouped)
        return;
    // Three characters or fewer are not regrouped, but a pasted digit of
    // another script is shown as its Latin digit, as if typed.
    if (text.size() <= 3) {
        const QString latin = ModFibo::latinDigits(text);
        if (latin != text)
            controls->txtInput.setText(latin);
        return;
    }
    // Neither is a number whose grouped form would not fit the box: no digit is lost.
    if (grouped->size() > controls->txtInput.maxLength())
        return;
    // Setting the same text again would only make the box lay out again. A
    // screen reader hears the user's key, not the regrouping.
    if (*grouped != text) {
        const Unannounced unannounced;
        controls->txtInput.setText(*grouped);
    }
    controls->txtInput.setSelStart(int(controls->txtInput.text().size()));
}

bool frmFibo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &controls->txtInput.editor())
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::FocusIn: {
        // Qt selects the whole text of a box tabbed into, and the key's
        // release, regrouping, drops the selection again: a screen reader
        // heard the text selected and unselected. The box keeps its caret.
        const Qt::FocusReason reason = static_cast<const QFocusEvent &>(*event).reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
            return false;
        QFocusEvent keepingCaret(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(watched, &keepingCaret);
        return true;
    }
    case QEvent::KeyPress:
        return txtInputKeyPressed(static_cast<const QKeyEvent &>(*event));
    case QEvent::KeyRelease: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        // The releases of a held, repeating key are the toolkit's, not the user's.
        if (!key.isAutoRepeat()) {
            int keyCode = key.key();
            const auto modifiers = key.modifiers();
            int shift = (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
                        | (modifiers & Qt::AltModifier ? 4 : 0);
            handle([&] { txtInput_KeyUp(keyCode, shift); });
        }
        // A release that the program sent itself (an edit by an assistive
        // tool, typed as keys) ends here: the editor would only ask for the
        // on-screen keyboard, which under a Wayland compositor without a seat
        // crashes Qt 6.4.
        return !key.spontaneous();
    }
    case QEvent::InputMethod: {
        // A commit of Latin digits alone is typed by the box itself, pre-edit
        // and all; anything else goes through the filter character by character.
        const QString committed = static_cast<const QInputMethodEvent &>(*event).commitString();
        const bool latinDigitsOnly = std::all_of(committed.cbegin(), committed.cend(), [](QChar c) {
            return c.unicode() < 0x80 && ModFibo::digitValue(c.unicode()) >= 0;
        });
        return !latinDigitsOnly && typeCharacters(committed);
    }
    default:
        return false;
    }
}

bool frmFibo::txtInputKeyPressed(const QKeyEvent &event)
{
    if (typesNothingButHasText(event))
        return true;
    if (const std::optional<int> code = typedCharacterCode(event)) {
        int KeyAscii = *code;
        handle([&] { txtInput_KeyPress(KeyAscii); });
        if (KeyAscii == 0)
            return true;
        if (KeyAscii == *code)
            return false; // typed by the box's own editing
        // The code that the filter left in place of the key's.
        controls->txtInput.editor().insert(codeText(KeyAscii));
        return true;
    }
    // A compose sequence can deliver several characters in one key press.
    if (event.text().size() > 1 && lineEditInsertsText(event))
        return typeCharacters(event.text());
    return false;
}

bool frmFibo::typeCharacters(const QString &text)
{
    // Each character goes through the filter in turn and then acts as a typed
    // key would: a rejected one empties the box, Backspace deletes, Enter types
    // nothing into a one-line box.
    QString typed;
    for (const char32_t c : text.toUcs4()) {
        int KeyAscii = int(c);
        handle([&] { txtInput_KeyPress(KeyAscii); });
        if (KeyAscii == 0)
            typed.clear();
        else if (KeyAscii == 8 && !typed.isEmpty())
            typed.chop(1);
        else if (KeyAscii == 8)
            controls->txtInput.editor().backspace();
        else if (KeyAscii != 13)
            typed.append(codeText(KeyAscii));
    }
    // The box keeps what fits; Qt 6.4 copies a longer text once for every
    // character it keeps (32,767 times for a 40,000-digit edit).
    QLineEdit &box = controls->txtInput.editor();
    const qsizetype room = box.maxLength() - box.text().size() + box.selectedText().size();
    if (!typed.isEmpty())
        box.insert(typed.left(room));
    return true;
}
