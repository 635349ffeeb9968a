#pragma once

#include "programfolder.h"

#include <QFile>
#include <QList>
#include <QStringList>
#include <QTemporaryDir>

// Drives the fake encoder (tests/tools/fakeencoder.cpp) from a test: sets the script it acts
// out and reads back the arguments of each run. One instance per test case is enough; it points
// the fake's environment variables at its own temporary folder while it lives.
class FakeEncoderControl
{
public:
    FakeEncoderControl()
    {
        qputenv("VANTREL_FAKE_LOG", QFile::encodeName(m_dir.filePath(QStringLiteral("runs.log"))));
        qputenv("VANTREL_FAKE_SCRIPT",
                QFile::encodeName(m_dir.filePath(QStringLiteral("script.txt"))));
        setScript(QString());
    }
    ~FakeEncoderControl()
    {
        qunsetenv("VANTREL_FAKE_LOG");
        qunsetenv("VANTREL_FAKE_SCRIPT");
    }
    FakeEncoderControl(const FakeEncoderControl &) = delete;
    FakeEncoderControl &operator=(const FakeEncoderControl &) = delete;

    static QString program() { return testTool(QStringLiteral("fakeencoder")); }
    bool isValid() const { return m_dir.isValid() && QFile::exists(program()); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void setScript(const QString &script)
    {
        QFile file(filePath(QStringLiteral("script.txt")));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(script.toUtf8());
    }

    // The arguments of every run since the last clearRuns(), oldest first.
    QList<QStringList> runs() const
    {
        QFile file(filePath(QStringLiteral("runs.log")));
        QList<QStringList> result;
        if (!file.open(QIODevice::ReadOnly))
            return result;
        QStringList run;
        for (const QByteArray &line : file.readAll().split('\n')) {
            if (line == "<<<end of run>>>") {
                result << run;
                run.clear();
            } else {
                run << QString::fromUtf8(line);
            }
        }
        return result;
    }
    void clearRuns() { QFile::remove(filePath(QStringLiteral("runs.log"))); }

private:
    QTemporaryDir m_dir;
};
