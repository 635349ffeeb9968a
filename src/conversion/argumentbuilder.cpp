#include "conversion/argumentbuilder.h"

#include "conversion/commandline.h"
#include "profiles/newinifiles.h"
#include "profiles/profilecatalogue.h"
#include "profiles/profileloader.h"
#include "tasks/taskrecord.h"

#include <QFileInfo>

#include <cmath>
#include <memory>

namespace {

// What the encoder gets for a list parameter showing `shown`: the value at the position of the
// first caption equal to it in any letter case, or the shown text itself when no caption is (a
// custom frame size). A caption without a value of its own, which a sound profile never has,
// gets nothing rather than the value of a neighbour.
QString ListValue(const QString &shown, const QString &captions, const QString &values)
{
    const QStringList captionItems = SplitList(captions);
    for (int k = 0; k < captionItems.size(); ++k) {
        if (captionItems.at(k).compare(shown, Qt::CaseInsensitive) == 0)
            return SplitList(values).value(k);
    }
    return shown;
}

} // namespace

void BuildProfileArguments(const QString &profilePath, const GridText &gridText, QString &arguments)
{
    if (!QFileInfo(profilePath).isFile())
        return;

    auto ini = std::make_unique<TNewInifile>(profilePath);
    const QString main = QStringLiteral("Main");
    const int count = ini->ReadInteger(main, QStringLiteral("Para"), 0);
    int grid = 0;
    for (int i = 0; i < count; ++i) {
        const QString name = ini->ReadString(main, QString::number(i), QString());
        // The grid the loader put the parameter in, so the value is read where it is shown.
        grid = ParameterGrid(ini->ReadInteger(name, QStringLiteral("Sort"), -1), grid);
        const bool readOnly = ini->ReadBool(name, QStringLiteral("ReadOnly"), false);
        const QString command = ini->ReadString(name, QStringLiteral("cmd"), QString());
        const bool list = ini->ReadBool(name, QStringLiteral("List"), true);
        const QString caption = ini->ReadString(name, QStringLiteral("Caption"), QString());
        const QString profileValue = ini->ReadString(name, QStringLiteral("Value"), QString());

        QString value;
        if (list)
            value = ListValue(gridText(grid, name), caption, profileValue);
        else if (readOnly)
            value = profileValue;
        else
            value = gridText(grid, name);

        if (command.isEmpty() || value.isEmpty())
            continue;
        // "\" stands for a switch that takes no value.
        if (value == QLatin1String("\\"))
            value.clear();
        arguments += QLatin1Char(' ') + command + QLatin1Char(' ') + value;
    }
    try {
        SaveAndFree(ini);
    } catch (const EIniFileError &) {
        // The profile was only read: the file on disk stays as it was and the arguments are
        // whole, so a profile that cannot be written (a read-only install) still converts.
    }
}

QString BuildTaskCommandLine(const ltvItemData &task, const QString &profileArguments,
                             const QString &outputPath)
{
    QString clip;
    if (task.ClipStartSec != task.FileStartSec)
        clip += QStringLiteral(" -ss ") + task.ClipStartTime;
    if (task.ClipDurationSec != task.DurationSec) {
        // Whole seconds, a half going to the even neighbour (the default rounding mode).
        const auto seconds = static_cast<qint64>(std::nearbyint(task.ClipDurationSec));
        clip += QStringLiteral(" -t ") + QString::number(seconds);
    }
    return QStringLiteral(" -y -i ") + QuoteArgument(task.InputFile) + profileArguments + clip
            + QLatin1Char(' ') + QuoteArgument(outputPath);
}
