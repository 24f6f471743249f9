// The key-path grammar, the text form of stored data and the four primitives.
#include <gtest/gtest.h>

#include "cstring_print.h"
#include "registry_fixture.h"

namespace {

TEST(RegistrySplit, SplitsAtTheLastBackslash) {
    struct Row {
        const wchar_t* path;
        const wchar_t* key;
        const wchar_t* name;
    };
    const Row rows[] = {
        {L"Vendor\\Product\\Setting", L"Vendor\\Product", L"Setting"},
        {L"Setting", L"", L"Setting"},
        {L"Vendor\\Product\\", L"Vendor\\Product", L""},
        {L"\\Setting", L"", L"Setting"},
        {L"", L"", L""},
    };
    for (const Row& row : rows) {
        CString key(L"old"), name(L"old");
        EXPECT_EQ(CRegistry::SplitKeyName(row.path, key, name), 1);
        EXPECT_EQ(key, row.key) << row.path;
        EXPECT_EQ(name, row.name) << row.path;
    }
}

TEST(RegistryConvert, TextTypesComeBackThroughTheAnsiCodePage) {
    CString text;
    const wchar_t japanese[] = L"設定値 ｶﾅ";
    EXPECT_EQ(CRegistry::ConvertToString(reinterpret_cast<const unsigned char*>(japanese), REG_SZ, text), 1);
    EXPECT_EQ(text, japanese);

    const wchar_t expand[] = L"%WINDIR%\\x";
    EXPECT_EQ(CRegistry::ConvertToString(reinterpret_cast<const unsigned char*>(expand), REG_EXPAND_SZ, text), 1);
    EXPECT_EQ(text, expand) << "environment references stay as they are";

    const wchar_t korean[] = L"a\xD55C" L"b";  // a Hangul syllable, not in code page 932
    EXPECT_EQ(CRegistry::ConvertToString(reinterpret_cast<const unsigned char*>(korean), REG_SZ, text), 1);
    EXPECT_EQ(text.Find(L'\xD55C'), -1) << text;
    EXPECT_EQ(text.GetAt(0), L'a');
}

TEST(RegistryConvert, NumbersAndTypesWithoutText) {
    struct Row {
        DWORD type;
        DWORD data;
        const wchar_t* text;
        int result;
    };
    const Row rows[] = {
        {REG_DWORD, 0x7FFFFFFF, L"2147483647", 1},
        {REG_DWORD, 0x80000000, L"-2147483648", 1},
        {REG_DWORD, 0xFFFFFFFF, L"-1", 1},
        {REG_BINARY, 1, L"Binary data", 0},
        {REG_NONE, 1, L"Can't convert to string", 0},
        {REG_QWORD, 1, L"Can't convert to string", 0},
    };
    for (const Row& row : rows) {
        CString text(L"old");
        EXPECT_EQ(CRegistry::ConvertToString(reinterpret_cast<const unsigned char*>(&row.data), row.type, text),
                  row.result)
            << "type " << row.type;
        EXPECT_EQ(text, row.text) << "type " << row.type;
    }
}

TEST(RegistryConvert, NoDataGivesNoText) {
    for (DWORD type : {REG_SZ, REG_DWORD, REG_BINARY}) {
        CString text(L"old");
        EXPECT_EQ(CRegistry::ConvertToString(nullptr, type, text), 0);
        EXPECT_EQ(text, L"Can't convert to string");
    }
}

class RegistryEntry : public RegistryTest {};

TEST_F(RegistryEntry, NumbersAreStoredAsDecimalText) {
    CRegistry registry;
    const CString path = CString(L"SOFTWARE\\") + kTestOrganisation + L"\\A\\B\\Number";
    ASSERT_EQ(registry.SetEntry(2, path, -5L), 1);
    RawValue raw = ReadRaw(HKEY_CURRENT_USER, UserKey(L"\\A\\B"), L"Number");
    ASSERT_TRUE(raw.exists) << "every missing key along the path is created";
    EXPECT_EQ(raw.type, DWORD(REG_SZ));
    EXPECT_EQ(raw.Text(), std::wstring(L"-5", 3)) << "stored with its terminator";

    long number = 0;
    EXPECT_EQ(registry.GetEntry(2, path, number), 1);
    EXPECT_EQ(number, -5);
    CString text;
    EXPECT_EQ(registry.GetEntry(2, path, text), 1);
    EXPECT_EQ(text, L"-5");

    ASSERT_EQ(registry.SetEntry(3, path, 2147483647L), 1);
    EXPECT_EQ(ReadRaw(HKEY_LOCAL_MACHINE, UserKey(L"\\A\\B"), L"Number").Text(), std::wstring(L"2147483647", 11));
}

TEST_F(RegistryEntry, ReadsValuesOfOtherTypesWrittenBySomeoneElse) {
    CRegistry registry;
    const std::wstring key = UserKey(L"\\Raw");
    const CString base = CString(key.c_str()) + L"\\";
    const DWORD minusOne = 0xFFFFFFFF;
    WriteRaw(HKEY_CURRENT_USER, key, L"Dword", REG_DWORD, &minusOne, sizeof minusOne);
    const BYTE bytes[] = {1, 2, 3, 4};
    WriteRaw(HKEY_CURRENT_USER, key, L"Binary", REG_BINARY, bytes, sizeof bytes);
    WriteRawText(HKEY_CURRENT_USER, key, L"Letters", L"abc");
    WriteRawText(HKEY_CURRENT_USER, key, L"Leading", L"  42abc");

    CString text;
    long number = 7;
    EXPECT_EQ(registry.GetEntry(2, base + L"Dword", text), 1);
    EXPECT_EQ(text, L"-1");
    EXPECT_EQ(registry.GetEntry(2, base + L"Dword", number), 1);
    EXPECT_EQ(number, -1);

    number = 7;
    EXPECT_EQ(registry.GetEntry(2, base + L"Binary", text), 0);
    EXPECT_EQ(text, L"Binary data");
    EXPECT_EQ(registry.GetEntry(2, base + L"Binary", number), 0);
    EXPECT_EQ(number, 7) << "the number is left as it was";

    EXPECT_EQ(registry.GetEntry(2, base + L"Letters", number), 1);
    EXPECT_EQ(number, 0);
    EXPECT_EQ(registry.GetEntry(2, base + L"Leading", number), 1);
    EXPECT_EQ(number, 42);

    text = L"kept";
    number = 7;
    EXPECT_EQ(registry.GetEntry(2, base + L"Missing", text), 0);
    EXPECT_EQ(registry.GetEntry(2, base + L"Missing", number), 0);
    EXPECT_EQ(registry.GetEntry(2, CString(UserKey(L"\\NoKey\\Value").c_str()), text), 0);
    EXPECT_EQ(text, L"kept");
    EXPECT_EQ(number, 7);
}

TEST_F(RegistryEntry, TextUpTo511CharactersReadsBack) {
    CRegistry registry;
    const CString base = CString(UserKey(L"\\Long\\").c_str());
    const CString fits(L'x', 511);
    const CString tooLong(L'y', 512);
    ASSERT_EQ(registry.SetEntry(2, base + L"Fits", fits), 1);
    ASSERT_EQ(registry.SetEntry(2, base + L"TooLong", tooLong), 1);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, UserKey(L"\\Long"), L"TooLong").bytes.size(), 1026u) << "written whole";

    CString text;
    EXPECT_EQ(registry.GetEntry(2, base + L"Fits", text), 1);
    EXPECT_EQ(text, fits);
    text = L"kept";
    EXPECT_EQ(registry.GetEntry(2, base + L"TooLong", text), 0);
    EXPECT_EQ(text, L"kept");
}

