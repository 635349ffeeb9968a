#pragma once

#include <QTreeView>

class TTaskListModel;

// The task list in report view: whole rows, several selected at once, no in-place editing, no
// sorting, fixed column order. The rows' selection marks live in the model; the view keeps its
// own selection in step with them both ways.
class TAdvListView : public QTreeView
{
    Q_OBJECT
public:
    explicit TAdvListView(TTaskListModel *model, QWidget *parent = nullptr);

    TTaskListModel *Items() const { return m_items; }
    void SetColumnWidth(int column, int width) { setColumnWidth(column, width); }
    int Tag = 0;

signals:
    void keyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void markChanged(int row, bool selected);
    void viewSelectionChanged();

    TTaskListModel *m_items;
    bool m_syncing = false;
};
