#pragma once

#include "TextOrder.h"

#include <QAbstractListModel>
#include <QListView>

// The entries of a sorted list box, kept in alphabetical order; equal entries keep the order in
// which they came.
class ListBoxModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const QStringList& entries() const { return m_entries; }
    int insertSorted(const QString& entry);
    // Many entries at once, in n log n rather than one shifting insert each.
    void insertSorted(QStringList entries);
    void removeAt(int index);

private:
    QStringList m_entries;
    TextOrder m_order;
};

class ListBox : public QListView
{
    Q_OBJECT

public:
    explicit ListBox(const QString& name, QWidget* parent = nullptr);

    ListBoxModel& entries() { return *m_model; }
    const ListBoxModel& entries() const { return *m_model; }

    int count() const { return m_model->rowCount(); }
    QString text(int index) const;
    int AddItem(const QString& entry) { return m_model->insertSorted(entry); }
    // Afterwards no entry is selected if the removed one was.
    void RemoveItem(int index);
    // -1 when no entry is selected.
    int selectedIndex() const;
    void selectIndex(int index);

private:
    ListBoxModel* m_model;
};
