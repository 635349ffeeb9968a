#pragma once

// Program entry: creates the program's windows in their fixed order and runs the message loop
// until the main window closes.
int RunApplication(int argc, char *argv[]);
