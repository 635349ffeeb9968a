#pragma once

#include <QString>
#include <QTemporaryDir>

// A throw-away program folder: what the running program finds beside itself (the encoder as
// vezizi.dll, Profiles/, Preferences.ini), for tests that start a window against it.
class ProgramFolder
{
public:
    ProgramFolder();

    bool isValid() const { return m_dir.isValid(); }
    QString path() const; // with a trailing separator, as AppDir is
    QString programFile() const; // the program file the window believes it runs as
    QString filePath(const QString &relative) const;

    // vezizi.dll as a link to the system's ffmpeg, or to a program built with the tests.
    bool installRealEncoder();
    bool installEncoder(const QString &program);
    void writeFile(const QString &relative, const QByteArray &content);
    QByteArray readFile(const QString &relative) const;
    // The shipped profiles of data/Profiles.
    void installShippedProfiles();

private:
    QTemporaryDir m_dir;
};

// Where the system's ffmpeg is, or empty.
QString systemFfmpeg();
// A helper program built with the tests (tests/tools), by name.
QString testTool(const QString &name);
// The source tree's root, for shipped data.
QString sourceDir();
