#pragma once

#include <QString>
#include <QStringList>

class TNewInifile;
class TValueListEditor;

// Position of `value` in a pick list, letter case ignored; -1 when it is no item of the list.
int PickListIndex(const QStringList &items, const QString &value);

// Writes the choices shown in three parameter grids (video, audio, advanced) into the profile
// they were loaded from (or a copy of it), parameter by parameter in the profile's order:
// - a "ReadOnly" parameter is never written;
// - a list parameter gets "Index", the position of its row's value in the row's pick list;
// - any other parameter gets its row's text as both "Caption" and "Value".
// Each parameter is looked for in the grid that ParameterGrid() gives for it, by name. A
// parameter that grid does not show (a load that stopped part-way, grids of another profile)
// is left as it is in the file, rather than overwritten with an empty choice.
void SaveParameterGrids(TNewInifile &ini, const TValueListEditor *const grids[3]);
