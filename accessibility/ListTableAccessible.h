#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QTreeView;

// A QTreeView's flat list as a table whose cells are read under their column
// headers, in place of Qt 6.4's tree (Orca called it a tree and read a row as
// "3. 2. 2."). Kept over a QTableView with Qt's own table, which reads and
// looks the same but adds a hidden row header object per row (1,478 at
// n = 1476), makes a new header object at each header query, offers no focus
// action, and makes Count for 1477 rows about 1.5 ms slower. Children: the
// header cells, the cells row by row as QTreeView numbers them in its focus
// and selection events, then the open context menu.
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
