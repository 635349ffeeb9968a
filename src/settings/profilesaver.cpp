#include "settings/profilesaver.h"

#include "profiles/newinifiles.h"
#include "profiles/profileloader.h"
#include "profiles/valuelisteditor.h"

int PickListIndex(const QStringList &items, const QString &value)
{
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).compare(value, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void SaveParameterGrids(TNewInifile &ini, const TValueListEditor *const grids[3])
{
    const QString main = QStringLiteral("Main");
    const int count = ini.ReadInteger(main, QStringLiteral("Para"), 0);
    int grid = 0;
    for (int i = 0; i < count; ++i) {
        const QString name = ini.ReadString(main, QString::number(i), QString());
        // Every parameter moves the grid on, read-only ones too, exactly as loading does.
        grid = ParameterGrid(ini.ReadInteger(name, QStringLiteral("Sort"), -1), grid);
        if (ini.ReadBool(name, QStringLiteral("ReadOnly"), false))
            continue;
        if (grid < VideoGrid || grid > AdvancedGrid)
            continue;
        const TValueListEditor *target = grids[grid - 1];
        int row = -1;
        if (!target->FindRow(name, row))
            continue;
        if (ini.ReadBool(name, QStringLiteral("List"), true)) {
            ini.WriteInteger(name, QStringLiteral("Index"),
                             PickListIndex(target->RowPickList(row), target->Value(row)));
        } else {
            const QString text = target->Value(row);
            ini.WriteString(name, QStringLiteral("Caption"), text);
            ini.WriteString(name, QStringLiteral("Value"), text);
        }
    }
}
