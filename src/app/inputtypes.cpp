#include "app/inputtypes.h"

QStringList DefaultInputExtensions()
{
    return {QStringLiteral(".avi"), QStringLiteral(".mpg"), QStringLiteral(".mpeg"),
            QStringLiteral(".mp4"), QStringLiteral(".wmv"), QStringLiteral(".mov"),
            QStringLiteral(".vob"), QStringLiteral(".asf")};
}

QString BuildInputMask(const QStringList &extensions)
{
    QString mask;
    for (const QString &extension : extensions)
        mask += QLatin1Char('*') + extension + QLatin1Char(';');
    return mask;
}

QString BuildOpenFilter(const QStringList &extensions)
{
    const QString mask = BuildInputMask(extensions);
    QString filter = QStringLiteral("All Support Files(") + mask + QStringLiteral(")|") + mask
            + QLatin1Char('|');
    for (const QString &extension : extensions) {
        const QString name = extension.mid(1).toUpper();
        filter += name + QStringLiteral(" Files (*") + extension + QStringLiteral(")|*") + extension
                + QLatin1Char('|');
    }
    return filter + QStringLiteral("All Files (*.*)|*.*");
}
