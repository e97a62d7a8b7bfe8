#include "accessibility/TextBoxAccessible.h"

#include "accessibility/ContextMenus.h"
#include "text/PlainText.h"
#include "accessibility/TextSegments.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

TextBoxAccessible::TextBoxAccessible(QWidget *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

QLineEdit *TextBoxAccessible::lineEdit() const
{
    return qobject_cast<QLineEdit *>(widget());
}

QPlainTextEdit *TextBoxAccessible::plainTextEdit() const
{
    return qobject_cast<QPlainTextEdit *>(widget());
}

QString TextBoxAccessible::wholeText() const
{
    if (const QLineEdit *box = lineEdit())
        return box->text();
    return plainText(*plainTextEdit()->document());
}

bool TextBoxAccessible::acceptsEdits() const
{
    const QLineEdit *box = lineEdit();
    return box && !box->isReadOnly();
}

void *TextBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return acceptsEdits() ? static_cast<QAccessibleEditableTextInterface *>(this) : nullptr;
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TextBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    const bool readOnly = lineEdit() ? lineEdit()->isReadOnly() : plainTextEdit()->isReadOnly();
    state.readOnly = readOnly;
    state.editable = !readOnly;
    state.multiLine = plainTextEdit() != nullptr;
    state.selectableText = true;
    return state;
}

QString TextBoxAccessible::text(QAccessible::Text type) const
{
    if (type == QAccessible::Value)
        return wholeText();
    return QAccessibleWidget::text(type);
}

void TextBoxAccessible::setText(QAccessible::Text type, const QString &text)
{
    if (type == QAccessible::Value)
        typeOver(0, characterCount(), text);
}

int TextBoxAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + contextMenuCount(*widget());
}

QAccessibleInterface *TextBoxAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    return index < widgets ? QAccessibleWidget::child(index) : contextMenu(*widget(), index - widgets);
}

int TextBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const int menu = contextMenuIndex(*widget(), child);
    return menu < 0 ? QAccessibleWidget::indexOfChild(child) : QAccessibleWidget::childCount() + menu;
}

void TextBoxAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0)
        return;
    if (const QLineEdit *box = lineEdit()) {
        if (box->hasSelectedText()) {
            *startOffset = box->selectionStart();
            *endOffset = box->selectionEnd();
        }
        return;
    }
    const QTextCursor cursor = plainTextEdit()->textCursor();
    *startOffset = cursor.selectionStart();
    *endOffset = cursor.selectionEnd();
}

int TextBoxAccessible::selectionCount() const
{
    if (const QLineEdit *box = lineEdit())
        return box->hasSelectedText() ? 1 : 0;
    return plainTextEdit()->textCursor().hasSelection() ? 1 : 0;
}

void TextBoxAccessible::addSelection(int startOffset, int endOffset)
{
    // A box has one selection: adding one replaces it.
    setSelection(0, startOffset, endOffset);
}

void TextBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    if (QLineEdit *box = lineEdit()) {
        box->deselect();
        return;
    }
    QTextCursor cursor = plainTextEdit()->textCursor();
    cursor.clearSelection();
    plainTextEdit()->setTextCursor(cursor);
}

void TextBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int length = characterCount();
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = std::clamp(endOffset, 0, length);
    if (QLineEdit *box = lineEdit()) {
        box->setSelection(startOffset, endOffset - startOffset);
        return;
    }
    QTextCursor cursor = plainTextEdit()->textCursor();
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    plainTextEdit()->setTextCursor(cursor);
}

int TextBoxAccessible::cursorPosition() const
{
    if (const QLineEdit *box = lineEdit())
        return box->cursorPosition();
    return plainTextEdit()->textCursor().position();
}

void TextBoxAccessible::setCursorPosition(int position)
{
    position = std::clamp(position, 0, characterCount());
    if (QLineEdit *box = lineEdit()) {
        box->setCursorPosition(position);
        return;
    }
    QTextCursor cursor = plainTextEdit()->textCursor();
    cursor.setPosition(position);
    plainTextEdit()->setTextCursor(cursor);
}

QString TextBoxAccessible::text(int startOffset, int endOffset) const
{
    const QString whole = wholeText();
    startOffset = std::clamp(startOffset, 0, int(whole.size()));
    endOffset = std::clamp(endOffset, startOffset, int(whole.size()));
    return whole.mid(startOffset, endOffset - startOffset);
}