TEST_F(RegistryEntry, TextStoredWithoutTerminatorEndsAtItsByteCount) {
    CRegistry registry;
    const std::wstring key = UserKey(L"\\Bare");
    WriteRaw(HKEY_CURRENT_USER, key, L"Short", REG_SZ, L"abcdef", 3 * sizeof(wchar_t));
    const std::wstring full(511, L'z');  // 1022 bytes, no terminator
    WriteRaw(HKEY_CURRENT_USER, key, L"Full", REG_SZ, full.c_str(), 1022);

    CString text;
    EXPECT_EQ(registry.GetEntry(2, CString((key + L"\\Short").c_str()), text), 1);
    EXPECT_EQ(text, L"abc");
    EXPECT_EQ(registry.GetEntry(2, CString((key + L"\\Full").c_str()), text), 1);
    EXPECT_EQ(text, full.c_str());
}

TEST_F(RegistryEntry, HasKeyTestsOnlyTheKeyPart) {
    CRegistry registry;
    WriteRawText(HKEY_CURRENT_USER, UserKey(L"\\Present"), L"Value", L"v");
    EXPECT_EQ(registry.HasKey(2, CString(UserKey(L"\\Present\\Value").c_str())), 1);
    EXPECT_EQ(registry.HasKey(2, CString(UserKey(L"\\Present\\NoSuchValue").c_str())), 1);
    EXPECT_EQ(registry.HasKey(2, CString(UserKey(L"\\Absent\\Value").c_str())), 0);
    EXPECT_EQ(registry.HasKey(2, L"NoBackslash"), 1) << "an empty key part opens the root itself";
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, UserKey(L"\\Absent")));
}

