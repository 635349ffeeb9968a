#pragma once

#include <QString>

class TTaskListModel;

// A copy of one task list row: the row is the store, code works on this copy and writes back
// the fields it changed.
struct ltvItemData
{
    QString InputFile; // caption
    QString Duration; // sub-item 0, "Length"
    QString FrameSize; // sub-item 1, "Size"
    QString Status; // sub-item 2, "Status"
    QString NewFileName; // sub-item 3
    QString OutputExt; // sub-item 4
    QString FileStartTime; // sub-item 5
    QString FileEndTime; // sub-item 6
    QString ClipDuration; // sub-item 7
    QString ClipStartTime; // sub-item 8
    QString ClipEndTime; // sub-item 9
    // Computed by ReadTask from the texts; -1 when the text is no time code.
    double DurationSec = 0;
    double FileStartSec = 0;
    double FileEndSec = 0;
    double ClipDurationSec = 0;
    double ClipStartSec = 0;
    double ClipEndSec = 0;
};

// Selectors: -2 every field, -1 the caption, 0..9 one sub-item (with its seconds, if any).
enum TaskField {
    tfAll = -2,
    tfInputFile = -1,
    tfDuration = 0,
    tfFrameSize,
    tfStatus,
    tfNewFileName,
    tfOutputExt,
    tfFileStartTime,
    tfFileEndTime,
    tfClipDuration,
    tfClipStartTime,
    tfClipEndTime
};

void ReadTask(const TTaskListModel &list, int row, int selector, ltvItemData &record);
void WriteTask(TTaskListModel &list, int row, int selector, const ltvItemData &record);