std::vector<int> TextBoxAccessible::lineStarts() const
{
    // The lines as the box shows them, wrapped; a line edit shows one.
    std::vector<int> starts;
    const QPlainTextEdit *box = plainTextEdit();
    if (!box)
        return starts;
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
        // Asking for its rectangle lays out a block not shown yet.
        box->document()->documentLayout()->blockBoundingRect(block);
        const QTextLayout *layout = block.layout();
        for (int line = 1; layout && line < layout->lineCount(); ++line)
            starts.push_back(block.position() + layout->lineAt(line).textStart());
    }
    return starts;
}

QString TextBoxAccessible::answer(int offset, QAccessible::TextBoundaryType boundaryType, TextQuery query,
                                  int *startOffset, int *endOffset) const
{
    const QString whole = wholeText();
    const TextSpan span = textSpan(whole, lineStarts(), boundaryType, query, offset);
    *startOffset = span.start;
    *endOffset = span.end;
    return span.start < 0 ? QString() : whole.mid(span.start, span.end - span.start);
}

QString TextBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                            int *endOffset) const
{
    return answer(offset, boundaryType, TextQuery::Before, startOffset, endOffset);
}

QString TextBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                           int *endOffset) const
{
    return answer(offset, boundaryType, TextQuery::After, startOffset, endOffset);
}

QString TextBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                        int *endOffset) const
{
    return answer(offset, boundaryType, TextQuery::At, startOffset, endOffset);
}

int TextBoxAccessible::characterCount() const
{
    return int(wholeText().size());
}

QRect TextBoxAccessible::characterRect(int offset) const
{
    if (offset < 0 || offset > characterCount())
        return {};
    if (const QLineEdit *box = lineEdit()) {
        // The line edit tells where its caret is, not where other characters are.
        if (offset != box->cursorPosition())
            return {};
        const QRect caret = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        return QRect(box->mapToGlobal(caret.topLeft()), caret.size());
    }
    const QPlainTextEdit *box = plainTextEdit();
    QTextCursor cursor(box->document());
    cursor.setPosition(offset);
    QRect rect = box->cursorRect(cursor);
    const QString character = wholeText().mid(offset, 1);
    rect.setWidth(character.isEmpty() ? 1 : box->fontMetrics().horizontalAdvance(character));
    return QRect(box->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int TextBoxAccessible::offsetAtPoint(const QPoint &point) const
{
    if (QLineEdit *box = lineEdit()) {
        const QPoint local = box->mapFromGlobal(point);
        return box->rect().contains(local) ? box->cursorPositionAt(local) : -1;
    }
    const QPlainTextEdit *box = plainTextEdit();
    const QPoint local = box->viewport()->mapFromGlobal(point);
    return box->viewport()->rect().contains(local) ? box->cursorForPosition(local).position() : -1;
}

void TextBoxAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    // Moving the caret over the stretch is what scrolls a box to it.
    setCursorPosition(endIndex);
    setCursorPosition(startIndex);
}

QString TextBoxAccessible::attributes(int offset, int *startOffset, int *endOffset) const
{
    // One run without attributes of its own: the box's font and colours are the widget's.
    Q_UNUSED(offset)
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}

void TextBoxAccessible::deleteText(int startOffset, int endOffset)
{
    typeOver(startOffset, endOffset, QString());
}

void TextBoxAccessible::insertText(int offset, const QString &text)
{
    typeOver(offset, offset, text);
}

void TextBoxAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    typeOver(startOffset, endOffset, text);
}

void TextBoxAccessible::typeOver(int startOffset, int endOffset, const QString &text)
{
    // The edit is typed: the stretch is selected, then one key press brings
    // the text (as a compose sequence would) or Backspace for none, and its
    // release follows. The box's filter and regrouping see it as they see the
    // keyboard, and a read-only box takes nothing.
    QLineEdit *box = lineEdit();
    if (!box || box->isReadOnly())
        return;
    const int length = int(box->text().size());
    startOffset = std::clamp(startOffset, 0, length);
    endOffset = std::clamp(endOffset, startOffset, length);
    if (text.isEmpty() && startOffset == endOffset)
        return;
    box->setSelection(startOffset, endOffset - startOffset);
    const Qt::Key key = text.isEmpty() ? Qt::Key_Backspace : Qt::Key_unknown;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(box, &press);
    QCoreApplication::sendEvent(box, &release);
}
