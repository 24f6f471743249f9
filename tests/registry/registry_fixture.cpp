#include "registry_fixture.h"

std::wstring RawValue::Text() const {
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

RawValue ReadRaw(HKEY root, const std::wstring& key, const std::wstring& name) {
    RawValue value;
    HKEY handle;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExW(handle, name.c_str(), nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.resize(size);
        value.exists = RegQueryValueExW(handle, name.c_str(), nullptr, &value.type, value.bytes.data(), &size) ==
                       ERROR_SUCCESS;
    }
    RegCloseKey(handle);
    return value;
}

void WriteRaw(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data, DWORD size) {
    // A value of the root itself goes through the predefined handle, as the library reads it: a
    // 32-bit process under Wine gets another view of the classes root from RegCreateKeyEx(root, "").
    if (key.empty()) {
        EXPECT_EQ(RegSetValueExW(root, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
        return;
    }
    HKEY handle;
    ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExW(handle, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(handle);
}

void WriteRawText(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text) {
    WriteRaw(root, key, name, REG_SZ, text.c_str(), DWORD(text.size() + 1) * sizeof(wchar_t));
}

bool KeyExists(HKEY root, const std::wstring& key) {
    HKEY handle;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

void RegistryTest::RemoveAll() {
    const std::wstring organisation = L"SOFTWARE\\" + Org();
    RegDeleteTreeW(HKEY_CURRENT_USER, organisation.c_str());
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, organisation.c_str());
    for (const std::wstring& subkey : m_classes) RegDeleteTreeW(HKEY_CLASSES_ROOT, subkey.c_str());
    for (const auto& value : m_rootValues) RegDeleteValueW(value.first, value.second.c_str());
}
