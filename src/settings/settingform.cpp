// The settings dialog's construction: its pages, controls and bindings.
#include "settings/settingform.h"

#include "app/mainform.h"
#include "app/placedwidget.h"
#include "profiles/gridsection.h"
#include "profiles/valuelisteditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TSettingForm *SettingForm = nullptr;

TSettingForm::TSettingForm(QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("SettingForm"));
    SettingForm = this;
    setWindowTitle(QStringLiteral("Settings"));
    setFixedSize(391, 498);
    // The program ends when the main window closes, even with this window still open.
    setAttribute(Qt::WA_QuitOnClose, false);

    pgcSetting = MakePlaced<QTabWidget>(this, QStringLiteral("pgcSetting"), QRect(8, 8, 375, 446));
    tabGeneral = new QWidget;
    tabGeneral->setObjectName(QStringLiteral("tabGeneral"));
    tabProfiles = new QWidget;
    tabProfiles->setObjectName(QStringLiteral("tabProfiles"));
    pgcSetting->addTab(tabGeneral, QStringLiteral("     General     "));
    pgcSetting->addTab(tabProfiles, QStringLiteral("     Profiles     "));
    createGeneralPage();
    createProfilesPage();

    btnDefault = MakePlaced<QPushButton>(this, QStringLiteral("btnDefault"),
                                         QStringLiteral("&Load Default"), QRect(8, 464, 96, 25));
    btnOK = MakePlaced<QPushButton>(this, QStringLiteral("btnOK"), QStringLiteral("&OK"),
                                    QRect(226, 464, 75, 25));
    btnCancel = MakePlaced<QPushButton>(this, QStringLiteral("btnCancel"),
                                        QStringLiteral("&Cancel"), QRect(308, 464, 75, 25));

    connect(btnDefault, &QPushButton::clicked, this, &TSettingForm::btnDefaultClick);
    connect(btnOK, &QPushButton::clicked, this, &TSettingForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TSettingForm::btnCancelClick);
    connect(sbtnBrowse, &QToolButton::clicked, this, &TSettingForm::sbtnBrowseClick);
    bindProfileHandlers();
    FormCreate();
}

void TSettingForm::createGeneralPage()
{
    auto *pathLabel
            = MakePlaced<QLabel>(tabGeneral, QStringLiteral("labOutputDir"),
                                 QStringLiteral("Default Output Path:"), QRect(12, 22, 120, 16));
    edtOutputDir = MakePlaced<QLineEdit>(tabGeneral, QStringLiteral("edtOutputDir"),
                                         QRect(134, 19, 192, 21));
    pathLabel->setBuddy(edtOutputDir);
    sbtnBrowse = MakePlaced<QToolButton>(tabGeneral, QStringLiteral("sbtnBrowse"),
                                         QRect(330, 18, 23, 23));
    sbtnBrowse->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    sbtnBrowse->setAutoRaise(true);

    auto *synLabel
            = MakePlaced<QLabel>(tabGeneral, QStringLiteral("labSyn"),
                                 QStringLiteral("Synchronization Mode:"), QRect(12, 60, 120, 16));
    cmbSyn = MakePlaced<QComboBox>(tabGeneral, QStringLiteral("cmbSyn"), QRect(134, 57, 192, 21));
    cmbSyn->setEditable(false);
    cmbSyn->addItems({QStringLiteral("Auto"), QStringLiteral("Force Mode"),
                      QStringLiteral("Progressive Mode")});
    synLabel->setBuddy(cmbSyn);

    chkOpenDir = MakePlaced<QCheckBox>(tabGeneral, QStringLiteral("chkOpenDir"),
                                       QStringLiteral("Open the output directory when the task is "
                                                      "completed. "),
                                       QRect(12, 100, 341, 20));
    chkExit = MakePlaced<QCheckBox>(tabGeneral, QStringLiteral("chkExit"),
                                    QStringLiteral("Exit the program when the task is completed."),
                                    QRect(12, 128, 341, 20));
    chkTurnoff = MakePlaced<QCheckBox>(
            tabGeneral, QStringLiteral("chkTurnoff"),
            QStringLiteral("Turn off the computer when the task is completed."),
            QRect(12, 156, 341, 20));

    GroupBox1 = MakePlaced<QGroupBox>(tabGeneral, QStringLiteral("GroupBox1"),
                                      QRect(12, 192, 341, 84));
    GroupBox1->setTitle(QStringLiteral("Output File Overwrite"));
    rdbOverWrite = MakePlaced<QRadioButton>(GroupBox1, QStringLiteral("rdbOverWrite"),
                                            QStringLiteral("Overwrite"), QRect(12, 24, 317, 20));
    rdbRename = MakePlaced<QRadioButton>(
            GroupBox1, QStringLiteral("rdbRename"),
            QStringLiteral("Not overwrite (Rename to <Filename> + Index"), QRect(12, 52, 317, 20));
    // The design-time states are the first start's, should the preferences be unreadable.
    chkOpenDir->setChecked(true);
    rdbOverWrite->setChecked(true);
}

