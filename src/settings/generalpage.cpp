// The settings dialog's "General" page: the preferences, "Load Default" and the folder button.
#include "settings/settingform.h"

#include "app/appglobals.h"
#include "platform/platform.h"
#include "profiles/newinifiles.h"
#include "settings/settingsfile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

GeneralPreferences TSettingForm::GeneralPage() const
{
    GeneralPreferences page;
    page.outputPath = edtOutputDir->text();
    page.synMode = cmbSyn->currentIndex();
    page.autoOpenDir = chkOpenDir->isChecked();
    page.autoExit = chkExit->isChecked();
    page.autoTurnOff = chkTurnoff->isChecked();
    page.overwrite = rdbOverWrite->isChecked();
    return page;
}

void TSettingForm::SetGeneralPage(const GeneralPreferences &preferences)
{
    edtOutputDir->setText(preferences.outputPath);
    // A position outside the list leaves the box without a selection; it is saved as -1.
    cmbSyn->setCurrentIndex(preferences.synMode);
    chkOpenDir->setChecked(preferences.autoOpenDir);
    chkExit->setChecked(preferences.autoExit);
    chkTurnoff->setChecked(preferences.autoTurnOff);
    // The two buttons share their group: ticking one clears the other.
    if (preferences.overwrite)
        rdbOverWrite->setChecked(true);
    else
        rdbRename->setChecked(true);
}

void TSettingForm::LoadGeneralPage(PreferenceSection section)
{
    // A file that cannot be read is reported and leaves the page as it is; a failed write-back
    // after a read changes nothing on disk and keeps what was read.
    UseSettingsFile(
            this, PreferencesPath(),
            [this, section](TNewInifile &ini) {
                SetGeneralPage(ReadGeneralPreferences(ini, section));
            },
            WriteBack::Quiet);
}

bool TSettingForm::SaveGeneralPage()
{
    const GeneralPreferences page = GeneralPage();
    return UseSettingsFile(
            this, PreferencesPath(),
            [&page](TNewInifile &ini) { WriteGeneralPreferences(ini, page); }, WriteBack::Report);
}

void TSettingForm::btnDefaultClick()
{
    if (Platform::MessageBox(this, QStringLiteral("Are you sure to load the default preferences?"),
                             QStringLiteral("Load Default"), Platform::MessageIcon::Question,
                             Platform::MessageButtons::YesNo)
        == Platform::IdYes)
        LoadGeneralPage(PreferenceSection::Default);
}

void TSettingForm::sbtnBrowseClick()
{
    QString folder;
    if (Platform::BrowseForFolder(this, QStringLiteral("Select the output directory."), QString(),
                                  folder))
        edtOutputDir->setText(WithTrailingBackslash(folder));
}
