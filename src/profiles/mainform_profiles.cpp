// The main window's profile list and its three parameter grids.
#include "app/mainform.h"

#include "platform/platform.h"
#include "profiles/newinifiles.h"
#include "profiles/profilecatalogue.h"
#include "profiles/profileloader.h"
#include "profiles/sizeform.h"
#include "profiles/valuelisteditor.h"

#include <QComboBox>
#include <QFileInfo>

namespace {

void paintParameterCell(const TValueListEditor &grid, int col, int row, QColor &font, QColor &brush)
{
    TValueListEditor::CellColors colors {font, brush};
    PaintParameterCell(grid, col, row, colors);
    font = colors.font;
    brush = colors.brush;
}

} // namespace

void TMainForm::bindProfileHandlers()
{
    // Only the user's pick; code that moves the list's position runs cmbProfileChange itself.
    connect(cmbProfile, &QComboBox::activated, this, [this] { cmbProfileChange(); });
    vleVideo->SetDrawCellHandler([this](int col, int row, const QRect &rect, auto &colors) {
        vleVideoDrawCell(col, row, rect, colors.font, colors.brush);
    });
    vleAudio->SetDrawCellHandler([this](int col, int row, const QRect &rect, auto &colors) {
        vleAudioDrawCell(col, row, rect, colors.font, colors.brush);
    });
    vleAdvanced->SetDrawCellHandler([this](int col, int row, const QRect &rect, auto &colors) {
        vleAdvancedDrawCell(col, row, rect, colors.font, colors.brush);
    });
    connect(vleVideo, &TValueListEditor::mouseDown, this, &TMainForm::vleVideoMouseDown);
    connect(vleAudio, &TValueListEditor::mouseDown, this, &TMainForm::vleAudioMouseDown);
    connect(vleAdvanced, &TValueListEditor::mouseDown, this, &TMainForm::vleAdvancedMouseDown);
    connect(vleVideo, &TValueListEditor::stringsChange, this, &TMainForm::vleVideoStringsChange);
}

void TMainForm::cmbProfileChange()
{
    const QString path = ProfilePath(cmbProfile->currentText());
    if (!QFileInfo(path).isFile())
        return;
    // Nothing above this handler reports errors, so it shows them as the standard error box.
    try {
        LoadProfile(path);
    } catch (const EListError &error) {
        Platform::ShowMessage(error.message());
    } catch (const EIniFileError &error) {
        Platform::ShowMessage(error.message());
    }
}

void TMainForm::LoadProfile(const QString &path)
{
    TValueListEditor *const grids[3] = {vleVideo, vleAudio, vleAdvanced};
    LoadProfileIntoGrids(path, grids, &ProfileExt);
}

void TMainForm::vleVideoDrawCell(int col, int row, const QRect &, QColor &font, QColor &brush)
{
    paintParameterCell(*vleVideo, col, row, font, brush);
}

void TMainForm::vleAudioDrawCell(int col, int row, const QRect &, QColor &font, QColor &brush)
{
    paintParameterCell(*vleAudio, col, row, font, brush);
}

void TMainForm::vleAdvancedDrawCell(int col, int row, const QRect &, QColor &font, QColor &brush)
{
    paintParameterCell(*vleAdvanced, col, row, font, brush);
}

// A grid that has just lost the focus shows its cursor-row marker changed at once.
void TMainForm::vleVideoMouseDown(Qt::MouseButton, const QPoint &)
{
    for (TValueListEditor *grid : {vleOutput, vleVideo, vleAudio, vleAdvanced})
        grid->viewport()->repaint();
}

void TMainForm::vleAudioMouseDown(Qt::MouseButton button, const QPoint &pos)
{
    vleVideoMouseDown(button, pos);
}

void TMainForm::vleAdvancedMouseDown(Qt::MouseButton button, const QPoint &pos)
{
    vleVideoMouseDown(button, pos);
}

void TMainForm::vleVideoStringsChange()
{
    const QString videoSize = QStringLiteral("Video Size");
    if (SizeForm && vleVideo->Key(vleVideo->Row()) == videoSize
        && vleVideo->Values(videoSize) == QLatin1String("Custom Size"))
        SizeForm->show();
}
