// Child programs of the tests: started and waited for, and never left running.
#pragma once

#include <windows.h>

#include <string>

// The folder of the running test program (no trailing backslash).
std::wstring ProgramFolder();

// Starts the program with the command line, waits up to a minute and gives its exit code
// (0xFFFFFFFF when it could not be started or did not end in time; it is then ended).
DWORD RunProgram(const std::wstring& program, std::wstring command);

// Runs one test of this test program in a child with the environment variable set (and clears
// it again). True when the child ended with 0 and its own gtest report says the test ran to
// completion: a child that skipped the test, or matched no test, does not pass.
bool RunChildTest(const std::wstring& test, const wchar_t* variable, const std::wstring& value);

// Waits up to ten seconds for every running process whose file name is the given one to end,
// ends those that are still there and gives how many it had to end.
int EndLeftoverProcesses(const wchar_t* exeName);
