// The main window's share of the preferences: its output folder and preferred profile, loaded
// when it is shown and saved with the general page when it closes, and opening the settings
// dialog.
#include "app/mainform.h"

#include "app/appglobals.h"
#include "profiles/newinifiles.h"
#include "settings/preferences.h"
#include "settings/settingform.h"
#include "settings/settingsfile.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QToolButton>

void TMainForm::bindPreferencesHandlers()
{
    connect(sbtnOptions, &QToolButton::clicked, this, &TMainForm::tbtnSettingClick);
    connect(bbtnSetting, &QPushButton::clicked, this, &TMainForm::bbtnSettingClick);
}

void TMainForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Spontaneous events come from the window system (restoring a minimised window).
    if (!event->spontaneous())
        FormShow();
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // A run in progress ends first, so the close saves and ends as usual.
    StopRunForClose();
    FormClose();
    QWidget::closeEvent(event);
}

void TMainForm::FormShow()
{
    bool choseProfile = false;
    UseSettingsFile(
            this, PreferencesPath(),
            [this, &choseProfile](TNewInifile &ini) {
                edtOutputdir->setText(ini.ReadString(QStringLiteral("Main"),
                                                     QStringLiteral("Output Path"), AppDir));
                if (cmbProfile->count() > 0) {
                    // A position outside the list selects nothing and is saved as -1 at exit.
                    cmbProfile->setCurrentIndex(ReadPreferredProfile(ini));
                    choseProfile = true;
                }
            },
            WriteBack::Quiet);
    // Loaded after the preferences are released: one settings file open at a time.
    if (choseProfile)
        cmbProfileChange();
}

void TMainForm::FormClose()
{
    UseSettingsFile(
            this, PreferencesPath(),
            [this](TNewInifile &ini) {
                WritePreferredProfile(ini, cmbProfile->currentIndex());
                // The dialog holds the live general preferences from start to end.
                if (SettingForm) {
                    GeneralPreferences general = SettingForm->GeneralPage();
                    general.outputPath = edtOutputdir->text();
                    WriteGeneralPreferences(ini, general);
                }
            },
            WriteBack::Report);
}

void TMainForm::tbtnSettingClick()
{
    SettingForm->show();
    SettingForm->pgcSetting->setCurrentIndex(0);
}

void TMainForm::bbtnSettingClick()
{
    SettingForm->show();
    SettingForm->pgcSetting->setCurrentIndex(1);
    // The dialog shows the profile as stored, not the changes made in this window's grids.
    SettingForm->cmbProfile->setCurrentIndex(cmbProfile->currentIndex());
    SettingForm->cmbProfileChange();
}
