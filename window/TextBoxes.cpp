#include "TextBoxes.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <limits>

template <typename Editor>
void EditorBox<Editor>::setFocus()
{
    editor_.setFocus(Qt::OtherFocusReason);
}

template <>
QString LineEditBox::text() const
{
    return editor_.text();
}

template <>
void LineEditBox::setText(const QString &text)
{
    // Replaced as an edit of the user's, not with QLineEdit::setText, which
    // would clear the undo history: the box's Undo brings back the text that
    // a stray key emptied.
    editor_.selectAll();
    editor_.insert(text);
}

template <>
void LineEditBox::setSelStart(int position)
{
    editor_.deselect();
    editor_.setCursorPosition(std::clamp(position, 0, int(editor_.text().size())));
}

template <>
int LineEditBox::maxLength() const
{
    return editor_.maxLength();
}

template <>
QString PlainTextBox::text() const
{
    return editor_.toPlainText();
}

template <>
void PlainTextBox::setText(const QString &text)
{
    editor_.setPlainText(text);
}

template <>
void PlainTextBox::setSelStart(int position)
{
    QTextCursor cursor = editor_.textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.setPosition(std::clamp(position, 0, cursor.position()));
    editor_.setTextCursor(cursor);
}

template <>
int PlainTextBox::maxLength() const
{
    return std::numeric_limits<int>::max();
}

template class EditorBox<QLineEdit>;
template class EditorBox<QPlainTextEdit>;
