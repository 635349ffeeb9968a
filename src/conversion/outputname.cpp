#include "conversion/outputname.h"

#include "app/appglobals.h"
#include "tasks/taskrecord.h"

#include <QFileInfo>

QString OutputPathFor(const QString &folder, const ltvItemData &task, const QString &profileExt,
                      int index, bool renameChosen,
                      const std::function<bool(const QString &)> &exists)
{
    const auto taken
            = [&](const QString &path) { return exists ? exists(path) : QFileInfo::exists(path); };
    // The input spelled another way (a link, "..", another letter case on a case-insensitive
    // file system) is still the input: comparing the texts alone would let "-y" replace it.
    const QString input = QFileInfo(task.InputFile).canonicalFilePath();
    const auto isInput = [&](const QString &path) {
        return path == task.InputFile
                || (!input.isEmpty() && QFileInfo(path).canonicalFilePath() == input);
    };
    // A name the run must not write to: the input itself, or a file kept by the user's choice.
    const auto forbidden
            = [&](const QString &path) { return isInput(path) || (renameChosen && taken(path)); };

    const QString stem = WithTrailingBackslash(folder) + task.NewFileName;
    const QString path = stem + profileExt;
    if (!forbidden(path))
        return path;

    const QString ext = task.OutputExt.isEmpty() ? profileExt : task.OutputExt;
    const QString indexed = stem + QLatin1Char('_') + QString::number(index + 1);
    QString candidate = indexed + ext;
    for (int counter = 2; forbidden(candidate); ++counter)
        candidate = indexed + QLatin1Char('_') + QString::number(counter) + ext;
    return candidate;
}
