#include "window/numbox/DigitGroupLineLayout.h"

#include "number/Grouping.h"

#include <QTextBlock>
#include <QTextLayout>
#include <QtMath>

namespace {

// Whether a line may end at `at`: just after a separator between two digits.
bool afterGroupSeparator(const QString &text, int at)
{
    return ModFibo::Grouping::joinsDigitsAt(text, at - 1);
}

// Where the line from `start` ends, given that Qt ends it at `end`: after the
// last separator up to `end`, or at `end` where there is none or where the
// text ends.
int lineEnd(const QString &text, int start, int end)
{
    if (end >= text.size())
        return end;
    for (int at = end; at > start; --at) {
        if (afterGroupSeparator(text, at))
            return at;
    }
    return end;
}

bool brokenBetweenGroups(const QTextLayout &layout, const QString &text)
{
    for (int i = 0; i + 1 < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const int end = line.textStart() + line.textLength();
        if (lineEnd(text, line.textStart(), end) != end)
            return false;
    }
    return true;
}

} // namespace

QRectF DigitGroupLineLayout::blockBoundingRect(const QTextBlock &block) const
{
    ensureBlockLayout(block);
    // As Qt's own layout does, lines are laid out when first asked for.
    const_cast<DigitGroupLineLayout *>(this)->breakBetweenGroups(block);
    return QPlainTextDocumentLayout::blockBoundingRect(block);
}

void DigitGroupLineLayout::documentChanged(int from, int charsRemoved, int charsAdded)
{
    // Qt lays a changed block out again at once, with its own breaks.
    QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        breakBetweenGroups(block);
}

void DigitGroupLineLayout::breakBetweenGroups(const QTextBlock &block)
{
    if (!block.isValid())
        return;
    QTextLayout *layout = block.layout();
    const QString text = block.text();
    if (layout->lineCount() < 2 || brokenBetweenGroups(*layout, text))
        return;

    // The same width and margin as Qt's lines; a line is shortened by the
    // number of characters it holds, which counts characters only where Qt
    // may break anywhere.
    const qreal width = layout->lineAt(0).width();
    const QPointF origin = layout->lineAt(0).position();
    QTextOption option = layout->textOption();
    option.setWrapMode(QTextOption::WrapAnywhere);
    layout->setTextOption(option);
    layout->beginLayout();
    qreal y = origin.y();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        const int end = line.textStart() + line.textLength();
        const int wanted = lineEnd(text, line.textStart(), end);
        if (wanted != end)
            line.setNumColumns(wanted - line.textStart(), width);
        line.setPosition(QPointF(origin.x(), y));
        y += line.height();
        if (line.leading() < 0)
            y += qCeil(line.leading());
    }
    layout->endLayout();

    const int lines = document()->lineCount();
    QTextBlock(block).setLineCount(block.isVisible() ? layout->lineCount() : 0);
    if (document()->lineCount() != lines)
        emit documentSizeChanged(documentSize());
}