void TSettingForm::createProfilesPage()
{
    cmbProfile = MakePlaced<QComboBox>(tabProfiles, QStringLiteral("cmbProfile"),
                                       QRect(8, 10, 254, 21));
    cmbProfile->setEditable(false);
    btnSaveAs = MakePlaced<QPushButton>(tabProfiles, QStringLiteral("btnSaveAs"),
                                        QStringLiteral("&Save as..."), QRect(270, 8, 87, 25));

    ScrollBox1 = MakePlaced<QScrollArea>(tabProfiles, QStringLiteral("ScrollBox1"),
                                         QRect(8, 42, 349, 366));
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *content = new QWidget;
    auto *column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    // The same design-time rows as the main window's grids, until a profile is chosen; the
    // headers in the button shadow colour.
    const QColor shadow = palette().color(QPalette::Dark);
    GridSection video
            = AddGridSection(column, QStringLiteral("Video"), shadow, 349, DesignTimeRows(1));
    GridSection audio
            = AddGridSection(column, QStringLiteral("Audio"), shadow, 349, DesignTimeRows(2));
    GridSection advanced
            = AddGridSection(column, QStringLiteral("Advanced"), shadow, 349, DesignTimeRows(3));
    panVideo = video.header;
    btnVideo = video.button;
    vleVideo = video.grid;
    panAudio = audio.header;
    btnAudio = audio.button;
    vleAudio = audio.grid;
    panAdvanced = advanced.header;
    btnAdvanced = advanced.button;
    vleAdvanced = advanced.grid;
    for (TValueListEditor *grid : {vleVideo, vleAudio, vleAdvanced})
        grid->SetColWidths(160, 200);
    column->addStretch(1);
    ScrollBox1->setWidget(content);
}

void TSettingForm::FormCreate()
{
    // The dialog's list is a copy of the main window's, taken once; nothing is chosen in it.
    if (MainForm) {
        for (int i = 0; i < MainForm->cmbProfile->count(); ++i)
            cmbProfile->addItem(MainForm->cmbProfile->itemText(i));
    }
    cmbProfile->setCurrentIndex(-1);
    LoadGeneralPage(PreferenceSection::Main);
}

void TSettingForm::FormShow()
{
    if (!MainForm)
        return;
    move(MainForm->frameGeometry().center() - rect().center());
    // Without a modal loop of its own, the dialog keeps the main window from taking input.
    MainForm->setEnabled(false);
    edtOutputDir->setText(MainForm->edtOutputdir->text());
}

void TSettingForm::FormClose()
{
    if (MainForm)
        MainForm->setEnabled(true);
}

void TSettingForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Spontaneous events come from the window system (restoring a minimised desktop).
    if (!event->spontaneous())
        FormShow();
}

void TSettingForm::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        FormClose();
}

void TSettingForm::btnOKClick()
{
    if (MainForm)
        MainForm->edtOutputdir->setText(edtOutputDir->text());
    const bool preferencesSaved = SaveGeneralPage();

    const QString profile = ChosenProfilePath();
    const bool profileSaved = !QFileInfo(profile).isFile() || SaveGridsToProfile(profile);
    // The main window shows what was saved; after a failed save there is nothing new to show.
    if (profileSaved && MainForm
        && MainForm->cmbProfile->currentText() == cmbProfile->currentText())
        MainForm->cmbProfileChange();

    // A dialog whose changes were not all written stays open, so the user can try again, save
    // the profile elsewhere or cancel.
    if (preferencesSaved && profileSaved)
        close();
}

void TSettingForm::btnCancelClick()
{
    close();
}
