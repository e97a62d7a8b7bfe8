#pragma once

#include <QStyledItemDelegate>

// Draws cells as usual; a cell whose text is cut short ("…") shows its whole
// text as its tooltip, and one shown whole has none.
class ListCellTips : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};

// `text` with a zero-width space after each digit-group separator and within
// long runs of digits: a tooltip wider than the screen wraps, and a long
// number has nowhere else to break.
QString wrappableTip(const QString &text);
