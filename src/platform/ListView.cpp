#include "ListView.h"

#include "Twips.h"

#include <QHeaderView>
#include <QMouseEvent>

ListView::ListView(const QString& name, QVector<ListColumn> columns, QWidget* parent)
    : QTreeView(parent), m_model(new ListViewModel(std::move(columns), this))
{
    setObjectName(name);
    setModel(m_model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);

    QHeaderView* heading = header();
    heading->setStretchLastSection(false);
    heading->setSectionsClickable(true);
    heading->setSectionsMovable(false);
    heading->setMinimumSectionSize(1);
    const QVector<ListColumn>& defined = m_model->columns();
    for (int column = 0; column < defined.size(); ++column) {
        heading->resizeSection(column, Twips::toPixels(defined.at(column).widthTwips));
    }
    connect(heading, &QHeaderView::sectionClicked, this, &ListView::ColumnClick);
}

int ListView::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListView::selectRow(int row)
{
    if (row < 0 || row >= rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = m_model->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollTo(index);
}

void ListView::mousePressEvent(QMouseEvent* event)
{
    QTreeView::mousePressEvent(event);
    emit MouseDown(event->button(), event->position().toPoint());
}

void ListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton) {
        emit DblClick();
    }
}
