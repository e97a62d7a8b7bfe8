#include "TextBoxes.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>
#include <limits>

QString LineEditBox::text() const
{
    return edit_.text();
}

void LineEditBox::setText(const QString &text)
{
    edit_.setText(text);
}

void LineEditBox::setSelStart(int position)
{
    edit_.deselect();
    edit_.setCursorPosition(std::clamp(position, 0, int(edit_.text().size())));
}

void LineEditBox::setFocus()
{
    edit_.setFocus(Qt::OtherFocusReason);
}

int LineEditBox::maxLength() const
{
    return edit_.maxLength();
}

QString PlainTextBox::text() const
{
    return edit_.toPlainText();
}

void PlainTextBox::setText(const QString &text)
{
    edit_.setPlainText(text);
}

void PlainTextBox::setSelStart(int position)
{
    QTextCursor cursor = edit_.textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.setPosition(std::clamp(position, 0, cursor.position()));
    edit_.setTextCursor(cursor);
}

void PlainTextBox::setFocus()
{
    edit_.setFocus(Qt::OtherFocusReason);
}

int PlainTextBox::maxLength() const
{
    return std::numeric_limits<int>::max();
}
