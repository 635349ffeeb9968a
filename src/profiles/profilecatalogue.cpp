#include "profiles/profilecatalogue.h"

#include "app/appglobals.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

QStringList FindFilesByExt(const QString &folder, const QString &extension)
{
    const QDir dir(WithTrailingBackslash(folder));
    if (!dir.exists())
        return {};
    const QString wanted = extension.toLower();
    QStringList names;
    const QFileInfoList entries
            = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        const int dot = name.lastIndexOf(QLatin1Char('.'));
        const QString ext = dot >= 0 ? name.mid(dot).toLower() : QString();
        if (ext == wanted)
            names << name;
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int byName = a.compare(b, Qt::CaseInsensitive);
        return byName != 0 ? byName < 0 : a < b;
    });
    return names;
}

QString RemoveFileExt(const QString &fileName)
{
    const int dot = fileName.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? fileName.left(dot) : fileName;
}

QStringList SplitList(const QString &text)
{
    QStringList items;
    int start = 0;
    for (int comma = text.indexOf(QLatin1Char(',')); comma >= 0;
         comma = text.indexOf(QLatin1Char(','), start)) {
        items << text.mid(start, comma - start);
        start = comma + 1;
    }
    return items;
}

QString ProfileFolder()
{
    return AppDir + QStringLiteral("Profiles") + QDir::separator();
}

QString ProfilePath(const QString &displayName)
{
    const QString path = ProfileFolder() + displayName + QStringLiteral(".apf");
    if (QFileInfo(path).isFile())
        return path;
    // Where letter case matters to the file system, "A.APF" is listed as "A" and must still
    // open as itself.
    for (const QString &name : FindFilesByExt(ProfileFolder(), QStringLiteral(".apf"))) {
        if (RemoveFileExt(name) == displayName)
            return ProfileFolder() + name;
    }
    return path;
}
