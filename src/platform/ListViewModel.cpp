#include "ListViewModel.h"

#include "ShownText.h"

#include <algorithm>

ListViewModel::ListViewModel(QVector<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
{
}

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ListViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::DisplayRole) {
        return {};
    }
    return ShownText::onOneLine(m_rows.at(index.row()).at(index.column()));
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= m_columns.size()) {
        return {};
    }
    return m_columns.at(section).heading;
}

QString ListViewModel::cellText(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= m_columns.size()) {
        return {};
    }
    return m_rows.at(row).at(column);
}

QStringList ListViewModel::fitted(QStringList cells) const
{
    const int columns = int(m_columns.size());
    if (cells.size() > columns) {
        cells.erase(cells.begin() + columns, cells.end());
    }
    while (cells.size() < columns) {
        cells.append(QString());
    }
    return cells;
}

int ListViewModel::appendRow(QStringList cells)
{
    cells = fitted(std::move(cells));
    const int position =
        m_sorted ? sortedInsertPosition(cells.at(m_sortColumn)) : int(m_rows.size());
    beginInsertRows(QModelIndex(), position, position);
    m_rows.insert(position, std::move(cells));
    endInsertRows();
    return position;
}

void ListViewModel::removeRow(int row)
{
    if (row < 0 || row >= m_rows.size()) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.remove(row);
    endRemoveRows();
}

void ListViewModel::setRows(QVector<QStringList> rows)
{
    beginResetModel();
    for (QStringList& row : rows) {
        row = fitted(std::move(row));
    }
    m_rows = std::move(rows);
    endResetModel();
    if (m_sorted) {
        sortRows();
    }
}

void ListViewModel::sortBy(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= m_columns.size()) {
        return;
    }
    m_sortColumn = column;
    m_sortOrder = order;
    m_sorted = true;
    sortRows();
}

bool ListViewModel::comesBefore(const QString& left, const QString& right) const
{
    return m_sortOrder == Qt::AscendingOrder ? m_order.lessThan(left, right)
                                             : m_order.lessThan(right, left);
}

int ListViewModel::sortedInsertPosition(const QString& key) const
{
    // After every row with an equal key, so that equal rows keep the order they came in.
    const auto after = std::upper_bound(m_rows.cbegin(), m_rows.cend(), key,
                                        [this](const QString& value, const QStringList& row) {
                                            return comesBefore(value, row.at(m_sortColumn));
                                        });
    return int(after - m_rows.cbegin());
}

void ListViewModel::sortRows()
{
    const std::vector<int> order = m_order.stableOrder(
        m_rows, [this](const QStringList& row) { return row.at(m_sortColumn); }, m_sortOrder);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QVector<int> newPosition(m_rows.size());
    QVector<QStringList> sorted;
    sorted.reserve(m_rows.size());
    for (int position = 0; position < int(order.size()); ++position) {
        newPosition[order[size_t(position)]] = position;
        sorted.append(std::move(m_rows[order[size_t(position)]]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        after.append(this->index(newPosition.at(index.row()), index.column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
