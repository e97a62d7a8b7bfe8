#pragma once

#include "Controls.h"

#include <QList>

class QTreeWidget;
class QTreeWidgetItem;

// The list operations over a QTreeWidget. Appended rows are held back and
// inserted together by flush(): inserting them one by one into a visible tree
// costs several times more. Every operation but add and the sub-item texts
// flushes first, and so must the owner before the event loop runs again.
class TreeListItems : public ListItems {
public:
    explicit TreeListItems(QTreeWidget &tree) : tree_(tree) {}
    ~TreeListItems() override;

    void clear() override;
    ListRow add(int index) override;
    ListRow item(int position) override;
    void setSubItem(ListRow row, int subItem, const QString &text) override;
    QString subItem(ListRow row, int subItem) const override;
    void setSelected(ListRow row, bool selected) override;

    void flush();

private:
    QTreeWidgetItem *itemAt(ListRow row) const;
    // The tree column of sub-item 1 or 2; the index error for any other.
    static int column(int subItem);

    QTreeWidget &tree_;
    QList<QTreeWidgetItem *> pending_;
};
