#include "app/application.h"

#include "app/aboutform.h"
#include "profiles/sizeform.h"
#include "settings/settingform.h"

#include <QApplication>

ProgramWindows::ProgramWindows(const StartupInfo &startup)
{
    new TMainForm(startup);
    new TAboutForm;
    new TSettingForm;
    new TSizeForm;
}

ProgramWindows::~ProgramWindows()
{
    delete SizeForm;
    SizeForm = nullptr;
    delete SettingForm;
    SettingForm = nullptr;
    delete AboutForm;
    AboutForm = nullptr;
    delete MainForm; // clears MainForm itself
}

int RunApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartupInfo startup;
    startup.programFile = QApplication::applicationFilePath();
    startup.parameters = QApplication::arguments().mid(1);
    ProgramWindows windows(startup);
    MainForm->show();
    return app.exec();
}
