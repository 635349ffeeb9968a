#pragma once

#include "profiles/valuelisteditor.h"
#include "settings/preferences.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTabWidget;
class QToolButton;
class QVBoxLayout;

// The settings dialog: the "General" page (preferences) and the "Profiles" page (profile
// editing). Created once at start, after the main window, and kept; shown without a modal loop.
// Its general controls are the live preferences: the run and its end actions read them.
class TSettingForm : public QWidget
{
    Q_OBJECT
public:
    explicit TSettingForm(QWidget *parent = nullptr);

    // --- Dialog (settingform.cpp) -----------------------------------------------------------
    void FormCreate();
    void FormShow();
    void FormClose();
    void btnOKClick();
    void btnCancelClick();

    // --- General page (generalpage.cpp) ----------------------------------------------------
    void btnDefaultClick();
    void sbtnBrowseClick();
    GeneralPreferences GeneralPage() const;
    void SetGeneralPage(const GeneralPreferences &preferences);
    // Reads a section of Preferences.ini into the general page.
    void LoadGeneralPage(PreferenceSection section);
    // Writes the general page into "Main"; false (and reported) when the file was not written.
    bool SaveGeneralPage();

    // --- Profiles page (profilespage.cpp) --------------------------------------------------
    void cmbProfileChange();
    void btnSaveAsClick();
    void btnVideoClick();
    void btnAudioClick();
    void btnAdvancedClick();
    // The main window's loading without "Type". Throws EListError for an "Index" outside its
    // list and EIniFileError for file access; cmbProfileChange reports them.
    void LoadProfileIntoDialog(const QString &path);
    // Writes the grids' choices into the profile at `path`; false (and reported) when the file
    // could not be read or written.
    bool SaveGridsToProfile(const QString &path);
    // Copies the profile, replacing the destination, and saves the grids into the copy; false
    // (and reported) when either failed. A missing source does nothing; saving onto the
    // source's own file just saves.
    bool CopyProfileAs(const QString &source, const QString &destination);
    // The profile chosen in the dialog's list, as a path in the profile folder.
    QString ChosenProfilePath() const;

    // --- Controls ----------------------------------------------------------------------------
    QTabWidget *pgcSetting = nullptr;
    QWidget *tabGeneral = nullptr;
    QWidget *tabProfiles = nullptr;
    QPushButton *btnDefault = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnCancel = nullptr;

    QLineEdit *edtOutputDir = nullptr;
    QToolButton *sbtnBrowse = nullptr;
    QComboBox *cmbSyn = nullptr;
    QCheckBox *chkOpenDir = nullptr;
    QCheckBox *chkExit = nullptr;
    QCheckBox *chkTurnoff = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QRadioButton *rdbOverWrite = nullptr;
    QRadioButton *rdbRename = nullptr;

    QComboBox *cmbProfile = nullptr;
    QPushButton *btnSaveAs = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QWidget *panVideo = nullptr;
    QToolButton *btnVideo = nullptr;
    TValueListEditor *vleVideo = nullptr;
    QWidget *panAudio = nullptr;
    QToolButton *btnAudio = nullptr;
    TValueListEditor *vleAudio = nullptr;
    QWidget *panAdvanced = nullptr;
    QToolButton *btnAdvanced = nullptr;
    TValueListEditor *vleAdvanced = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void createGeneralPage();
    void createProfilesPage();
    void bindProfileHandlers();
    void repaintGrids();
};

extern TSettingForm *SettingForm;
