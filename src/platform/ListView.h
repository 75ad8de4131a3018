#pragma once

#include "ListViewModel.h"

#include <QTreeView>

// A report-style list view: fixed columns with headings, rows of texts, one selected row or none.
class ListView : public QTreeView
{
    Q_OBJECT

public:
    ListView(const QString& name, QVector<ListColumn> columns, QWidget* parent = nullptr);

    ListViewModel& rows() { return *m_model; }
    const ListViewModel& rows() const { return *m_model; }

    int columnCount() const { return m_model->columnCount(); }
    int rowCount() const { return m_model->rowCount(); }
    QString cellText(int row, int column) const { return m_model->cellText(row, column); }

    // -1 when no row is selected.
    int selectedRow() const;
    void selectRow(int row);
    // Removes the selected row, if any; the rows below it move up one place.
    void removeSelectedRow();

signals:
    void ColumnClick(int column);
    void DblClick();
    void MouseDown(Qt::MouseButton button, const QPoint& position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ListViewModel* m_model;
};
