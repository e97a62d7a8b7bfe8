#include "TreeListItems.h"

#include "RuntimeError.h"

#include <QTreeWidget>

TreeListItems::~TreeListItems()
{
    qDeleteAll(pending_);
}

void TreeListItems::clear()
{
    qDeleteAll(pending_);
    pending_.clear();
    tree_.clear();
}

ListRow TreeListItems::add(int index)
{
    pending_.append(new QTreeWidgetItem(QStringList{QString::number(index)}));
    return {int(tree_.topLevelItemCount() + pending_.size())};
}

ListRow TreeListItems::item(int position)
{
    flush();
    if (position < 1 || position > tree_.topLevelItemCount())
        throw RuntimeError::subscriptOutOfRange();
    return {position};
}

QTreeWidgetItem *TreeListItems::itemAt(ListRow row) const
{
    const int inTree = tree_.topLevelItemCount();
    const int index = row.position - 1;
    if (index >= 0 && index < inTree)
        return tree_.topLevelItem(index);
    if (index >= inTree && index < inTree + pending_.size())
        return pending_.at(index - inTree);
    throw RuntimeError::subscriptOutOfRange();
}

int TreeListItems::column(int subItem)
{
    if (subItem != 1 && subItem != 2)
        throw RuntimeError::subscriptOutOfRange();
    return subItem;
}

void TreeListItems::setSubItem(ListRow row, int subItem, const QString &text)
{
    itemAt(row)->setText(column(subItem), text);
}

QString TreeListItems::subItem(ListRow row, int subItem) const
{
    return itemAt(row)->text(column(subItem));
}

void TreeListItems::setSelected(ListRow row, bool selected)
{
    flush();
    itemAt(row)->setSelected(selected);
}

void TreeListItems::flush()
{
    if (pending_.isEmpty())
        return;
    tree_.addTopLevelItems(pending_);
    pending_.clear();
}
