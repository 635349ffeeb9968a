// The output settings grid: a copy of the first selected task's output name and clip, filled
// by a click in the task list and written back to the task when an edited value is committed.
#include "app/mainform.h"

#include "platform/platform.h"
#include "profiles/valuelisteditor.h"
#include "tasks/outputsettings.h"
#include "tasks/tasklistmodel.h"
#include "tasks/tasklistview.h"
#include "tasks/taskrecord.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>

namespace {

const QString NewFileNameKey = QStringLiteral("New FileName");
const QString StartTimeKey = QStringLiteral("Start Time");
const QString EndTimeKey = QStringLiteral("End Time");

// A click on the list's empty area below the rows clears the selection but is no click on an
// item, so the view reports no click for it; the grid must still follow it. The view clears
// the selection only when it handles the release itself, so the click is handled after it.
class EmptyAreaClick : public QObject
{
public:
    EmptyAreaClick(TAdvListView *list, TMainForm *form)
        : QObject(list)
        , m_list(list)
        , m_form(form)
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton
                && !m_list->indexAt(mouse->position().toPoint()).isValid()) {
                QMetaObject::invokeMethod(m_form, &TMainForm::ltvTaskClick, Qt::QueuedConnection);
            }
        }
        return false;
    }

private:
    TAdvListView *m_list;
    TMainForm *m_form;
};

} // namespace

void TMainForm::bindOutputSettings()
{
    connect(ltvTask, &QAbstractItemView::clicked, this, [this] { ltvTaskClick(); });
    ltvTask->viewport()->installEventFilter(new EmptyAreaClick(ltvTask, this));
    connect(vleOutput, &TValueListEditor::validate, this, &TMainForm::vleOutputValidate);
    connect(vleOutput, &TValueListEditor::mouseDown, this, &TMainForm::vleOutputMouseDown);
    connect(vleOutput, &QAbstractItemView::clicked, this, [this] { vleOutputClick(); });
    vleOutput->SetDrawCellHandler(
            [this](int col, int row, const QRect &rect, TValueListEditor::CellColors &colors) {
                vleOutputDrawCell(col, row, rect, colors.font, colors.brush);
            });
}

void TMainForm::ltvTaskClick()
{
    const int index = ltvTaskItems->FirstSelected();
    if (index < 0) {
        SetGridValue(0, NewFileNameKey, QString());
        SetGridValue(0, StartTimeKey, QString());
        SetGridValue(0, EndTimeKey, QString());
        return;
    }
    ltvItemData task;
    ReadTask(*ltvTaskItems, index, tfAll, task);
    // The grid shows the extension of the profile in force, whatever the task was given.
    SetGridValue(0, NewFileNameKey, task.NewFileName + ProfileExt);
    SetGridValue(0, StartTimeKey, task.ClipStartTime);
    SetGridValue(0, EndTimeKey, task.ClipEndTime);
}

void TMainForm::vleOutputValidate(int, int, const QString &, const QString &)
{
    const int index = ltvTaskItems->FirstSelected();
    if (index < 0)
        return;
    ltvItemData task;
    ReadTask(*ltvTaskItems, index, tfAll, task);
    ApplyOutputSettings(task, vleOutput->Values(QStringLiteral("New Filename")),
                        vleOutput->Values(StartTimeKey), vleOutput->Values(EndTimeKey));
    // Field by field: the status and the probed range may be changed by a run meanwhile and
    // must not be overwritten with this copy. The grid keeps the text as the user typed it.
    for (const int field :
         {tfNewFileName, tfOutputExt, tfClipDuration, tfClipStartTime, tfClipEndTime}) {
        WriteTask(*ltvTaskItems, index, field, task);
    }
}

void TMainForm::vleOutputMouseDown(Qt::MouseButton, const QPoint &)
{
    if (vleOutput->Values(QStringLiteral("New Filename")).isEmpty()) {
        QWidget *under = QApplication::widgetAt(QCursor::pos());
        Platform::ShowBalloonTip(under ? under : vleOutput, Platform::TipInfo,
                                 QStringLiteral("Tip:"),
                                 QStringLiteral("Please select a file in Task List."));
        vleOutput->SetEditorMode(false);
        return;
    }
    vleOutputClick();
}

void TMainForm::vleOutputClick()
{
    // The grid that lost the focus must drop its highlight at once.
    for (TValueListEditor *grid : {vleOutput, vleVideo, vleAudio, vleAdvanced})
        grid->viewport()->repaint();
}

void TMainForm::vleOutputDrawCell(int col, int row, const QRect &, QColor &font, QColor &brush)
{
    const QColor window = vleOutput->palette().color(QPalette::Base);
    if (row != vleOutput->Row())
        return;
    if (col == TValueListEditor::ValueColumn && col == vleOutput->Col()) {
        // The current value never shows the selection highlight.
        font = Qt::black;
        brush = window;
    } else if (col == TValueListEditor::KeyColumn) {
        if (vleOutput->HasFocusWithin()) {
            brush = QColor(49, 106, 197);
        } else {
            font = Qt::black;
            brush = window;
        }
    }
}