TEST_F(RegistryEntry, DeleteEntryRemovesTheValueAndKeepsTheKey) {
    CRegistry registry;
    const std::wstring key = UserKey(L"\\Del");
    WriteRawText(HKEY_LOCAL_MACHINE, key, L"Value", L"v");
    WriteRawText(HKEY_LOCAL_MACHINE, key, L"", L"default");
    EXPECT_EQ(registry.DeleteEntry(3, CString((key + L"\\Value").c_str())), 1);
    EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, key, L"Value").exists);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, key));
    EXPECT_EQ(registry.DeleteEntry(3, CString((key + L"\\Value").c_str())), 0) << "already gone";

    EXPECT_EQ(registry.DeleteEntry(3, CString((key + L"\\").c_str())), 1) << "the default value";
    EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, key, L"").exists);
}

TEST_F(RegistryEntry, DeleteEntryOnAMissingKeyLeavesItCreated) {
    CRegistry registry;
    const std::wstring key = UserKey(L"\\New\\Deeper");
    EXPECT_EQ(registry.DeleteEntry(2, CString((key + L"\\Value").c_str())), 0);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, key));
}

TEST_F(RegistryEntry, AKeyThatCannotBeCreatedGivesZero) {
    // Below a volatile key only volatile keys can be made, so the entry's key cannot be created.
    HKEY parent;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, UserKey(L"").c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE,
                              nullptr, &parent, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(parent);
    CRegistry registry;
    const CString path = CString(UserKey(L"\\Sub\\Value").c_str());
    EXPECT_EQ(registry.SetEntry(2, path, L"x"), 0);
    EXPECT_EQ(registry.SetEntry(2, path, 1L), 0);
    EXPECT_EQ(registry.DeleteEntry(2, path), 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, UserKey(L"\\Sub")));
}

TEST_F(RegistryEntry, PathWithoutBackslashAddressesTheRootKey) {
    const wchar_t name[] = L"ZetoComRegistryTestRootValue";
    RemoveRootValue(HKEY_CURRENT_USER, name);
    CRegistry registry;
    ASSERT_EQ(registry.SetEntry(2, name, L"at the root"), 1);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, L"", name).Text(), std::wstring(L"at the root", 12));
    CString text;
    EXPECT_EQ(registry.GetEntry(2, name, text), 1);
    EXPECT_EQ(text, L"at the root");
    EXPECT_EQ(registry.DeleteEntry(2, name), 1);
    EXPECT_FALSE(ReadRaw(HKEY_CURRENT_USER, L"", name).exists);
}

TEST_F(RegistryEntry, OtherRootSelectorsTouchNothing) {
    CRegistry registry;
    const CString path = CString(UserKey(L"\\Root\\Value").c_str());
    const CString classPath = L"ZetoComRegistryTest.Selector\\Value";
    RemoveClass(L"ZetoComRegistryTest.Selector");
    for (int root : {0, 4, -1, static_cast<int>(0x80000001)}) {
        CString text(L"kept");
        long number = 9;
        EXPECT_EQ(registry.SetEntry(root, path, L"x"), 0);
        EXPECT_EQ(registry.SetEntry(root, classPath, 1L), 0);
        EXPECT_EQ(registry.GetEntry(root, path, text), 0);
        EXPECT_EQ(registry.GetEntry(root, path, number), 0);
        EXPECT_EQ(registry.HasKey(root, L"SOFTWARE\\x"), 0);
        EXPECT_EQ(registry.DeleteEntry(root, path), 0);
        EXPECT_EQ(registry.DeleteEntry(root, classPath), 0);
        EXPECT_EQ(text, L"kept");
        EXPECT_EQ(number, 9);
    }
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        EXPECT_FALSE(KeyExists(root, UserKey(L""))) << "no organisation key was created";
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"ZetoComRegistryTest.Selector"));
}

}  // namespace
