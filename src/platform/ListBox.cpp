#include "ListBox.h"

#include "ShownText.h"

#include <algorithm>

int ListBoxModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant ListBoxModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
        return ShownText::onOneLine(m_entries.at(index.row()));
    case Qt::ToolTipRole:
        return ShownText::of(m_entries.at(index.row()));
    default:
        return {};
    }
}

int ListBoxModel::insertSorted(const QString& entry)
{
    const auto after = std::upper_bound(m_entries.cbegin(), m_entries.cend(), entry,
                                        [this](const QString& left, const QString& right) {
                                            return m_order.lessThan(left, right);
                                        });
    const int position = int(after - m_entries.cbegin());
    beginInsertRows(QModelIndex(), position, position);
    m_entries.insert(position, entry);
    endInsertRows();
    return position;
}

void ListBoxModel::insertSorted(QStringList entries)
{
    if (entries.isEmpty()) {
        return;
    }
    QStringList merged = m_entries + entries;
    const std::vector<int> order = m_order.stableOrder(
        int(merged.size()), [&merged](int index) { return merged.at(index); }, Qt::AscendingOrder);
    QStringList sorted;
    sorted.reserve(merged.size());
    for (int position : order) {
        sorted.append(std::move(merged[position]));
    }
    beginResetModel();
    m_entries = std::move(sorted);
    endResetModel();
}

void ListBoxModel::removeAt(int index)
{
    if (index < 0 || index >= m_entries.size()) {
        return;
    }
    beginRemoveRows(QModelIndex(), index, index);
    m_entries.removeAt(index);
    endRemoveRows();
}

ListBox::ListBox(const QString& name, QWidget* parent)
    : QListView(parent)
    , m_model(new ListBoxModel(this))
{
    setObjectName(name);
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
}

void ListBox::RemoveItem(int index)
{
    const int selected = selectedIndex();
    m_model->removeAt(index);
    // Qt selects the neighbour of a removed entry; a second DELETE would take it too.
    if (selected == index) {
        clearSelection();
    }
}

QString ListBox::text(int index) const
{
    return index >= 0 && index < count() ? m_model->entries().at(index) : QString();
}

int ListBox::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListBox::selectIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(m_model->index(index), QItemSelectionModel::ClearAndSelect);
}
