#include "app/appglobals.h"

#include <QDir>
#include <QFileInfo>

QString AppDir;
QString VersionText;

QString WithTrailingBackslash(const QString &path)
{
    if (path.endsWith(QDir::separator()))
        return path;
    return path + QDir::separator();
}

QString ProgramFolderOf(const QString &programFile)
{
    const QFileInfo info(programFile);
    return WithTrailingBackslash(QDir::toNativeSeparators(info.absolutePath()));
}

QString ExtractFileName(const QString &path)
{
    int cut = path.lastIndexOf(QDir::separator());
    cut = qMax(cut, path.lastIndexOf(QLatin1Char(':')));
#ifdef Q_OS_WIN
    cut = qMax(cut, path.lastIndexOf(QLatin1Char('/')));
#endif
    return path.mid(cut + 1);
}
