#pragma once

#include <QAccessibleWidget>

#include <vector>

class QLineEdit;
class QPlainTextEdit;
enum class TextQuery;

// A QLineEdit or QPlainTextEdit for assistive tools, in place of Qt 6.4's
// interface, whose word query at the end of a line edit never returns (a
// screen reader hung the program after 12345 was typed). Boundaries come from
// textSpan (TextSegments.h); a box the user may type in takes edits as typed
// keys, so that its key handling applies.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QWidget *box);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text type, const QString &text) override;
    // Its open context menu is its last child (ContextMenus.h).
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *lineEdit() const;
    QPlainTextEdit *plainTextEdit() const;
    QString wholeText() const;
    bool acceptsEdits() const;
    std::vector<int> lineStarts() const;
    QString answer(int offset, QAccessible::TextBoundaryType boundaryType, TextQuery query, int *startOffset,
                   int *endOffset) const;
    void typeOver(int startOffset, int endOffset, const QString &text);
};
