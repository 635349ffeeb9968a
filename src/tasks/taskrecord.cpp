#include "tasks/taskrecord.h"

#include "tasks/tasklistmodel.h"
#include "tasks/timecode.h"

namespace {

// For const and non-const records alike.
template<typename Record>
auto &textField(Record &record, int subItem)
{
    switch (subItem) {
    case tfDuration:
        return record.Duration;
    case tfFrameSize:
        return record.FrameSize;
    case tfStatus:
        return record.Status;
    case tfNewFileName:
        return record.NewFileName;
    case tfOutputExt:
        return record.OutputExt;
    case tfFileStartTime:
        return record.FileStartTime;
    case tfFileEndTime:
        return record.FileEndTime;
    case tfClipDuration:
        return record.ClipDuration;
    case tfClipStartTime:
        return record.ClipStartTime;
    default:
        return record.ClipEndTime;
    }
}

// The seconds field that belongs to a sub-item, or nullptr when it has none.
double *secondsField(ltvItemData &record, int subItem)
{
    switch (subItem) {
    case tfDuration:
        return &record.DurationSec;
    case tfFileStartTime:
        return &record.FileStartSec;
    case tfFileEndTime:
        return &record.FileEndSec;
    case tfClipDuration:
        return &record.ClipDurationSec;
    case tfClipStartTime:
        return &record.ClipStartSec;
    case tfClipEndTime:
        return &record.ClipEndSec;
    default:
        return nullptr;
    }
}

void readSubItem(const TTaskListModel &list, int row, int subItem, ltvItemData &record)
{
    QString &text = textField(record, subItem);
    text = list.SubItem(row, subItem);
    if (double *seconds = secondsField(record, subItem))
        *seconds = TimeCodeToSeconds(text);
}

} // namespace

void ReadTask(const TTaskListModel &list, int row, int selector, ltvItemData &record)
{
    if (selector == tfAll) {
        record.InputFile = list.Caption(row);
        for (int subItem = 0; subItem < TTaskListModel::SubItemCount; ++subItem)
            readSubItem(list, row, subItem, record);
    } else if (selector == tfInputFile) {
        record.InputFile = list.Caption(row);
    } else if (selector >= 0 && selector < TTaskListModel::SubItemCount) {
        readSubItem(list, row, selector, record);
    }
}

void WriteTask(TTaskListModel &list, int row, int selector, const ltvItemData &record)
{
    if (selector == tfAll) {
        list.SetCaption(row, record.InputFile);
        for (int subItem = 0; subItem < TTaskListModel::SubItemCount; ++subItem)
            list.SetSubItem(row, subItem, textField(record, subItem));
    } else if (selector == tfInputFile) {
        list.SetCaption(row, record.InputFile);
    } else if (selector >= 0 && selector < TTaskListModel::SubItemCount) {
        list.SetSubItem(row, selector, textField(record, selector));
    }
}
