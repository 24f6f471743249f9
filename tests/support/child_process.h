// Child runs of this test program.
#pragma once
#include <process.h>
#include "program_path.h"
#include "scratch_folder.h"
// Runs one test in a child with the environment variable set: true when the child ends with 0 and
// its own report says that the test ran to the end (neither skipped nor missing).
inline bool RunChildTest(const std::wstring& test, const wchar_t* variable, const std::wstring& value) {
    ScratchFolder folder;
    const std::wstring filter = L"--gtest_filter=" + test, output = L"--gtest_output=json:\"" + folder / L"c.json\"";
    SetEnvironmentVariableW(variable, value.c_str());
    const auto failed =
        _wspawnl(_P_WAIT, ProgramPath().c_str(), L"child", L"--gtest_brief=1", filter.c_str(), output.c_str(), nullptr);
    SetEnvironmentVariableW(variable, nullptr);
    const std::string json = ReadFileBytes(folder / L"c.json"), name(test.begin() + test.find(L'.') + 1, test.end());
    return !failed && json.find("\"name\": \"" + name + "\"") != json.npos && json.find("\"COMPLETED\"") != json.npos;
}
