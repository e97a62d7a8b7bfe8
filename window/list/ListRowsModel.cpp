#include "window/list/ListRowsModel.h"

#include <algorithm>

int ListRowsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

int ListRowsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : columns;
}

QVariant ListRowsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return text(index.row(), index.column());
}

QVariant ListRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const headers[columns] = {"NUM", "FIBO RESULT (EXP)", "FIBO RESULT (NUM)"};
    if (orientation != Qt::Horizontal || section < 0 || section >= columns || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromLatin1(headers[section]);
}

void ListRowsModel::clear()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int ListRowsModel::append(const QString &text)
{
    const int row = int(rows_.size());
    beginInsertRows(QModelIndex(), row, row);
    rows_.push_back({text, QString(), QString()});
    endInsertRows();
    return row;
}

void ListRowsModel::setText(int row, int column, const QString &text)
{
    rows_.at(std::size_t(row)).at(std::size_t(column)) = text;
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
}

QString ListRowsModel::rowsText(QList<int> rows) const
{
    std::sort(rows.begin(), rows.end());
    QString text;
    for (const int row : rows) {
        const auto &cells = rows_.at(std::size_t(row));
        text += cells[0] + u'\t' + cells[1] + u'\t' + cells[2] + u'\n';
    }
    return text;
}
