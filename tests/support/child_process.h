// Child runs of this test program.
#pragma once
#include <process.h>
#include "scratch_folder.h"
inline std::wstring ProgramFolder() {  // of the running test program, without a trailing backslash
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, wcsrchr(path, L'\\'));
}
// Runs one test in a child with the environment variable set: true when the child ends with 0 and
// its own report says that the test ran to the end (neither skipped nor missing).
inline bool RunChildTest(const std::wstring& test, const wchar_t* variable, const std::wstring& value) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ScratchFolder folder;
    const std::wstring filter = L"--gtest_filter=" + test, output = L"--gtest_output=json:\"" + folder / L"c.json\"";
    SetEnvironmentVariableW(variable, value.c_str());
    const auto failed = _wspawnl(_P_WAIT, self, L"child", L"--gtest_brief=1", filter.c_str(), output.c_str(), nullptr);
    SetEnvironmentVariableW(variable, nullptr);
    const std::string json = ReadFileBytes(folder / L"c.json"), name(test.begin() + test.find(L'.') + 1, test.end());
    return !failed && json.find("\"name\": \"" + name + "\"") != json.npos && json.find("\"COMPLETED\"") != json.npos;
}
