#pragma once

#include <QColor>
#include <QStringList>

class QToolButton;
class QVBoxLayout;
class QWidget;
class TValueListEditor;

// One collapsible section of a parameter column: an 18-pixel header panel with a bold caption
// and a 12 x 12 "-"/"+" button, and below it a name/value grid holding its design-time rows.
// The main window and the settings dialog build their sections alike.
struct GridSection
{
    QWidget *header = nullptr;
    QToolButton *button = nullptr;
    TValueListEditor *grid = nullptr;
};

// `name` is both the caption and the object names' root: "pan" + name, "btn" + name,
// "vle" + name.
GridSection AddGridSection(QVBoxLayout *column, const QString &name, const QColor &headerColor,
                           int width, const QStringList &designRows);

// Collapses the section to a one-pixel grid, or expands it to its rows (17 pixels each plus
// the grid lines); the button's caption, "-" or "+", is the section's only state.
void ToggleSection(QToolButton *button, TValueListEditor *grid);

// The rows the grids show before any profile is loaded: 0 output, 1 video, 2 audio, 3 advanced.
QStringList DesignTimeRows(int grid);
