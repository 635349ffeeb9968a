#include "settings/preferences.h"

#include "app/appglobals.h"
#include "profiles/newinifiles.h"

namespace {

const QString OutputPathKey = QStringLiteral("Output Path");
const QString SynModeKey = QStringLiteral("Syn Mode");
const QString AutoOpenDirKey = QStringLiteral("Auto Open Dir");
const QString AutoExitKey = QStringLiteral("Auto Exit");
const QString AutoTurnOffKey = QStringLiteral("Auto Turn Off");
const QString OverwriteKey = QStringLiteral("Overwrite");
const QString ProfileKey = QStringLiteral("Profile");

} // namespace

QString PreferenceSectionName(PreferenceSection section)
{
    return section == PreferenceSection::Main ? QStringLiteral("Main") : QStringLiteral("Default");
}

QString PreferencesPath()
{
    return AppDir + QStringLiteral("Preferences.ini");
}

GeneralPreferences ReadGeneralPreferences(const TNewInifile &ini, PreferenceSection section)
{
    const QString name = PreferenceSectionName(section);
    GeneralPreferences result;
    result.outputPath = ini.ReadString(name, OutputPathKey, AppDir);
    result.synMode = ini.ReadInteger(name, SynModeKey, 0);
    result.autoOpenDir = ini.ReadBool(name, AutoOpenDirKey, section == PreferenceSection::Main);
    result.autoExit = ini.ReadBool(name, AutoExitKey, false);
    result.autoTurnOff = ini.ReadBool(name, AutoTurnOffKey, false);
    result.overwrite = ini.ReadBool(name, OverwriteKey, true);
    return result;
}

void WriteGeneralPreferences(TNewInifile &ini, const GeneralPreferences &preferences)
{
    const QString name = PreferenceSectionName(PreferenceSection::Main);
    ini.WriteString(name, OutputPathKey, preferences.outputPath);
    ini.WriteInteger(name, SynModeKey, preferences.synMode);
    ini.WriteBool(name, AutoOpenDirKey, preferences.autoOpenDir);
    ini.WriteBool(name, AutoExitKey, preferences.autoExit);
    ini.WriteBool(name, AutoTurnOffKey, preferences.autoTurnOff);
    ini.WriteBool(name, OverwriteKey, preferences.overwrite);
}

int ReadPreferredProfile(const TNewInifile &ini)
{
    return ini.ReadInteger(PreferenceSectionName(PreferenceSection::Main), ProfileKey, 0);
}

void WritePreferredProfile(TNewInifile &ini, int position)
{
    ini.WriteInteger(PreferenceSectionName(PreferenceSection::Main), ProfileKey, position);
}
