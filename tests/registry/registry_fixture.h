// Registry tests work below a test organisation key that every test removes again, and read and
// write values with the raw registry API to check what the class stored or reads.
#pragma once

#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

constexpr wchar_t kTestOrganisation[] = L"ZetoComRegistryTest";

// One value as the registry holds it.
struct RawValue {
    bool exists = false;
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
    std::wstring Text() const;  // the bytes as UTF-16, without a terminator
};

RawValue ReadRaw(HKEY root, const std::wstring& key, const std::wstring& name);
void WriteRaw(HKEY root, const std::wstring& key, const std::wstring& name, DWORD type, const void* data, DWORD size);
void WriteRawText(HKEY root, const std::wstring& key, const std::wstring& name, const std::wstring& text);
bool KeyExists(HKEY root, const std::wstring& key);

// Removes SOFTWARE\<test organisation> below HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE, and the
// classes and root values a test names, before and after each test.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveAll(); }
    void TearDown() override { RemoveAll(); }

    // Extra keys below HKEY_CLASSES_ROOT and values of a root key: removed at once (a crashed run
    // may have left them) and again after the test.
    void RemoveClass(const std::wstring& subkey) {
        m_classes.push_back(subkey);
        RemoveAll();
    }
    void RemoveRootValue(HKEY root, const std::wstring& name) {
        m_rootValues.push_back({root, name});
        RemoveAll();
    }

    static std::wstring UserKey(const std::wstring& below) { return L"SOFTWARE\\" + Org() + below; }
    static std::wstring Org() { return kTestOrganisation; }

private:
    void RemoveAll();
    std::vector<std::wstring> m_classes;
    std::vector<std::pair<HKEY, std::wstring>> m_rootValues;
};
