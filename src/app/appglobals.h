#pragma once

#include <QString>
#include <QStringList>

// Program-wide values, set while the main window is created and kept until the program ends.
extern QString AppDir; // the program's folder, always ending in the directory separator
extern QString VersionText; // "Version" of "Main" in Preferences.ini, "3.0" when absent

// The path with the platform's directory separator appended unless it already ends in one.
QString WithTrailingBackslash(const QString &path);
// The program's folder of a program file, as AppDir holds it.
QString ProgramFolderOf(const QString &programFile);
// The part of a path after its last separator (or drive colon).
QString ExtractFileName(const QString &path);
