#include "window/list/ListModelItems.h"

#include "window/list/ListRowsModel.h"
#include "number/RuntimeError.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

void ListModelItems::clear()
{
    rows_.clear();
}

ListRow ListModelItems::add(int index)
{
    return {rows_.append(QString::number(index)) + 1};
}

ListRow ListModelItems::item(int position)
{
    return {modelRow({position}) + 1};
}

int ListModelItems::modelRow(ListRow row) const
{
    if (row.position < 1 || row.position > rows_.rowCount())
        throw RuntimeError::subscriptOutOfRange();
    return row.position - 1;
}

int ListModelItems::column(int subItem)
{
    if (subItem != 1 && subItem != 2)
        throw RuntimeError::subscriptOutOfRange();
    return subItem;
}

void ListModelItems::setSubItem(ListRow row, int subItem, const QString &text)
{
    rows_.setText(modelRow(row), column(subItem), text);
}

QString ListModelItems::subItem(ListRow row, int subItem) const
{
    return rows_.text(modelRow(row), column(subItem));
}

int ListModelItems::count() const
{
    return rows_.rowCount();
}

void ListModelItems::setSelected(ListRow row, bool selected)
{
    const QModelIndex first = rows_.index(modelRow(row), 0);
    view_.selectionModel()->select(first, (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect)
                                            | QItemSelectionModel::Rows);
}
