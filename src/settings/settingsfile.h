#pragma once

#include <QString>

#include <functional>

class QWidget;
class TNewInifile;

// What a failed write-back means to the user. After a pure read the file on disk is still what
// was read, so nothing is lost and nothing is said; after a change the change is lost and the
// user is told.
enum class WriteBack { Quiet, Report };

// One operation on a settings file: opens its store, lets `use` read and write, and writes the
// file back. A file that cannot be read, or (with WriteBack::Report) cannot be written, is
// reported once with the store's message and the program goes on. Returns whether the whole
// operation succeeded.
bool UseSettingsFile(QWidget *owner, const QString &path,
                     const std::function<void(TNewInifile &)> &use, WriteBack writeBack);

// The error box for a settings file: the message, the application's title, an error icon.
void ReportFileError(QWidget *owner, const QString &message);
