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

void TreeListItems::setSubItem(ListRow row, int subItem, const QString &text)
{
    if (subItem != 1 && subItem != 2)
        throw RuntimeError::subscriptOutOfRange();
    itemAt(row)->setText(subItem, text);
}

QString TreeListItems::subItem(ListRow row, int subItem) const
{
    if (subItem != 1 && subItem != 2)
        throw RuntimeError::subscriptOutOfRange();
    return itemAt(row)->text(subItem);
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
