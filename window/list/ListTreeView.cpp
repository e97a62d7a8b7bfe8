#include "window/list/ListTreeView.h"

#include <QHeaderView>

QModelIndex ListTreeView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && (cursorAction == MoveLeft || cursorAction == MoveRight)) {
        const bool forward = (cursorAction == MoveRight) != isRightToLeft();
        const int column = header()->logicalIndex(header()->visualIndex(current.column()) + (forward ? 1 : -1));
        const QModelIndex next = current.siblingAtColumn(column);
        if (next.isValid())
            return next;
    }
    return QTreeView::moveCursor(cursorAction, modifiers);
}
