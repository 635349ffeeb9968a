#include "profiles/profileloader.h"

#include "profiles/newinifiles.h"
#include "profiles/profilecatalogue.h"

#include <QFileInfo>

#include <memory>

namespace {

const QColor ReadOnlyValueColor(192, 192, 192);
const QColor CursorRowColor(49, 106, 197);
constexpr int GridRowHeight = TValueListEditor::DefaultRowHeight + 1;

} // namespace

EListError::EListError(int index)
    : std::runtime_error(QStringLiteral("List index out of bounds (%1)").arg(index).toStdString())
    , m_message(QString::fromStdString(what()))
    , m_index(index)
{ }

int ParameterGrid(int sort, int previousGrid)
{
    if (sort == VideoGrid || sort == AudioGrid || sort == AdvancedGrid)
        return sort;
    return previousGrid == AudioGrid || previousGrid == AdvancedGrid ? previousGrid : VideoGrid;
}

void LoadProfileIntoGrids(const QString &path, TValueListEditor *const grids[3],
                          QString *profileExt)
{
    if (!QFileInfo(path).isFile())
        return;
    for (int i = 0; i < 3; ++i)
        grids[i]->Clear();

    // Released without saving when a parameter fails: the file stays as it was.
    auto ini = std::make_unique<TNewInifile>(path);
    const QString main = QStringLiteral("Main");
    if (profileExt)
        *profileExt = QLatin1Char('.')
                + ini->ReadString(main, QStringLiteral("Type"), QStringLiteral("mp4"));
    const int count = ini->ReadInteger(main, QStringLiteral("Para"), 0);
    int grid = 0;
    for (int i = 0; i < count; ++i) {
        const QString name = ini->ReadString(main, QString::number(i), QString());
        grid = ParameterGrid(ini->ReadInteger(name, QStringLiteral("Sort"), -1), grid);
        TValueListEditor *target = grids[grid - 1];
        const bool readOnly = ini->ReadBool(name, QStringLiteral("ReadOnly"), false);
        // Rows are addressed by position, not by name, so each parameter fills its own row.
        const int row = target->AppendRow(name, QString());
        target->SetRowReadOnly(row, readOnly);
        const QString caption = ini->ReadString(name, QStringLiteral("Caption"), QString());
        if (ini->ReadBool(name, QStringLiteral("List"), true)) {
            const QStringList items = SplitList(caption);
            target->SetRowEditStyle(row, TValueListEditor::esPickList);
            target->SetRowPickList(row, items);
            const int index = ini->ReadInteger(name, QStringLiteral("Index"), 0);
            if (index < 0 || index >= items.size())
                throw EListError(index);
            target->SetValue(row, items.at(index));
            // Picking only: a list row takes no typing, whatever "ReadOnly" says.
            target->SetRowReadOnly(row, true);
        } else {
            target->SetValue(row, caption);
        }
    }
    SaveAndFree(ini);

    for (int i = 0; i < 3; ++i)
        grids[i]->setFixedHeight(grids[i]->RowCount() * GridRowHeight);
}

void PaintParameterCell(const TValueListEditor &grid, int col, int row,
                        TValueListEditor::CellColors &colors)
{
    if (col == TValueListEditor::ValueColumn && grid.RowReadOnly(row)
        && grid.RowEditStyle(row) != TValueListEditor::esPickList)
        colors.font = ReadOnlyValueColor;
    const QColor rowColor = colors.font == ReadOnlyValueColor ? ReadOnlyValueColor : Qt::black;
    const QColor window = grid.palette().color(QPalette::Base);
    if (row != grid.Row())
        return;
    if (col == TValueListEditor::ValueColumn) {
        colors.font = rowColor;
        colors.brush = window;
    } else if (col == TValueListEditor::KeyColumn) {
        if (grid.HasFocusWithin()) {
            colors.brush = CursorRowColor;
        } else {
            colors.font = rowColor;
            colors.brush = window;
        }
    }
}
