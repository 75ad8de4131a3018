#include "ListView.h"

#include "Twips.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

namespace {

// The list's own headings. A column only a few pixels wide (the hidden address and picture-path
// columns) lies wholly inside the resize grips of its borders, so a press on it would start
// resizing the column before it; here such a press is a click on its own heading instead.
// Qt turns the second of two quick clicks into a double-click, which would not sort; here it is a
// click like the first, except on a resize grip, where it sizes the column to its contents.
class ListHeader : public QHeaderView
{
public:
    explicit ListHeader(QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent)
    {
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        m_pressedNarrowSection = narrowSectionAt(event->position().toPoint());
        if (m_pressedNarrowSection < 0) {
            QHeaderView::mousePressEvent(event);
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const int pressed = std::exchange(m_pressedNarrowSection, -1);
        if (pressed < 0) {
            QHeaderView::mouseReleaseEvent(event);
        } else if (pressed == narrowSectionAt(event->position().toPoint())) {
            emit sectionClicked(pressed);
        }
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        const QPoint position = event->position().toPoint();
        if (narrowSectionAt(position) < 0 && onResizeGrip(position.x())) {
            QHeaderView::mouseDoubleClickEvent(event);
        } else {
            mousePressEvent(event);
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_pressedNarrowSection < 0) {
            QHeaderView::mouseMoveEvent(event);
        }
    }

private:
    int narrowSectionAt(const QPoint& position) const
    {
        const int section = logicalIndexAt(position);
        const int gripWidth = 2 * style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
        return section >= 0 && sectionSize(section) <= gripWidth ? section : -1;
    }

    // Where Qt's header starts resizing: near the end of a section, or near the start of any but
    // the first.
    bool onResizeGrip(int x) const
    {
        const int section = logicalIndexAt(x);
        if (section < 0) {
            return false;
        }
        const int grip = style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this);
        const int start = sectionViewportPosition(section);
        return (x < start + grip && visualIndex(section) > 0) ||
               x > start + sectionSize(section) - grip;
    }

    int m_pressedNarrowSection = -1;
};

} // namespace

ListView::ListView(const QString& name, QVector<ListColumn> columns, QWidget* parent)
    : QTreeView(parent)
    , m_model(new ListViewModel(std::move(columns), this))
{
    setObjectName(name);
    setHeader(new ListHeader(this));
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
    // A heading wider than its column keeps its start readable, as report lists show it.
    heading->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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

void ListView::removeSelectedRow()
{
    const int selected = selectedRow();
    if (rowCount() > 0 && selected >= 0) {
        m_model->removeRow(selected);
        // Qt selects the neighbour of a removed row; a second DELETE or EDIT would take it too.
        clearSelection();
    }
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
