#include "accessibility/ListCellAccessible.h"

#include <QHeaderView>
#include <QTreeView>

ListCellAccessible::ListCellAccessible(QTreeView *view, int row, int column)
    : view_(view), row_(row), column_(column)
{
}

bool ListCellAccessible::isValid() const
{
    return view_ && view_->model() && row_ < view_->model()->rowCount() && column_ < view_->model()->columnCount();
}

QAccessibleInterface *ListCellAccessible::parent() const
{
    return table();
}

QString ListCellAccessible::text(QAccessible::Text type) const
{
    if (type != QAccessible::Name || !isValid())
        return QString();
    if (isHeader())
        return view_->model()->headerData(column_, Qt::Horizontal).toString();
    return view_->model()->index(row_, column_).data().toString();
}

QRect ListCellAccessible::rect() const
{
    if (!isValid())
        return {};
    if (isHeader()) {
        const QHeaderView *header = view_->header();
        const QRect section(header->sectionViewportPosition(column_), 0, header->sectionSize(column_),
                            header->height());
        return QRect(header->viewport()->mapToGlobal(section.topLeft()), section.size());
    }
    const QRect shown = view_->visualRect(view_->model()->index(row_, column_));
    return QRect(view_->viewport()->mapToGlobal(shown.topLeft()), shown.size());
}

QAccessible::Role ListCellAccessible::role() const
{
    return isHeader() ? QAccessible::ColumnHeader : QAccessible::Cell;
}

QAccessible::State ListCellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    if (isHeader())
        return state;
    const QModelIndex index = view_->model()->index(row_, column_);
    const auto mode = view_->selectionMode();
    state.selectable = state.focusable = mode != QAbstractItemView::NoSelection;
    state.multiSelectable = mode == QAbstractItemView::MultiSelection;
    state.extSelectable = mode == QAbstractItemView::ExtendedSelection;
    state.selected = view_->selectionModel()->isSelected(index);
    state.focused = view_->currentIndex() == index;
    state.invisible = !view_->viewport()->rect().intersects(view_->visualRect(index));
    return state;
}

void *ListCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface && !isHeader())
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool ListCellAccessible::isSelected() const
{
    return isValid() && view_->selectionModel()->isSelected(view_->model()->index(row_, column_));
}

QList<QAccessibleInterface *> ListCellAccessible::columnHeaderCells() const
{
    // The header cells are the table's first children.
    QAccessibleInterface *list = table();
    QAccessibleInterface *header = list ? list->child(column_) : nullptr;
    return header ? QList<QAccessibleInterface *>{header} : QList<QAccessibleInterface *>{};
}

QList<QAccessibleInterface *> ListCellAccessible::rowHeaderCells() const
{
    return {};
}

int ListCellAccessible::columnIndex() const
{
    return column_;
}

int ListCellAccessible::rowIndex() const
{
    return row_;
}

int ListCellAccessible::columnExtent() const
{
    return 1;
}

int ListCellAccessible::rowExtent() const
{
    return 1;
}

QAccessibleInterface *ListCellAccessible::table() const
{
    return view_ ? QAccessible::queryAccessibleInterface(view_.data()) : nullptr;
}
