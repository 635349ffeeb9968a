#include "settings/settingsfile.h"

#include "platform/platform.h"
#include "profiles/newinifiles.h"

#include <QGuiApplication>

#include <memory>

bool UseSettingsFile(QWidget *owner, const QString &path,
                     const std::function<void(TNewInifile &)> &use, WriteBack writeBack)
{
    std::unique_ptr<TNewInifile> ini;
    try {
        ini = std::make_unique<TNewInifile>(path);
    } catch (const EIniFileError &error) {
        ReportFileError(owner, error.message());
        return false;
    }
    use(*ini);
    try {
        SaveAndFree(ini);
    } catch (const EIniFileError &error) {
        if (writeBack == WriteBack::Report)
            ReportFileError(owner, error.message());
        return false;
    }
    return true;
}

void ReportFileError(QWidget *owner, const QString &message)
{
    Platform::MessageBox(owner, message, QGuiApplication::applicationDisplayName(),
                         Platform::MessageIcon::Error, Platform::MessageButtons::Ok);
}
