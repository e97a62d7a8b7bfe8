#include "window/keys/KeyCodes.h"

#include <QKeyEvent>

namespace {

bool heldWithoutCtrl(const QKeyEvent &event)
{
    const auto modifiers = event.modifiers();
    return (modifiers & (Qt::AltModifier | Qt::MetaModifier)) && !(modifiers & Qt::ControlModifier);
}

} // namespace

std::optional<int> typedCharacterCode(const QKeyEvent &event)
{
    const int key = event.key();
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return ctrl ? 127 : 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return ctrl ? 10 : 13;
    default:
        break;
    }
    if (heldWithoutCtrl(event))
        return std::nullopt;
    if (ctrl) {
        // Whatever text the toolkit attaches, Ctrl+letter types its control code.
        if (key >= Qt::Key_A && key <= Qt::Key_Z)
            return key - Qt::Key_A + 1;
        switch (key) {
        case Qt::Key_BracketLeft:
            return 27;
        case Qt::Key_Backslash:
            return 28;
        case Qt::Key_BracketRight:
            return 29;
        default:
            break;
        }
        // Any other Ctrl key press that the line editor would insert is typed
        // like a plain one: the filter must see it.
        if (!lineEditInsertsText(event))
            return std::nullopt;
    }
    const QString text = event.text();
    if (text.size() == 1)
        return text.at(0).unicode();
    if (text.size() == 2 && text.at(0).isHighSurrogate())
        return int(QChar::surrogateToUcs4(text.at(0), text.at(1)));
    return std::nullopt;
}

bool lineEditInsertsText(const QKeyEvent &event)
{
    // Qt 6's rule for text input (QInputControl::isAcceptableInput): a
    // formatting character always; otherwise printable text, unless Ctrl or
    // Ctrl+Shift alone is held.
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const QChar c = text.front();
    if (c.category() == QChar::Other_Format)
        return true;
    const auto modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return c.isPrint() || c.category() == QChar::Other_PrivateUse
           || (c.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
}

bool typesNothingButHasText(const QKeyEvent &event)
{
    return heldWithoutCtrl(event) && lineEditInsertsText(event);
}
