// The Windows version that Wine reports to programs started under this program's file name.
#pragma once
#include <windows.h>
#include <string>
#include "program_path.h"
class WineVersionOverride {
public:
    explicit WineVersionOverride(const wchar_t* version) {
        const std::wstring path = ProgramPath();
        m_key = L"Software\\Wine\\AppDefaults\\" + path.substr(path.rfind(L'\\') + 1);
        const DWORD bytes = DWORD(2 * wcslen(version) + 2);
        m_set = !RegSetKeyValueW(HKEY_CURRENT_USER, m_key.c_str(), L"Version", REG_SZ, version, bytes);
    }
    ~WineVersionOverride() { RegDeleteTreeW(HKEY_CURRENT_USER, m_key.c_str()); }
    bool IsSet() const { return m_set; }
private:
    std::wstring m_key;
    bool m_set;
};
