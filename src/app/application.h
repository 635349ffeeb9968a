#pragma once

#include "app/mainform.h"

// The program's four windows, created in their fixed order (main window, About box, settings
// dialog, size dialog) and destroyed together. Tests create them the same way.
class ProgramWindows
{
public:
    explicit ProgramWindows(const StartupInfo &startup);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;
};

// Program entry: creates the windows and runs the message loop until the main window closes.
int RunApplication(int argc, char *argv[]);
