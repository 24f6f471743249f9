// TMP and TEMP pointed somewhere else while the owner lives.
#pragma once
#include <windows.h>
#include <string>
class TempVariables {
public:
    explicit TempVariables(const std::wstring& value) {
        for (int i : {0, 1}) m_had[i] = GetEnvironmentVariableW(kNames[i], m_saved[i], MAX_PATH);
        for (auto name : kNames) SetEnvironmentVariableW(name, value.c_str());
    }
    ~TempVariables() { for (int i : {0, 1}) SetEnvironmentVariableW(kNames[i], m_had[i] ? m_saved[i] : nullptr); }
private:
    static constexpr const wchar_t* kNames[2] = {L"TMP", L"TEMP"};
    wchar_t m_saved[2][MAX_PATH];
    DWORD m_had[2];
};
