#pragma once

#include <QTreeView>

// The list's view. Left and Right move the current cell along its row, which
// stays selected, and scroll to show it; at the first or last column they
// scroll as Qt's tree does. Qt's tree, selecting rows, only scrolled, so a
// screen reader could reach no cell but the first of each row.
class ListTreeView : public QTreeView {
    Q_OBJECT

public:
    using QTreeView::QTreeView;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};
