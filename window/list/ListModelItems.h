#pragma once

#include "sequence/Controls.h"

class ListRowsModel;
class QAbstractItemView;

// The list operations over the list's rows model and its view's selection.
// Row position k is model row k - 1; sub-items 1 and 2 are columns 1 and 2.
class ListModelItems : public ListItems {
public:
    ListModelItems(ListRowsModel &rows, QAbstractItemView &view) : rows_(rows), view_(view) {}

    void clear() override;
    ListRow add(int index) override;
    ListRow item(int position) override;
    void setSubItem(ListRow row, int subItem, const QString &text) override;
    QString subItem(ListRow row, int subItem) const override;
    void setSelected(ListRow row, bool selected) override;
    int count() const;

private:
    // The model row of `row`; the index error when there is none.
    int modelRow(ListRow row) const;
    // The model column of sub-item 1 or 2; the index error for any other.
    static int column(int subItem);

    ListRowsModel &rows_;
    QAbstractItemView &view_;
};
