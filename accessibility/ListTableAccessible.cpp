#include "accessibility/ListTableAccessible.h"

#include "accessibility/AtspiTableEvents.h"
#include "accessibility/ContextMenus.h"
#include "accessibility/ListCellAccessible.h"

#include <QHeaderView>
#include <QTreeView>

#include <algorithm>

ListTableAccessible::ListTableAccessible(QTreeView *view) : QAccessibleWidget(view, QAccessible::Table) {}

ListTableAccessible::~ListTableAccessible()
{
    forgetCells(-1);
}

QTreeView *ListTableAccessible::view() const
{
    return static_cast<QTreeView *>(widget());
}

void *ListTableAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State ListTableAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.multiSelectable = view()->selectionMode() == QAbstractItemView::MultiSelection;
    state.extSelectable = view()->selectionMode() == QAbstractItemView::ExtendedSelection;
    return state;
}

int ListTableAccessible::childCount() const
{
    return (rowCount() + 1) * columnCount() + contextMenuCount(*view());
}

QAccessibleInterface *ListTableAccessible::child(int index) const
{
    const int columns = columnCount();
    const int cells = (rowCount() + 1) * columns;
    if (index >= cells)
        return contextMenu(*view(), index - cells);
    return index >= 0 && columns > 0 ? cell(index / columns - 1, index % columns) : nullptr;
}

int ListTableAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (const int menu = contextMenuIndex(*view(), child); menu >= 0)
        return (rowCount() + 1) * columnCount() + menu;
    const auto *cell = dynamic_cast<const ListCellAccessible *>(child);
    if (!cell || cell->table() != this)
        return -1;
    return (cell->rowIndex() + 1) * columnCount() + cell->columnIndex();
}

QAccessibleInterface *ListTableAccessible::childAt(int x, int y) const
{
    const QHeaderView *header = view()->header();
    const QPoint inHeader = header->viewport()->mapFromGlobal(QPoint(x, y));
    if (header->isVisible() && header->viewport()->rect().contains(inHeader))
        return cell(-1, header->logicalIndexAt(inHeader));
    const QPoint inRows = view()->viewport()->mapFromGlobal(QPoint(x, y));
    if (!view()->viewport()->rect().contains(inRows))
        return nullptr;
    const QModelIndex index = view()->indexAt(inRows);
    return index.isValid() ? cell(index.row(), index.column()) : nullptr;
}

QAccessibleInterface *ListTableAccessible::focusChild() const
{
    const QModelIndex current = view()->currentIndex();
    return current.isValid() ? cell(current.row(), current.column()) : nullptr;
}

QAccessibleInterface *ListTableAccessible::cell(int row, int column) const
{
    const int columns = columnCount();
    if (row < -1 || row >= rowCount() || column < 0 || column >= columns)
        return nullptr;
    const int index = (row + 1) * columns + column;
    if (const auto known = cells_.constFind(index); known != cells_.cend())
        return QAccessible::accessibleInterface(*known);
    auto *made = new ListCellAccessible(view(), row, column);
    cells_.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
}

void ListTableAccessible::forgetCells(int fromRow)
{
    for (auto known = cells_.begin(); known != cells_.end();) {
        const auto *cell = static_cast<ListCellAccessible *>(QAccessible::accessibleInterface(*known));
        if (cell->rowIndex() >= fromRow) {
            QAccessible::deleteAccessibleInterface(*known);
            known = cells_.erase(known);
        } else {
            ++known;
        }
    }
}

QAccessibleInterface *ListTableAccessible::caption() const
{
    return nullptr;
}

QAccessibleInterface *ListTableAccessible::summary() const
{
    return nullptr;
}

QAccessibleInterface *ListTableAccessible::cellAt(int row, int column) const
{
    return row >= 0 ? cell(row, column) : nullptr;
}

int ListTableAccessible::selectedCellCount() const
{
    return int(view()->selectionModel()->selectedIndexes().size());
}

QList<QAccessibleInterface *> ListTableAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> selected;
    for (const QModelIndex &index : view()->selectionModel()->selectedIndexes())
        selected.append(cell(index.row(), index.column()));
    return selected;
}

QString ListTableAccessible::columnDescription(int column) const
{
    return view()->model()->headerData(column, Qt::Horizontal).toString();
}

QString ListTableAccessible::rowDescription(int) const
{
    // The rows have no header of their own.
    return QString();
}

int ListTableAccessible::selectedColumnCount() const
{
    return int(selectedColumns().size());
}

int ListTableAccessible::selectedRowCount() const
{
    return int(selectedRows().size());
}

int ListTableAccessible::columnCount() const
{
    return view()->model() ? view()->model()->columnCount() : 0;
}

int ListTableAccessible::rowCount() const
{
    return view()->model() ? view()->model()->rowCount() : 0;
}

QList<int> ListTableAccessible::selectedColumns() const
{
    QList<int> columns;
    for (const QModelIndex &index : view()->selectionModel()->selectedColumns())
        columns.append(index.column());
    return columns;
}

QList<int> ListTableAccessible::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : view()->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

bool ListTableAccessible::isColumnSelected(int column) const
{
    return view()->selectionModel()->isColumnSelected(column);
}

bool ListTableAccessible::isRowSelected(int row) const
{
    return view()->selectionModel()->isRowSelected(row);
}

bool ListTableAccessible::selectRow(int row)
{
    const QModelIndex first = view()->model()->index(row, 0);
    const auto mode = view()->selectionMode();
    if (!first.isValid() || mode == QAbstractItemView::NoSelection)
        return false;
    const auto how = mode == QAbstractItemView::SingleSelection ? QItemSelectionModel::ClearAndSelect
                                                                : QItemSelectionModel::Select;
    view()->selectionModel()->select(first, how | QItemSelectionModel::Rows);
    return true;
}

bool ListTableAccessible::selectColumn(int)
{
    // The list selects whole rows only.
    return false;
}

bool ListTableAccessible::unselectRow(int row)
{
    const QModelIndex first = view()->model()->index(row, 0);
    if (!first.isValid())
        return false;
    view()->selectionModel()->select(first, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
    return true;
}

bool ListTableAccessible::unselectColumn(int)
{
    return false;
}

void ListTableAccessible::modelChange(QAccessibleTableModelChangeEvent *event)
{
    switch (event->modelChangeType()) {
    case QAccessibleTableModelChangeEvent::DataChanged:
        break; // a cell reads its text when asked
    case QAccessibleTableModelChangeEvent::RowsInserted:
    case QAccessibleTableModelChangeEvent::RowsRemoved:
        forgetCells(event->firstRow());
        break;
    default:
        forgetCells(-1);
        break;
    }
    announceTableChange(*event);
}
