#pragma once

#include "accessibility/AccessibleLeaf.h"

#include <QPointer>

class QTreeView;

// One cell of a list shown as a table (ListTableAccessible): a data cell, read
// as its text under its column's header, or, in row -1, a column header.
class ListCellAccessible : public AccessibleLeaf, public QAccessibleTableCellInterface {
public:
    ListCellAccessible(QTreeView *view, int row, int column);

    bool isValid() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text type) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override;
    QList<QAccessibleInterface *> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface *table() const override;

private:
    bool isHeader() const { return row_ < 0; }

    QPointer<QTreeView> view_;
    int row_;
    int column_;
};
