#pragma once

#include "RowTable.h"
#include "TextOrder.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

struct ListColumn
{
    QString heading;
    int widthTwips = 0;
};

// The rows of a report-style list: every row holds exactly one text per column. Rows have no key;
// their position is their only identity. While sorted mode is on the rows stay ordered by the
// sort column, and rows with equal keys keep their earlier order.
class ListViewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ListViewModel(QVector<ListColumn> columns, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    const QVector<ListColumn>& columns() const { return m_columns; }
    // Every row's texts, made on request: `table()` and `cellText` read the rows in place.
    QVector<QStringList> rows() const { return m_table.toRows(); }
    const RowTable& table() const { return m_table; }
    QString cellText(int row, int column) const;

    // Adds a row (short rows get empty cells) and returns where it went: at the end, or at its
    // sorted place while sorted mode is on.
    int appendRow(QStringList cells);
    void removeRow(int row);
    // Adds the rows of a table with this list's columns as appendRow does, one sort for all of
    // them; the selection stays on its rows.
    void appendRows(RowTable rows);
    void setRows(const QVector<QStringList>& rows);
    // Takes the rows of a table with this list's columns.
    void setTable(RowTable table);

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    bool isSorted() const { return m_sorted; }
    // Orders the rows by the column in the given direction and switches sorted mode on.
    void sortBy(int column, Qt::SortOrder order);

private:
    bool comesBefore(const QString& left, const QString& right) const;
    int sortedInsertPosition(const QString& key) const;
    void sortRows();

    QVector<ListColumn> m_columns;
    RowTable m_table;
    TextOrder m_order;
    int m_sortColumn = 0;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_sorted = false;
};
