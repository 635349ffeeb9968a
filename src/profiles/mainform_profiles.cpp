// The main window's profile list and its three parameter grids.
#include "app/mainform.h"

#include "platform/platform.h"
#include "profiles/newinifiles.h"
#include "profiles/profilecatalogue.h"
#include "profiles/profileloader.h"
#include "profiles/sizeform.h"

#include <QComboBox>
#include <QFileInfo>

void TMainForm::bindProfileHandlers()
{
    // Only the user's pick; code that moves the list's position runs cmbProfileChange itself.
    connect(cmbProfile, &QComboBox::activated, this, [this] { cmbProfileChange(); });
    using namespace std::placeholders;
    vleVideo->SetDrawCellHandler(std::bind(&TMainForm::vleVideoDrawCell, this, _1, _2, _3, _4));
    vleAudio->SetDrawCellHandler(std::bind(&TMainForm::vleAudioDrawCell, this, _1, _2, _3, _4));
    vleAdvanced->SetDrawCellHandler(
            std::bind(&TMainForm::vleAdvancedDrawCell, this, _1, _2, _3, _4));
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

void TMainForm::vleVideoDrawCell(int col, int row, const QRect &,
                                 TValueListEditor::CellColors &colors)
{
    PaintParameterCell(*vleVideo, col, row, colors);
}

void TMainForm::vleAudioDrawCell(int col, int row, const QRect &,
                                 TValueListEditor::CellColors &colors)
{
    PaintParameterCell(*vleAudio, col, row, colors);
}

void TMainForm::vleAdvancedDrawCell(int col, int row, const QRect &,
                                    TValueListEditor::CellColors &colors)
{
    PaintParameterCell(*vleAdvanced, col, row, colors);
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
