// Child programs of the tests: started and waited for, and never left running.
#pragma once

#include <windows.h>

#include <string>

// The folder of the running test program (no trailing backslash).
std::wstring ProgramFolder();

// Starts the program with the command line, waits up to a minute and gives its exit code
// (0xFFFFFFFF when it could not be started or did not end in time; it is then ended).
DWORD RunProgram(const std::wstring& program, std::wstring command);

// Waits up to ten seconds for every running process whose file name is the given one to end,
// ends those that are still there and gives how many it had to end.
int EndLeftoverProcesses(const wchar_t* exeName);
