#include "window/list/ListCellTips.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

namespace {

// Whether the style cuts the cell's text short, measured as the style draws it:
// within the text rectangle less the focus frame margins.
bool elided(const QStyleOptionViewItem &cell)
{
    const QWidget *widget = cell.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int width = style->subElementRect(QStyle::SE_ItemViewItemText, &cell, widget).width() - 2 * margin;
    return cell.fontMetrics.elidedText(cell.text, cell.textElideMode, width) != cell.text;
}

} // namespace

QString wrappableTip(const QString &text)
{
    // Runs longer than this (ungrouped digits) get a break every so often.
    constexpr int longestRun = 8;
    QString wrappable;
    wrappable.reserve(text.size() * 2);
    int run = 0;
    for (const QChar c : text) {
        wrappable += c;
        run = c.isLetterOrNumber() ? run + 1 : 0;
        if (run == 0 || run == longestRun) {
            wrappable += QChar(0x200B);
            run = 0;
        }
    }
    return wrappable;
}

bool ListCellTips::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                               const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    if (index.isValid() && elided(cell))
        QToolTip::showText(event->globalPos(), wrappableTip(cell.text), view->viewport(), option.rect);
    else
        QToolTip::hideText();
    return true;
}
