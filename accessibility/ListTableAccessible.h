#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTreeView;

// A QTreeView that shows a flat list in columns, as a table whose cells are
// read with their column headers: Qt 6.4 shows it as a tree, which Orca reads
// a row at a time ("3. 2. 2."). Its children are the header cells, then the
// cells row by row, numbered as QTreeView numbers its focus and selection
// events.
class ListTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ListTableAccessible(QTreeView *view);
    ~ListTableAccessible() override;

    void *interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    QAccessibleInterface *caption() const override;
    QAccessibleInterface *summary() const override;
    QAccessibleInterface *cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override;
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override;
    QList<int> selectedRows() const override;
    bool isColumnSelected(int column) const override;
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int column) override;
    bool unselectRow(int row) override;
    bool unselectColumn(int column) override;
    void modelChange(QAccessibleTableModelChangeEvent *event) override;

private:
    QTreeView *view() const;
    // The cell in `row` (-1: the header row) and `column`; none outside the table.
    QAccessibleInterface *cell(int row, int column) const;
    // Forgets the cells from `row` on (all for -1): they moved or are gone.
    void forgetCells(int fromRow);

    mutable QHash<int, QAccessible::Id> cells_; // by child index
};
