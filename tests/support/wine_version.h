// Tells Wine which Windows version to report to programs started under this program's file name,
// for as long as the owner lives (HKCU\Software\Wine\AppDefaults\<exe>\Version).
#pragma once

#include <windows.h>

#include <string>

class WineVersionOverride {
public:
    explicit WineVersionOverride(const wchar_t* version);
    ~WineVersionOverride();
    WineVersionOverride(const WineVersionOverride&) = delete;
    WineVersionOverride& operator=(const WineVersionOverride&) = delete;
    bool IsSet() const { return m_set; }

private:
    std::wstring m_key;
    bool m_set = false;
};
