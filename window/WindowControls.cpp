#include "window/WindowControls.h"

#include "accessibility/Announcement.h"
#include "accessibility/Unannounced.h"
#include "text/PlainText.h"
#include "window/list/ListView.h"
#include "ui_frmFibo.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>

QString InputBox::text() const
{
    return editor_.text();
}

void InputBox::setText(const QString &text)
{
    // Replaced as an edit of the user's, so that the box's Undo brings back
    // the text that a stray key, a regrouping or Clear replaced. The line
    // editor never trims its history, which would grow with every regrouping
    // for as long as the window is open: setting the text it already holds
    // drops the older steps and keeps only this replacement. That changes
    // nothing a screen reader should hear of, so its events are dropped.
    {
        const Unannounced unannounced;
        editor_.setText(editor_.text());
    }
    // An empty box stays so: selecting its nothing would tell screen readers
    // of a new selection, once for every letter of a long assistive edit.
    if (text.isEmpty() && editor_.text().isEmpty())
        return;
    editor_.selectAll();
    editor_.insert(text);
}

void InputBox::setSelStart(int position)
{
    editor_.deselect();
    editor_.setCursorPosition(std::clamp(position, 0, int(editor_.text().size())));
}

void InputBox::setFocus()
{
    editor_.setFocus(Qt::OtherFocusReason);
}

int InputBox::maxLength() const
{
    return editor_.maxLength();
}

namespace {

// Qt 6.4's read-only text edit still inserts an input method's commit while
// its text is selectable: the box takes none.
class CommitRefusal : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::InputMethod; }
};

} // namespace

ResultBox::ResultBox(QPlainTextEdit &editor) : editor_(editor)
{
    editor.installEventFilter(new CommitRefusal(&editor));
}

QString ResultBox::text() const
{
    return plainText(*editor_.document());
}

void ResultBox::setText(const QString &text)
{
    editor_.setPlainText(text);
}

WindowControls::WindowControls(QWidget &window, Ui::frmFibo &ui)
    : announcement(*new Announcement(&window)), // owned by the window
      messages(window),
      txtInput(*ui.txtInput),
      txtOut(*ui.txtOut),
      txtOut2(*ui.txtOut2),
      Lv(setUpListView(*ui.Lv, messages, announcement), *ui.Lv)
{
}
