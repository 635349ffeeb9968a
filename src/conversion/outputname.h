#pragma once

#include <QString>

#include <functional>

struct ltvItemData;

// Where the run writes the task at list position `index` (from 0): the folder (a separator is
// added unless it ends in one), NewFileName and the profile's extension; or, when that file exists
// and the user chose not to overwrite, or when it is the input file itself, the indexed name
// <folder><NewFileName>_<index + 1><OutputExt>. An indexed name that is still taken (with
// "Not overwrite" chosen) or that is the input file gets a further counter, "_3_2", "_3_3", ...,
// so no existing file is ever replaced against the user's choice and no input is overwritten.
// An empty OutputExt (tasks added before a profile was applied) falls back to `profileExt`.
// The input is compared exactly, letter case counting. `exists` answers whether a file is there;
// when empty, the file system is asked.
QString OutputPathFor(const QString &folder, const ltvItemData &task, const QString &profileExt,
                      int index, bool renameChosen,
                      const std::function<bool(const QString &)> &exists = {});
