#pragma once

#include <QString>
#include <QStringList>

// File names (no folder) of the files in `folder` whose extension equals `extension` in any
// letter case; hidden files included, folders never. Listed by name, letter case ignored, so
// positions in the list stay the same from one start to the next.
QStringList FindFilesByExt(const QString &folder, const QString &extension);
// Everything before the last "."; a name without "." whole.
QString RemoveFileExt(const QString &fileName);
// The items of a "a,b,c," list: each item ends at a comma; text after the last comma is dropped.
QStringList SplitList(const QString &text);
// The folder of the shipped profiles, and the path of a profile by its display name:
// display name + ".apf", or, when no such file exists, the listed file of that display name
// whose extension differs only in letter case.
QString ProfileFolder();
QString ProfilePath(const QString &displayName);
