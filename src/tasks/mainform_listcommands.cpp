// Remove, Clear, Move Up and Move Down on the task list, the list's context menu and keys.
#include "app/mainform.h"

#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/taskrecord.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace {

QAction *menuItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

// Exchanges two rows' whole tasks; the rows, and so the selection marks, stay in place.
void exchangeTasks(TTaskListModel &list, int first, int second)
{
    ltvItemData a;
    ltvItemData b;
    ReadTask(list, first, tfAll, a);
    ReadTask(list, second, tfAll, b);
    WriteTask(list, second, tfAll, a);
    WriteTask(list, first, tfAll, b);
    // A failed task's report belongs to the task, not to the row it happens to be in.
    const QString hint = list.Hint(first);
    list.SetHint(first, list.Hint(second));
    list.SetHint(second, hint);
}

} // namespace

void TMainForm::bindTaskCommands()
{
    ppmTask = new QMenu(this);
    ppmTask->setObjectName(QStringLiteral("ppmTask"));
    mniOpen = menuItem(ppmTask, QStringLiteral("mniOpen"), QStringLiteral("Open"));
    ppmTask->addSeparator();
    mniAddFiles = menuItem(ppmTask, QStringLiteral("mniAddFiles"), QStringLiteral("Add Files..."));
    mniAddDirs
            = menuItem(ppmTask, QStringLiteral("mniAddDirs"), QStringLiteral("Add Directorys..."));
    ppmTask->addSeparator();
    mniRemove = menuItem(ppmTask, QStringLiteral("mniRemove"), QStringLiteral("Remove"));
    mniClear = menuItem(ppmTask, QStringLiteral("mniClear"), QStringLiteral("Clear"));
    connect(mniAddFiles, &QAction::triggered, this, &TMainForm::tbtnAddFileClick);
    connect(mniAddDirs, &QAction::triggered, this, &TMainForm::tbtnAddDirClick);
    connect(mniRemove, &QAction::triggered, this, &TMainForm::tbtnRemoveClick);
    connect(mniClear, &QAction::triggered, this, &TMainForm::tbtnClearClick);
    connect(ppmTask, &QMenu::aboutToShow, this, &TMainForm::ppmTaskPopup);
    ltvTask->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ltvTask, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { ppmTask->popup(ltvTask->viewport()->mapToGlobal(pos)); });

    connect(sbtnDelete, &QToolButton::clicked, this, &TMainForm::tbtnRemoveClick);
    connect(sbtnClear, &QToolButton::clicked, this, &TMainForm::tbtnClearClick);
    connect(sbtnUp, &QToolButton::clicked, this, &TMainForm::tbtnUpClick);
    connect(sbtnDown, &QToolButton::clicked, this, &TMainForm::tbtnDownClick);
    connect(ltvTask, &TAdvListView::keyDown, this, &TMainForm::ltvTaskKeyDown);

    bindOutputSettings();
}

void TMainForm::tbtnRemoveClick()
{
    for (int row = ltvTaskItems->Count() - 1; row >= 0; --row) {
        if (ltvTaskItems->Selected(row))
            ltvTaskItems->DeleteRow(row);
    }
    // Emptied even when nothing was removed.
    SetGridValue(0, QStringLiteral("New FileName"), QString());
    SetGridValue(0, QStringLiteral("Start Time"), QString());
    SetGridValue(0, QStringLiteral("End Time"), QString());
}

void TMainForm::tbtnClearClick()
{
    ltvTaskItems->Clear();
    SetGridValue(0, QStringLiteral("New FileName"), QString());
    SetGridValue(0, QStringLiteral("Start Time"), QString());
    SetGridValue(0, QStringLiteral("End Time"), QString());
}

// Marks move by hand, not by a click, so the output grid keeps showing its task, which has
// travelled with the mark. A selected row whose neighbour is still selected has a block of
// selected tasks stuck at the edge of the list in front of it: it stays, or the block would
// change its order and lose a mark.
void TMainForm::tbtnUpClick()
{
    if (ltvTaskItems->FirstSelected() < 0)
        return;
    for (int row = 1; row < ltvTaskItems->Count(); ++row) {
        if (!ltvTaskItems->Selected(row) || ltvTaskItems->Selected(row - 1))
            continue;
        exchangeTasks(*ltvTaskItems, row, row - 1);
        ltvTaskItems->SetSelected(row - 1, true);
        ltvTaskItems->SetSelected(row, false);
    }
}

void TMainForm::tbtnDownClick()
{
    if (ltvTaskItems->FirstSelected() < 0)
        return;
    for (int row = ltvTaskItems->Count() - 2; row >= 0; --row) {
        if (!ltvTaskItems->Selected(row) || ltvTaskItems->Selected(row + 1))
            continue;
        exchangeTasks(*ltvTaskItems, row, row + 1);
        ltvTaskItems->SetSelected(row + 1, true);
        ltvTaskItems->SetSelected(row, false);
    }
}

void TMainForm::ppmTaskPopup()
{
    const bool selected = ltvTaskItems->FirstSelected() >= 0;
    mniOpen->setEnabled(selected);
    mniRemove->setEnabled(selected);
    mniClear->setEnabled(ltvTaskItems->Count() > 0);
    mniAddFiles->setEnabled(true);
    mniAddDirs->setEnabled(true);
}

void TMainForm::ltvTaskKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Backspace)
        tbtnClearClick();
    else if (key == Qt::Key_Delete)
        tbtnRemoveClick();
}
