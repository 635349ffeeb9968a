#pragma once

#include <QString>

class TNewInifile;

// The "General" page's choices as Preferences.ini keeps them.
struct GeneralPreferences
{
    QString outputPath;
    int synMode = 0; // 0 "Auto", 1 "Force Mode", 2 "Progressive Mode"; kept, not used otherwise
    bool autoOpenDir = true;
    bool autoExit = false;
    bool autoTurnOff = false;
    bool overwrite = true; // false: an existing output file gets an indexed name
};

// "Main" holds the user's preferences; "Default" the factory settings that "Load Default"
// brings back. The program never writes "Default".
enum class PreferenceSection { Main, Default };

QString PreferenceSectionName(PreferenceSection section);

// Preferences.ini in the program's folder.
QString PreferencesPath();

// Missing keys and values that do not convert give the defaults: the program's folder, "Auto",
// no exit, no power-off, overwrite. The open-folder tick defaults to on in "Main" (a first start)
// and to off in "Default" (a file without factory settings).
GeneralPreferences ReadGeneralPreferences(const TNewInifile &ini, PreferenceSection section);

// Writes "Output Path", "Syn Mode", "Auto Open Dir", "Auto Exit", "Auto Turn Off" and
// "Overwrite" into "Main", in this order (the order decides where new keys land in the file).
void WriteGeneralPreferences(TNewInifile &ini, const GeneralPreferences &preferences);

// The main window's preferred profile: a position in its profile list, -1 for none.
int ReadPreferredProfile(const TNewInifile &ini);
void WritePreferredProfile(TNewInifile &ini, int position);
