// The Windows version that Wine reports to programs started under this program's file name.
#pragma once
#include <windows.h>
#include <string>
class WineVersionOverride {
public:
    explicit WineVersionOverride(const wchar_t* version) {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        m_key = std::wstring(L"Software\\Wine\\AppDefaults\\") + (wcsrchr(path, L'\\') + 1);
        m_set = !RegSetKeyValueW(HKEY_CURRENT_USER, m_key.c_str(), L"Version", REG_SZ, version, 2 * wcslen(version) + 2);
    }
    ~WineVersionOverride() { RegDeleteTreeW(HKEY_CURRENT_USER, m_key.c_str()); }
    bool IsSet() const { return m_set; }
private:
    std::wstring m_key;
    bool m_set;
};
