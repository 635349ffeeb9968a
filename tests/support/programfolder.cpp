#include "programfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

ProgramFolder::ProgramFolder()
{
    QDir(m_dir.path()).mkpath(QStringLiteral("Profiles"));
}

QString ProgramFolder::path() const
{
    return QDir::toNativeSeparators(m_dir.path()) + QDir::separator();
}

QString ProgramFolder::programFile() const
{
    return path() + QStringLiteral("vantrel");
}

QString ProgramFolder::filePath(const QString &relative) const
{
    return QDir::toNativeSeparators(m_dir.filePath(relative));
}

bool ProgramFolder::installRealEncoder()
{
    const QString ffmpeg = systemFfmpeg();
    return !ffmpeg.isEmpty() && installEncoder(ffmpeg);
}

bool ProgramFolder::installEncoder(const QString &program)
{
    const QString target = filePath(QStringLiteral("vezizi.dll"));
    QFile::remove(target);
    return QFile::link(program, target);
}

void ProgramFolder::writeFile(const QString &relative, const QByteArray &content)
{
    const QString target = filePath(relative);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray ProgramFolder::readFile(const QString &relative) const
{
    QFile file(filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void ProgramFolder::installShippedProfiles()
{
    const QDir shipped(sourceDir() + QStringLiteral("/data/Profiles"));
    for (const QString &name : shipped.entryList({QStringLiteral("*.apf")}, QDir::Files))
        QFile::copy(shipped.filePath(name), filePath(QStringLiteral("Profiles/") + name));
}

QString systemFfmpeg()
{
    return QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
}

QString testTool(const QString &name)
{
    return QString::fromLocal8Bit(qgetenv("VANTREL_TEST_BIN")) + QLatin1Char('/') + name;
}

QString sourceDir()
{
    return QString::fromLocal8Bit(qgetenv("VANTREL_SOURCE_DIR"));
}
