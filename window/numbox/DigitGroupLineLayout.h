#pragma once

#include <QPlainTextDocumentLayout>

// The lines of a plain text box whose text is a grouped number: laid out as
// Qt lays them out, then each break that falls inside a digit group moves
// back to just after the group's separator, so that every group stands whole
// on one line. A line without a separator (a locale that groups nothing)
// keeps Qt's break, which may come after any digit. Qt 6.4 finds no break
// opportunity inside a grouped number (it breaks such a line anywhere) and
// offers no way to add one without changing the text; the box's text, caret
// and selection stay Qt's own.
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
