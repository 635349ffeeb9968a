#pragma once

#include "profiles/valuelisteditor.h"

#include <QString>

#include <stdexcept>

// A position outside a list, as a profile's "Index" can name one. The message is the text the
// user sees: "List index out of bounds (<index>)".
class EListError : public std::runtime_error
{
public:
    explicit EListError(int index);

    QString message() const { return m_message; }
    int index() const { return m_index; }

private:
    QString m_message;
    int m_index;
};

// Grid numbers of the parameter grids: 1 video, 2 audio, 3 advanced.
enum ParameterGridNumber { VideoGrid = 1, AudioGrid = 2, AdvancedGrid = 3 };

// The one rule for which grid holds a parameter, shared by every reader of a profile (the main
// window's grids, the settings dialog's grids and the encoder arguments), so that a value is
// always read from the grid it is shown in. Walk the parameters in their profile order and pass
// the grid the previous parameter went to (0 for the first one):
// - "Sort" 1, 2 or 3 gives that grid;
// - any other "Sort" breaks the format; such a parameter joins the grid of the parameter before
//   it, and the first parameter of a profile goes to the video grid.
int ParameterGrid(int sort, int previousGrid);

// Fills three parameter grids (video, audio, advanced, in this order) from the profile file at
// `path`. A missing file changes nothing. Otherwise the grids are emptied and every parameter is
// appended, in the profile's order, to the grid ParameterGrid() gives: list parameters as pick
// lists showing their "Index" item (read-only to typing), others showing "Caption", read-only
// as "ReadOnly" says. `profileExt` receives "." + "Type" (default "mp4") before the parameters
// are read; pass nullptr to leave "Type" unread. The file is rewritten through the INI store and
// each grid becomes RowCount() rows of 18 pixels high (an empty grid counts its blank row).
//
// Throws EListError for an "Index" outside its pick list: the load stops at that parameter and
// everything done before stays (the extension set, the earlier rows filled, the failing row with
// its pick list but an empty value); the file is not rewritten and the heights are unchanged.
// Throws EIniFileError when the file cannot be read or written.
void LoadProfileIntoGrids(const QString &path, TValueListEditor *const grids[3],
                          QString *profileExt);

// The look of a parameter grid's cell, applied to the ordinary colours the grid has set:
// silver text for values of read-only rows without a pick list; the value cell of the cursor
// row in the window colour, never highlighted; the key cell of the cursor row in the marker
// blue while the grid has the focus, else black on the window colour.
void PaintParameterCell(const TValueListEditor &grid, int col, int row,
                        TValueListEditor::CellColors &colors);
