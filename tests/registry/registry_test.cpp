// CRegistry against the real registry: each test works below keys and values that it removes again.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include "cstring_print.h"
using std::wstring;
const wstring kOrg = L"ZetoComRegistryTest", kKey = L"SOFTWARE\\" + kOrg;
const wchar_t kRootValue[] = L"ZetoComRegistryTestRoot", kDoc[] = L"ZetoComRegistryTest.Doc";
HKEY const kCr = HKEY_CLASSES_ROOT, kCu = HKEY_CURRENT_USER, kLm = HKEY_LOCAL_MACHINE;
// "type:data" of a value as the registry holds it, the data as UTF-16 (a terminator shows as \0).
wstring Raw(HKEY root, const wstring& key, const wchar_t* name) {
    HKEY handle;
    wchar_t data[600];
    DWORD type = 0, size = sizeof data;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle)) return L"no key";
    const LONG read = RegQueryValueExW(handle, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    RegCloseKey(handle);
    return read ? L"none" : std::to_wstring(type) + L":" + wstring(data, size / 2);
}
wstring Sz(const wstring& text) { return L"1:" + text + L'\0'; }  // REG_SZ with its terminator
wstring Results(std::initializer_list<int> results) {  // the results of calls made in this order
    wstring text;
    for (int result : results) text += std::to_wstring(result);
    return text;
}
// Results of both GetEntry overloads, then text and number, from "kept" and 7: "11 -5|-5".
wstring Get(int root, const wstring& path) {
    CString text(L"kept");
    long n = 7;
    CRegistry registry;
    const wstring r = Results({registry.GetEntry(root, path.c_str(), text), registry.GetEntry(root, path.c_str(), n)});
    return r + L" " + text.GetString() + L"|" + std::to_wstring(n);
}
struct Registry : ::testing::Test {
    void SetUp() override { TearDown(); }
    void TearDown() override {
        for (HKEY root : {kCu, kLm}) RegDeleteTreeW(root, kKey.c_str());
        for (const wchar_t* cls : {L".zctest", L".zcapp", kDoc}) RegDeleteTreeW(kCr, cls);
        for (HKEY root : {kCr, kCu}) RegDeleteValueW(root, kRootValue);
    }
};
// Values of each type stored by others: text through the ANSI code page (932) and ending at its byte count,
// a 32-bit number as signed decimal, other types as a fixed text with result 0; 1024 bytes are read.
TEST_F(Registry, ReadsTheTextFormOfEachType) {
    const DWORD numbers[] = {0x80000000, 0xFFFFFFFF};
    const wstring full(511, L'z'), fits = full + L'\0', tooLong = full + L"z";
    const struct { DWORD type; const void* data; size_t size; wstring got; } rows[] = {
        {REG_SZ, L"設定値 ｶﾅ", 14, L"11 設定値 ｶﾅ|0"},
        {REG_SZ, L"a\xD55C" L"b", 8, L"11 a?b|0"},  // a Hangul syllable, not in the code page
        {REG_EXPAND_SZ, L"%WINDIR%\\x", 22, L"11 %WINDIR%\\x|0"},
        {REG_SZ, L"  -42abc", 18, L"11   -42abc|-42"},
        {REG_SZ, full.c_str(), 1022, L"11 " + full + L"|0"},
        {REG_SZ, fits.c_str(), 1024, L"11 " + full + L"|0"},
        {REG_SZ, tooLong.c_str(), 1026, L"00 kept|7"},
        {REG_DWORD, &numbers[0], 4, L"11 -2147483648|-2147483648"},
        {REG_DWORD, &numbers[1], 4, L"11 -1|-1"},
        {REG_BINARY, numbers, 4, L"00 Binary data|7"},
        {REG_QWORD, numbers, 8, L"00 Can't convert to string|7"},
    };
    for (const auto& row : rows) {
        RegSetKeyValueW(kCu, (kKey + L"\\A").c_str(), L"V", row.type, row.data, DWORD(row.size));
        EXPECT_EQ(Get(2, kKey + L"\\A\\V"), row.got) << "type " << row.type << ", " << row.size << " bytes";
    }
    EXPECT_EQ(Get(2, kKey + L"\\A\\Missing") + Get(2, kKey + L"\\NoKey\\V"), L"00 kept|700 kept|7");
    CString text;  // no data at all is no text, whatever the type
    EXPECT_TRUE(!CRegistry::ConvertToString(nullptr, REG_DWORD, text) && text == L"Can't convert to string") << text;
}
// Set stores decimal text with its terminator, creating the keys along the path; Delete removes the
// value only; HasKey tests the key part; a path without backslash names a value of the root itself.
TEST_F(Registry, PrimitivesWriteTestDeleteOrFail) {
    CRegistry reg;
    const wstring deep = kKey + L"\\A\\B";
    const CString n = (deep + L"\\N").c_str(), dflt = (deep + L"\\").c_str();
    ASSERT_EQ(Results({reg.SetEntry(2, n, -5L), reg.SetEntry(3, n, L"Z"), reg.SetEntry(3, dflt, L"")}), L"111");
    EXPECT_EQ(Raw(kCu, deep, L"N") + Raw(kLm, deep, L"N") + Raw(kLm, deep, L""), Sz(L"-5") + Sz(L"Z") + Sz(L""));
    EXPECT_EQ(Results({reg.HasKey(2, (deep + L"\\Other").c_str()), reg.HasKey(2, (kKey + L"\\No\\V").c_str()),
                       reg.HasKey(2, L"NoBackslash")}), L"101") << "the value's key, a missing key, the root";
    EXPECT_EQ(Results({reg.DeleteEntry(3, n), reg.DeleteEntry(3, n), reg.DeleteEntry(3, dflt),
                       reg.DeleteEntry(2, (kKey + L"\\New\\V").c_str())}), L"1010");
    EXPECT_EQ(Raw(kLm, deep, L"N") + Raw(kLm, deep, L"") + Raw(kCu, kKey + L"\\New", L"") +
              Raw(kCu, kKey + L"\\No", L""), L"nonenonenoneno key") << "Delete creates the key, HasKey not";
    ASSERT_EQ(reg.SetEntry(2, kRootValue, L"at the root"), 1);
    EXPECT_EQ(Raw(kCu, L"", kRootValue), Sz(L"at the root"));
    EXPECT_EQ(Get(2, kRootValue), L"11 at the root|0");
    EXPECT_EQ(reg.DeleteEntry(2, kRootValue), 1);
    CString key, name;
    EXPECT_TRUE(CRegistry::SplitKeyName(L"\\V", key, name) == 1 && key.IsEmpty() && name == L"V") << key << name;
    // Selectors other than 1 to 3 and keys that cannot be created give 0 and leave everything as it was.
    const CString path = (kKey + L"\\V").c_str(), cls = (kDoc + wstring(L"\\V")).c_str();
    TearDown();  // from a clean registry again
    for (int root : {0, 4, -1, int(0x80000001)}) {
        EXPECT_EQ(Results({reg.SetEntry(root, path, L"x"), reg.SetEntry(root, cls, 1L), reg.HasKey(root, L"SOFTWARE"),
                           reg.DeleteEntry(root, path)}) + Get(root, kKey + L"\\V"), L"000000 kept|7") << root;
    }
    EXPECT_EQ(Raw(kCu, kKey, L"") + Raw(kLm, kKey, L"") + Raw(kCr, kDoc, L""), L"no keyno keyno key");
    HKEY parent;  // below a volatile key only volatile keys can be made
    ASSERT_FALSE(RegCreateKeyExW(kCu, kKey.c_str(), 0, nullptr, REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &parent, 0));
    RegCloseKey(parent);
    const CString sub = (kKey + L"\\Sub\\V").c_str();
    EXPECT_EQ(Results({reg.SetEntry(2, sub, L"x"), reg.SetEntry(2, sub, 1L), reg.DeleteEntry(2, sub)}) +
              Raw(kCu, kKey + L"\\Sub", L""), L"000no key");
}
// User and machine scopes use SOFTWARE\[organisation\]key, read at each call, the system scope and classes
// HKEY_CLASSES_ROOT; a backslash in the name moves into the key; extensions are root values read as text.
TEST_F(Registry, ScopesAndClassesComposeTheirPaths) {
    CRegistry org(L"Elsewhere"), none;
    EXPECT_EQ(org.GetOrganisation(), L"Elsewhere");
    org.SetOrganisation(kOrg.c_str());
    const struct { int set; HKEY root; wstring key; const wchar_t* name; const wchar_t* text; } rows[] = {
        {org.SetUserEntry(L"App", L"Window", L"Left"), kCu, kKey + L"\\App", L"Window", L"Left"},
        {org.SetUserEntry(L"One\\Two", L"N", -4L), kCu, kKey + L"\\One\\Two", L"N", L"-4"},
        {org.SetMachineEntry(L"App", L"Sub\\Value", L"deep"), kLm, kKey + L"\\App\\Sub", L"Value", L"deep"},
        {org.SetMachineEntry(L"App", L"Count", 42L), kLm, kKey + L"\\App", L"Count", L"42"},
        {none.SetUserEntry(kOrg.c_str(), L"", L"Right"), kCu, kKey, L"", L"Right"},
        {none.SetMachineEntry(kOrg.c_str(), L"W", 3L), kLm, kKey, L"W", L"3"},
        {org.SetSystemEntry(L".zctest", L"Type", L"AbcFile"), kCr, L".zctest", L"Type", L"AbcFile"},
        {org.SetSystemEntry(L".zctest", L"Size", 12L), kCr, L".zctest", L"Size", L"12"},
    };
    for (const auto& row : rows)  // the result of the Set call, then what it stored
        EXPECT_EQ(std::to_wstring(row.set) + Raw(row.root, row.key, row.name), L"1" + Sz(row.text)) << row.name;
    CString a, b, c;
    long x = 0, y = 0, z = 0;
    EXPECT_EQ(Results({org.GetUserEntry(L"App", L"Window", a), org.GetMachineEntry(L"App", L"Count", b),
                       org.GetSystemEntry(L".zctest", L"Type", c), org.GetUserEntry(L"One\\Two", L"N", x),
                       org.GetMachineEntry(L"App", L"Count", y), org.GetSystemEntry(L".zctest", L"Size", z),
                       org.GetUserEntry(L"App", L"Count", a), org.GetMachineEntry(L"App", L"Window", y)}), L"11111100");
    EXPECT_TRUE(a + L" " + b + L" " + c == L"Left 42 AbcFile" && x == -4 && y == 42 && z == 12) << a << b << c;
    EXPECT_EQ(Results({org.HasUserKey(L"App", L"Any"), org.HasMachineKey(L"App", L"Any"),
                       org.HasSystemKey(L".zctest", L"Any"), org.HasUserKey(L"App\\Sub", L"Any"),
                       org.HasMachineKey(L"One", L"Two"), org.DeleteMachineEntry(L"App", L"Count")}), L"111001");
    CRegistry& registry = none;
    const wstring command = kDoc + wstring(L"\\shell\\open\\command");
    EXPECT_EQ(Results({registry.HaveRegistered(L".zcapp"), registry.RegisterApp(L".zcapp", L"AbcFile"),
                       registry.RegisterApp(command.c_str(), L"np \"%1\""), registry.HaveRegistered(L".zcapp"),
                       registry.HaveRegistered((kDoc + wstring(L"\\shell")).c_str())}), L"01111");
    EXPECT_EQ(Raw(kCr, L".zcapp", L"") + Raw(kCr, command, L""), Sz(L"AbcFile") + Sz(L"np \"%1\""));
    CString text(L"kept");
    EXPECT_TRUE(registry.GetExtension(kRootValue, text) == 0 && text == L"kept") << text;
    RegSetKeyValueW(kCr, nullptr, kRootValue, REG_SZ, L"拡張子 .abc", 20);
    EXPECT_TRUE(registry.GetExtension(kRootValue, text) == 1 && text == L"拡張子 .abc") << text;
    const DWORD number = 0x00410042;  // the bytes of "BA" in UTF-16, read as text whatever the type
    RegSetKeyValueW(kCr, nullptr, kRootValue, REG_DWORD, &number, 4);
    EXPECT_TRUE(registry.GetExtension(kRootValue, text) == 1 && text == L"BA") << text;
}
