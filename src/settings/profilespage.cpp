// The settings dialog's "Profiles" page: choosing a profile, its three grids, saving the grids
// into the profile (OK) or into a copy of it ("Save as...").
#include "settings/settingform.h"

#include "platform/platform.h"
#include "profiles/gridsection.h"
#include "profiles/newinifiles.h"
#include "profiles/profilecatalogue.h"
#include "profiles/profileloader.h"
#include "settings/profilesaver.h"
#include "settings/settingsfile.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QToolButton>

void TSettingForm::bindProfileHandlers()
{
    // Only the user's pick; "&Detail" sets the position and runs cmbProfileChange itself.
    connect(cmbProfile, &QComboBox::activated, this, [this] { cmbProfileChange(); });
    connect(btnSaveAs, &QPushButton::clicked, this, &TSettingForm::btnSaveAsClick);
    connect(btnVideo, &QToolButton::clicked, this, &TSettingForm::btnVideoClick);
    connect(btnAudio, &QToolButton::clicked, this, &TSettingForm::btnAudioClick);
    connect(btnAdvanced, &QToolButton::clicked, this, &TSettingForm::btnAdvancedClick);
    for (TValueListEditor *grid : {vleVideo, vleAudio, vleAdvanced}) {
        grid->SetDrawCellHandler(
                [grid](int col, int row, const QRect &, TValueListEditor::CellColors &colors) {
                    PaintParameterCell(*grid, col, row, colors);
                });
        // A grid that has just lost the focus shows its cursor-row marker changed at once.
        connect(grid, &TValueListEditor::mouseDown, this, &TSettingForm::repaintGrids);
    }
}

void TSettingForm::repaintGrids()
{
    for (TValueListEditor *grid : {vleVideo, vleAudio, vleAdvanced})
        grid->viewport()->repaint();
}

QString TSettingForm::ChosenProfilePath() const
{
    return ProfilePath(cmbProfile->currentText());
}

void TSettingForm::cmbProfileChange()
{
    const QString path = ChosenProfilePath();
    if (!QFileInfo(path).isFile())
        return;
    // Nothing above this handler reports errors, so it shows them as the standard error box.
    try {
        LoadProfileIntoDialog(path);
    } catch (const EListError &error) {
        Platform::ShowMessage(error.message());
    } catch (const EIniFileError &error) {
        Platform::ShowMessage(error.message());
    }
}

void TSettingForm::LoadProfileIntoDialog(const QString &path)
{
    TValueListEditor *const grids[3] = {vleVideo, vleAudio, vleAdvanced};
    LoadProfileIntoGrids(path, grids, nullptr);
}

bool TSettingForm::SaveGridsToProfile(const QString &path)
{
    const TValueListEditor *const grids[3] = {vleVideo, vleAudio, vleAdvanced};
    return UseSettingsFile(
            this, path, [&grids](TNewInifile &ini) { SaveParameterGrids(ini, grids); },
            WriteBack::Report);
}

bool TSettingForm::CopyProfileAs(const QString &source, const QString &destination)
{
    const QFileInfo from(source);
    if (!from.isFile())
        return false;
    const QFileInfo to(destination);
    // Copying a file onto itself would first remove it.
    const bool sameFile = to.exists() && to.canonicalFilePath() == from.canonicalFilePath();
    if (!sameFile) {
        // Without a copy there is nothing to save into: the store would only fail later.
        QFile target(destination);
        if (to.exists() && !target.remove()) {
            ReportFileError(this,
                            QStringLiteral("Cannot create file \"%1\". %2")
                                    .arg(destination, target.errorString()));
            return false;
        }
        QFile file(source);
        if (!file.copy(destination)) {
            ReportFileError(this,
                            QStringLiteral("Cannot create file \"%1\". %2")
                                    .arg(destination, file.errorString()));
            return false;
        }
    }
    return SaveGridsToProfile(destination);
}

void TSettingForm::btnSaveAsClick()
{
    // No overwrite question: an existing file is replaced.
    const QString destination = Platform::services().getSaveFileName(
            this, QStringLiteral(".apf"), QStringLiteral("Profiles (*.apf)|*.apf"));
    if (destination.isEmpty())
        return;
    CopyProfileAs(ChosenProfilePath(), destination);
}

void TSettingForm::btnVideoClick()
{
    ToggleSection(btnVideo, vleVideo);
}

void TSettingForm::btnAudioClick()
{
    ToggleSection(btnAudio, vleAudio);
}

void TSettingForm::btnAdvancedClick()
{
    ToggleSection(btnAdvanced, vleAdvanced);
}
