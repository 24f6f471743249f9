#include "wine_version.h"

WineVersionOverride::WineVersionOverride(const wchar_t* version) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    m_key = std::wstring(L"Software\\Wine\\AppDefaults\\") + (wcsrchr(path, L'\\') + 1);
    m_set = RegSetKeyValueW(HKEY_CURRENT_USER, m_key.c_str(), L"Version", REG_SZ, version,
                            static_cast<DWORD>((wcslen(version) + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

WineVersionOverride::~WineVersionOverride() { RegDeleteTreeW(HKEY_CURRENT_USER, m_key.c_str()); }
