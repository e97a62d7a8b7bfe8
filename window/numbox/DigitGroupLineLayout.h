#pragma once

#include <QPlainTextDocumentLayout>

// Qt's lines, each break inside a digit group moved back to just after the
// group's separator. Qt 6.4 finds no break opportunity inside a grouped number
// (it breaks such a line at any digit) and offers no way to add one without
// changing the text.
class DigitGroupLineLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    // Where the box asks for a block's lines (painting, the caret, the mouse)
    // they are laid out first.
    QRectF blockBoundingRect(const QTextBlock &block) const override;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override;

private:
    void breakBetweenGroups(const QTextBlock &block);
};
