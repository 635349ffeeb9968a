#include "tasks/tasklistview.h"

#include "tasks/tasklistmodel.h"

#include <QHeaderView>
#include <QKeyEvent>

TAdvListView::TAdvListView(TTaskListModel *model, QWidget *parent)
    : QTreeView(parent)
    , m_items(model)
{
    setModel(model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideMiddle);
    header()->setSectionsMovable(false);
    header()->setSectionsClickable(false);
    header()->setStretchLastSection(false);
    connect(model, &TTaskListModel::selectionMarkChanged, this, &TAdvListView::markChanged);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TAdvListView::viewSelectionChanged);
}

void TAdvListView::keyPressEvent(QKeyEvent *event)
{
    emit keyDown(event->key(), event->modifiers());
    QTreeView::keyPressEvent(event);
}

void TAdvListView::markChanged(int row, bool selected)
{
    if (m_syncing)
        return;
    m_syncing = true;
    const QModelIndex index = m_items->index(row, 0);
    selectionModel()->select(
            index,
            (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect)
                    | QItemSelectionModel::Rows);
    m_syncing = false;
}

void TAdvListView::viewSelectionChanged()
{
    if (m_syncing)
        return;
    m_syncing = true;
    for (int row = 0; row < m_items->Count(); ++row)
        m_items->SetSelected(row, selectionModel()->isRowSelected(row, {}));
    m_syncing = false;
}
