#pragma once

#include <QStyledItemDelegate>

// Draws cells as usual; a cell whose text is cut short ("…") shows its whole
// text as its tooltip, and one shown whole has none.
class ElidedTextTips : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
