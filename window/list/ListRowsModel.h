#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <array>
#include <vector>

// The rows of the sequence list: the index, and the term as EXP and NUM text.
class ListRowsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int columns = 3;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void clear();
    // Appends a row whose first cell is `text`; returns its row number.
    int append(const QString &text);
    void setText(int row, int column, const QString &text);
    QString text(int row, int column) const { return rows_.at(std::size_t(row)).at(std::size_t(column)); }

    // A line per row, in row order, cells separated by tabs: as spreadsheets paste them.
    QString rowsText(QList<int> rows) const;

private:
    std::vector<std::array<QString, columns>> rows_;
};
