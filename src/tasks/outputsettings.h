#pragma once

#include <QString>

struct ltvItemData;

// The extension of a typed output name, from its last "." to the end, dot included; empty when
// the name has no "." or when a folder separator or a drive colon follows that dot (the dot then
// belongs to a folder name, not to the file's extension).
QString OutputExtensionOf(const QString &fileName);

// Takes the output name and clip typed for a task into its record, which must have been read in
// full (its seconds fields are the stored clip and the probed range). A start or end that is no
// time code or lies outside what the tests allow falls back silently to the stored clip start or
// end. Changes NewFileName, OutputExt, ClipDuration, ClipStartTime and ClipEndTime only.
void ApplyOutputSettings(ltvItemData &task, const QString &fileName, const QString &startText,
                         const QString &endText);
