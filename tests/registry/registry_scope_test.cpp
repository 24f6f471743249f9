// The system, user and machine scopes and the registrations under HKEY_CLASSES_ROOT.
#include <gtest/gtest.h>

#include "cstring_print.h"
#include "registry_fixture.h"

namespace {

class RegistryScope : public RegistryTest {};

TEST_F(RegistryScope, UserScopePutsTheOrganisationAfterSoftware) {
    CRegistry registry(kTestOrganisation);
    ASSERT_EQ(registry.SetUserEntry(L"App", L"Window", L"Left"), 1);
    RawValue raw = ReadRaw(HKEY_CURRENT_USER, UserKey(L"\\App"), L"Window");
    EXPECT_EQ(raw.type, DWORD(REG_SZ));
    EXPECT_EQ(raw.Text(), std::wstring(L"Left", 5));
    CString text;
    EXPECT_EQ(registry.GetUserEntry(L"App", L"Window", text), 1);
    EXPECT_EQ(text, L"Left");
    EXPECT_EQ(registry.HasUserKey(L"App", L"NoSuchValue"), 1);
    EXPECT_EQ(registry.HasUserKey(L"NoSuchApp", L"Window"), 0);
}

TEST_F(RegistryScope, EmptyOrganisationPutsTheKeyDirectlyBelowSoftware) {
    // The organisation-less key is the test organisation itself, so the fixture removes it.
    CRegistry registry;
    ASSERT_EQ(registry.SetUserEntry(kTestOrganisation, L"Window", L"Right"), 1);
    EXPECT_EQ(ReadRaw(HKEY_CURRENT_USER, UserKey(L""), L"Window").Text(), std::wstring(L"Right", 6));
    ASSERT_EQ(registry.SetMachineEntry(kTestOrganisation, L"Window", 3L), 1);
    EXPECT_EQ(ReadRaw(HKEY_LOCAL_MACHINE, UserKey(L""), L"Window").Text(), std::wstring(L"3", 2));
}

TEST_F(RegistryScope, OrganisationIsReadAtEachCall) {
    CRegistry registry(L"Elsewhere");
    EXPECT_EQ(registry.GetOrganisation(), L"Elsewhere");
    registry.SetOrganisation(kTestOrganisation);
    EXPECT_EQ(registry.GetOrganisation(), kTestOrganisation);
    ASSERT_EQ(registry.SetUserEntry(L"App", L"N", 1L), 1);
    EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, UserKey(L"\\App"), L"N").exists);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, L"SOFTWARE\\Elsewhere"));
}

TEST_F(RegistryScope, NumbersReadBackThroughBothOverloads) {
    CRegistry registry(kTestOrganisation);
    ASSERT_EQ(registry.SetMachineEntry(L"App", L"Count", 42L), 1);
    CString text;
    long number = 0;
    EXPECT_EQ(registry.GetMachineEntry(L"App", L"Count", text), 1);
    EXPECT_EQ(text, L"42");
    EXPECT_EQ(registry.GetMachineEntry(L"App", L"Count", number), 1);
    EXPECT_EQ(number, 42);
    ASSERT_EQ(registry.SetUserEntry(L"App", L"Text", L"-17"), 1);
    EXPECT_EQ(registry.GetUserEntry(L"App", L"Text", number), 1);
    EXPECT_EQ(number, -17);
}

TEST_F(RegistryScope, NameWithBackslashMovesIntoTheKeyAndEmptyNameIsTheDefault) {
    CRegistry registry(kTestOrganisation);
    ASSERT_EQ(registry.SetMachineEntry(L"App", L"Sub\\Value", L"deep"), 1);
    EXPECT_EQ(ReadRaw(HKEY_LOCAL_MACHINE, UserKey(L"\\App\\Sub"), L"Value").Text(), std::wstring(L"deep", 5));
    ASSERT_EQ(registry.SetMachineEntry(L"App", L"", L"default"), 1);
    EXPECT_EQ(ReadRaw(HKEY_LOCAL_MACHINE, UserKey(L"\\App"), L"").Text(), std::wstring(L"default", 8));
    ASSERT_EQ(registry.SetUserEntry(L"One\\Two", L"V", L"x"), 1);
    EXPECT_TRUE(ReadRaw(HKEY_CURRENT_USER, UserKey(L"\\One\\Two"), L"V").exists);
}

TEST_F(RegistryScope, MachineScopeDeletesValuesAndKeepsKeys) {
    CRegistry registry(kTestOrganisation);
    ASSERT_EQ(registry.SetMachineEntry(L"App", L"Gone", L"x"), 1);
    EXPECT_EQ(registry.HasMachineKey(L"App", L"Other"), 1);
    EXPECT_EQ(registry.DeleteMachineEntry(L"App", L"Gone"), 1);
    EXPECT_FALSE(ReadRaw(HKEY_LOCAL_MACHINE, UserKey(L"\\App"), L"Gone").exists);
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, UserKey(L"\\App")));
    CString text(L"kept");
    EXPECT_EQ(registry.GetMachineEntry(L"App", L"Gone", text), 0);
    EXPECT_EQ(text, L"kept");
}

