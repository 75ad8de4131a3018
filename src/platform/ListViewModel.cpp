#include "ListViewModel.h"

#include "ShownText.h"

ListViewModel::ListViewModel(QVector<ListColumn> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_columns(std::move(columns))
    , m_table(int(m_columns.size()))
{
}

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
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
    return ShownText::onOneLine(m_table.cell(index.row(), index.column()));
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
    if (row < 0 || row >= m_table.rowCount() || column < 0 || column >= m_columns.size()) {
        return {};
    }
    return m_table.cell(row, column);
}

int ListViewModel::appendRow(QStringList cells)
{
    const int position =
        m_sorted ? sortedInsertPosition(cells.value(m_sortColumn)) : m_table.rowCount();
    beginInsertRows(QModelIndex(), position, position);
    m_table.insertRow(position, cells);
    endInsertRows();
    return position;
}

void ListViewModel::appendRows(RowTable rows)
{
    if (rows.rowCount() == 0) {
        return;
    }
    const int first = m_table.rowCount();
    beginInsertRows(QModelIndex(), first, first + rows.rowCount() - 1);
    m_table.append(std::move(rows));
    endInsertRows();
    // A stable sort leaves every added row after the equal ones already there.
    if (m_sorted) {
        sortRows();
    }
}

void ListViewModel::removeRow(int row)
{
    if (row < 0 || row >= m_table.rowCount()) {
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_table.removeRow(row);
    endRemoveRows();
}

void ListViewModel::setRows(const QVector<QStringList>& rows)
{
    setTable(RowTable(int(m_columns.size()), rows));
}

void ListViewModel::setTable(RowTable table)
{
    Q_ASSERT(table.columnCount() == m_columns.size());
    beginResetModel();
    m_table = std::move(table);
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
    int first = 0;
    int count = m_table.rowCount();
    while (count > 0) {
        const int half = count / 2;
        if (comesBefore(key, m_table.cell(first + half, m_sortColumn))) {
            count = half;
        } else {
            first += half + 1;
            count -= half + 1;
        }
    }
    return first;
}

void ListViewModel::sortRows()
{
    const std::vector<int> order = m_order.stableOrder(
        m_table.rowCount(), [this](int row) { return m_table.cell(row, m_sortColumn); },
        m_sortOrder);

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    if (!before.isEmpty()) {
        std::vector<int> newPosition(order.size());
        for (int position = 0; position < int(order.size()); ++position) {
            newPosition[size_t(order[size_t(position)])] = position;
        }
        after.reserve(before.size());
        for (const QModelIndex& index : before) {
            after.append(this->index(newPosition[size_t(index.row())], index.column()));
        }
    }
    m_table.reorder(order);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
