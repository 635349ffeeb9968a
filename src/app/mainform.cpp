#include "app/mainform.h"

#include "app/appglobals.h"
#include "app/inputtypes.h"
#include "app/programinfo.h"
#include "conversion/encoder.h"
#include "platform/platform.h"
#include "profiles/newinifiles.h"
#include "profiles/profilecatalogue.h"
#include "profiles/valuelisteditor.h"
#include "tasks/tasklistview.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

TMainForm *MainForm = nullptr;

TMainForm::TMainForm(const StartupInfo &startup, QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                      | Qt::WindowCloseButtonHint)
    , m_startup(startup)
{
    setObjectName(QStringLiteral("MainForm"));
    MainForm = this;
    createControls();
    connect(bbtnBrowser, &QPushButton::clicked, this, &TMainForm::bbtnBrowserClick);
    connect(bbtnOpen, &QPushButton::clicked, this, &TMainForm::bbtnOpenClick);
    Encoder = new TEncoderProcess(this);
    bindTaskHandlers();
    FormCreate();
    bindTaskCommands();
    bindProfileHandlers();
    bindConversionHandlers();
    bindPreferencesHandlers();
    bindSectionHandlers();
    bindPreviewHandlers();
}

TMainForm::~TMainForm()
{
    if (MainForm == this)
        MainForm = nullptr;
}

void TMainForm::FormCreate()
{
    AppDir = ProgramFolderOf(m_startup.programFile);
    edtOutputdir->setText(AppDir);
    EncoderPath = AppDir + QStringLiteral("vezizi.dll");

    // Reading the version also writes the file back, so it exists after the first start.
    try {
        auto *ini = new TNewInifile(AppDir + QStringLiteral("Preferences.ini"));
        VersionText = ini->ReadString(QStringLiteral("Main"), QStringLiteral("Version"),
                                      QStringLiteral("3.0"));
        SaveAndFree(ini);
    } catch (const EIniFileError &error) {
        if (VersionText.isEmpty())
            VersionText = QStringLiteral("3.0");
        Platform::ShowMessage(error.message());
    }
    SetProductInfo(*this);

    InputExtensions = DefaultInputExtensions();
    InputMask = BuildInputMask(InputExtensions);
    OpenDialogFilter = BuildOpenFilter(InputExtensions);

    for (const QString &name : FindFilesByExt(ProfileFolder(), QStringLiteral(".apf")))
        cmbProfile->addItem(RemoveFileExt(name));
    cmbProfile->setCurrentIndex(-1);

    TakeCommandLine(m_startup.parameters);

    setAcceptDrops(true);

    panBottomCenter->resize(637, panBottomCenter->height());
    panBottomLeft->resize(637, panBottomLeft->height());
    panBottomLeft->hide();
    panBottomLeft->move(0, panBottomLeft->y());
    const int widths[] = {230, 90, 80, 100};
    for (int column = 0; column < 4; ++column)
        ltvTask->SetColumnWidth(column, widths[column]);
}

void TMainForm::bbtnBrowserClick()
{
    QString folder;
    if (Platform::BrowseForFolder(this, QStringLiteral("Select the output directory."), QString(),
                                  folder))
        edtOutputdir->setText(WithTrailingBackslash(folder));
}

void TMainForm::bbtnOpenClick()
{
    const QString folder = edtOutputdir->text();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        Platform::ShellOpen(this, folder);
}

TValueListEditor *TMainForm::Grid(int number) const
{
    switch (number) {
    case 0:
        return vleOutput;
    case 1:
        return vleVideo;
    case 2:
        return vleAudio;
    case 3:
        return vleAdvanced;
    default:
        return nullptr;
    }
}

void TMainForm::SetGridValue(int grid, const QString &key, const QString &value)
{
    if (TValueListEditor *target = Grid(grid))
        target->SetValues(key, value);
}