TEST_F(RegistryScope, GetMembersWriteTheTextsOfUnreadableTypes) {
    CRegistry registry(kTestOrganisation);
    const BYTE bytes[] = {9, 9};
    WriteRaw(HKEY_CURRENT_USER, UserKey(L"\\App"), L"Bin", REG_BINARY, bytes, sizeof bytes);
    const DWORD seven = 7;
    WriteRaw(HKEY_LOCAL_MACHINE, UserKey(L"\\App"), L"Dw", REG_DWORD, &seven, sizeof seven);
    CString text;
    EXPECT_EQ(registry.GetUserEntry(L"App", L"Bin", text), 0);
    EXPECT_EQ(text, L"Binary data");
    long number = 0;
    EXPECT_EQ(registry.GetMachineEntry(L"App", L"Dw", number), 1);
    EXPECT_EQ(number, 7);
}

TEST_F(RegistryScope, SystemScopeIgnoresTheOrganisation) {
    RemoveClass(L".zctestabc");
    CRegistry registry(kTestOrganisation);
    ASSERT_EQ(registry.SetSystemEntry(L".zctestabc", L"Type", L"AbcFile"), 1);
    EXPECT_EQ(ReadRaw(HKEY_CLASSES_ROOT, L".zctestabc", L"Type").Text(), std::wstring(L"AbcFile", 8));
    ASSERT_EQ(registry.SetSystemEntry(L".zctestabc", L"Size", 12L), 1);
    EXPECT_EQ(ReadRaw(HKEY_CLASSES_ROOT, L".zctestabc", L"Size").Text(), std::wstring(L"12", 3));
    CString text;
    long number = 0;
    EXPECT_EQ(registry.GetSystemEntry(L".zctestabc", L"Type", text), 1);
    EXPECT_EQ(text, L"AbcFile");
    EXPECT_EQ(registry.GetSystemEntry(L".zctestabc", L"Size", number), 1);
    EXPECT_EQ(number, 12);
    EXPECT_EQ(registry.HasSystemKey(L".zctestabc", L"Whatever"), 1);
    EXPECT_EQ(registry.HasSystemKey(L".zctestmissing", L"Type"), 0);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, UserKey(L"")));
}

TEST_F(RegistryScope, RegisterAppSetsTheDefaultValueOfAClass) {
    RemoveClass(L".zctestreg");
    RemoveClass(L"ZetoComRegistryTest.Doc");
    CRegistry registry;
    EXPECT_EQ(registry.HaveRegistered(L".zctestreg"), 0);
    ASSERT_EQ(registry.RegisterApp(L".zctestreg", L"AbcFile"), 1);
    RawValue raw = ReadRaw(HKEY_CLASSES_ROOT, L".zctestreg", L"");
    EXPECT_EQ(raw.type, DWORD(REG_SZ));
    EXPECT_EQ(raw.Text(), std::wstring(L"AbcFile", 8)) << "the default value, terminated";
    EXPECT_EQ(registry.HaveRegistered(L".zctestreg"), 1);

    ASSERT_EQ(registry.RegisterApp(L"ZetoComRegistryTest.Doc\\shell\\open\\command", L"notepad.exe \"%1\""), 1);
    EXPECT_EQ(registry.HaveRegistered(L"ZetoComRegistryTest.Doc\\shell"), 1);
    EXPECT_EQ(ReadRaw(HKEY_CLASSES_ROOT, L"ZetoComRegistryTest.Doc\\shell\\open\\command", L"").Text(),
              std::wstring(L"notepad.exe \"%1\"", 17));
}

TEST_F(RegistryScope, GetExtensionReadsAValueOfTheClassesRoot) {
    const wchar_t name[] = L"ZetoComRegistryTestExtension";
    RemoveRootValue(HKEY_CLASSES_ROOT, name);
    CRegistry registry;
    CString text(L"kept");
    EXPECT_EQ(registry.GetExtension(name, text), 0);
    EXPECT_EQ(text, L"kept");

    WriteRawText(HKEY_CLASSES_ROOT, L"", name, L"拡張子 .abc");
    EXPECT_EQ(registry.GetExtension(name, text), 1);
    EXPECT_EQ(text, L"拡張子 .abc");

    const DWORD number = 0x00410042;  // the bytes B, A as UTF-16, read as text whatever the type
    WriteRaw(HKEY_CLASSES_ROOT, L"", name, REG_DWORD, &number, sizeof number);
    EXPECT_EQ(registry.GetExtension(name, text), 1);
    EXPECT_EQ(text, L"BA");
}

}  // namespace
