#include "tasks/outputsettings.h"

#include "profiles/profilecatalogue.h"
#include "tasks/taskrecord.h"
#include "tasks/timecode.h"

#include <QDir>

QString OutputExtensionOf(const QString &fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return {};
    const QString extension = fileName.mid(dot);
    if (extension.contains(QDir::separator()) || extension.contains(QLatin1Char('/'))
        || extension.contains(QLatin1Char(':'))) {
        return {};
    }
    return extension;
}

void ApplyOutputSettings(ltvItemData &task, const QString &fileName, const QString &startText,
                         const QString &endText)
{
    task.NewFileName = RemoveFileExt(fileName);
    task.OutputExt = OutputExtensionOf(fileName);

    double start = TimeCodeToSeconds(startText);
    double end = TimeCodeToSeconds(endText);
    if (start == -1)
        start = task.ClipStartSec;
    if (end == -1)
        end = task.ClipEndSec;
    // The start is tested first, against the end as typed; the end then against the start as
    // settled, so a start that fell back can still reject an end before it.
    if (!(start >= 0) || start >= end || start >= task.FileEndSec)
        start = task.ClipStartSec;
    if (!(end > 0) || end <= start || end <= task.FileStartSec)
        end = task.ClipEndSec;

    // A task whose probe found no length has no stored end (-1). Writing a code for a negative
    // number would store text that reads back as a real, positive time, so a missing value keeps
    // its stored text, and so does the clip length that depends on it.
    if (start >= 0)
        task.ClipStartTime = SecondsToTimeCode(start);
    if (end >= 0)
        task.ClipEndTime = SecondsToTimeCode(end);
    if (start >= 0 && end >= start)
        task.ClipDuration = SecondsToTimeCode(end - start);
}
