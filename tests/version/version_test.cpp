// CVersion against real modules, files and the registry.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include "child_process.h"
#include "cstring_print.h"
#include "import_patch.h"
#include "message_box_watcher.h"
#include "scratch_folder.h"
#include "wine_version.h"

struct TestVersion : CVersion { using CVersion::ReadFileTime; };
std::wstring Beside(const wchar_t* name) { return ProgramFolder() + L"\\" + name; }
std::vector<CString> Texts(CVersion& a) {  // the string values, then the numbers of the fixed block
    return {a.GetAppCompany(),       a.GetAppDescription(),   a.GetAppVersion(),           a.GetAppInternalName(),
            a.GetAppCopyright(),     a.GetAppOriginalname(),  a.GetAppProductName(),       a.GetAppProductVersion(),
            a.GetAppDllVersion(),    a.m_appInfo.strMajorVersion, a.m_appInfo.strMinorVersion};
}
// Keys in another case than asked, the first translation only, a value missing, no translation.
TEST(VersionResource, ReadsEveryValueUnderTheFirstTranslation) {
    const struct { const wchar_t* module; DWORD translation; std::vector<CString> texts; } rows[] = {
        {L"version_ja.dll", 0x04B00411, {L"株式会社ゼト試験", L"日本語の版情報", L"2.5 ベータ", L"version_ja",
          L"Copyright (C) 2024 ゼト", L"version_ja.dll", L"ゼト 試験製品", L"1.0 正式版", L"2.5.3.10", L"2", L"5"}},
        {L"version_two.dll", 0x04B00409,
         {L"English Company", L"", L"3.0 English", L"", L"", L"", L"English Product", L"", L"3.0.0.1", L"3", L"0"}},
        {L"version_nointernal.dll", 0x04B00411, {L"内部名なし", L"InternalName のない表", L"1.2.3.4", L"", L"(C) ゼト",
          L"version_nointernal.dll", L"内部名なし製品", L"1.2", L"65535.0.1.65534", L"65535", L"0"}},
        {L"version_notranslation.dll", 0, {L"", L"", L"", L"", L"", L"", L"", L"", L"5.0.0.0", L"5", L"0"}},
    };
    for (const auto& row : rows) {
        TestVersion app;
        ASSERT_TRUE(app.ReadResourceInformation(LoadLibraryW(Beside(row.module).c_str()))) << row.module;
        EXPECT_EQ(app.GetAppFilepath(), Beside(row.module).c_str());
        EXPECT_EQ(Texts(app), row.texts);
        EXPECT_TRUE(app.m_dwTranslation == row.translation && app.m_fixedFileInfo.dwFileType == VFT_DLL) << row.module;
    }
}
// InitInstance reads the program's own module; a later read replaces all, one without a resource the path.
TEST(VersionResource, InitInstanceThenEachReadReplacesTheLast) {
    TestVersion app;
    WIN32_FILE_ATTRIBUTE_DATA facts;
    ASSERT_TRUE(GetFileAttributesExW(Beside(L"version_tests.exe").c_str(), GetFileExInfoStandard, &facts));
    EXPECT_TRUE(app.InitInstance());
    EXPECT_EQ(app.GetAppInternalName(), L"version_tests");
    EXPECT_EQ(CompareFileTime(&app.m_ftLastWrite, &facts.ftLastWriteTime), 0) << "the program's file times";
    ASSERT_TRUE(app.ReadResourceInformation(LoadLibraryW(Beside(L"version_nointernal.dll").c_str())));
    EXPECT_TRUE(app.GetAppInternalName().IsEmpty()) << "not kept from the earlier module";
    ASSERT_TRUE(app.ReadResourceInformation(LoadLibraryW(Beside(L"version_notranslation.dll").c_str())));
    EXPECT_EQ(app.GetAppCompany(), L"訳表なし") << "found under the pair held from before";
    const std::vector<CString> before = Texts(app);
    EXPECT_FALSE(app.ReadResourceInformation(LoadLibraryW(Beside(L"version_none.dll").c_str())));
    EXPECT_EQ(app.GetAppFilepath(), Beside(L"version_none.dll").c_str());
    EXPECT_EQ(Texts(app), before);
    EXPECT_TRUE(app.m_dwTranslation == 0x04B00411 && app.m_fixedFileInfo.dwFileVersionMS == 0x00050000) << "kept";
}
// The three times as local text (midnight: the date alone); a file held without sharing is not read.
TEST(VersionFileTime, ReadsTheThreeTimesUnlessTheFileIsHeld) {
    ScratchFolder folder;
    TestVersion app;
    app.m_appInfo.strFilePath = folder.WriteFile(L"module.dll", "MZ").c_str();
    ASSERT_TRUE(app.ReadFileTime());
    const CString before = app.GetAppWriteDate();
    HANDLE holder = CreateFileW(app.m_appInfo.strFilePath, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const FILETIME times[] = {{0x310BD800, 0x01DA3CC3}, {0x5848C080, 0x01DA3D28}};  // 1 Jan 15:00, 2 Jan 03:04:05
    ASSERT_TRUE(SetFileTime(holder, nullptr, &times[0], &times[1]));
    EXPECT_FALSE(app.ReadFileTime());
    EXPECT_EQ(app.GetAppWriteDate(), before);
    CloseHandle(holder);
    WIN32_FILE_ATTRIBUTE_DATA facts;
    ASSERT_TRUE(app.ReadFileTime() && GetFileAttributesExW(app.m_appInfo.strFilePath, GetFileExInfoStandard, &facts));
    EXPECT_EQ(CompareFileTime(&app.m_ftCreation, &facts.ftCreationTime), 0);
    app.m_ftCreation = {};  // the zero file time, 09:00 in Japan
    EXPECT_EQ(app.GetAppWriteDate() + L"|" + app.GetAppLastAccessDate() + L"|" + app.GetAppBuildDate(),
              L"2024/1/2 12:04:05|2024/1/2|1601/1/1 9:00:00");
}
DWORD WINAPI Refuse(void*, void*) { return 0; }  // how each of the four calls fails
DWORD WINAPI AskForMore(DWORD size, LPWSTR) { return size + 1; }  // a directory longer than the buffer
// The four values, a directory with one backslash; at a failure FALSE, only the fields before it filled.
TEST(MachineEnv, FillsTheFourValuesUpToTheFirstFailure) {
    wchar_t here[1024], temp[1024], user[256], computer[256];
    DWORD userSize = 256, computerSize = 256;
    ASSERT_TRUE(GetCurrentDirectoryW(1024, here) && GetTempPathW(1024, temp) && GetUserNameW(user, &userSize) &&
                GetComputerNameW(computer, &computerSize));
    const CString values[] = {CString(here) + L"\\", temp, user, computer};  // the temporary one ends in a backslash
    const char* calls[] = {"kernel32.dll", "GetCurrentDirectoryW", "kernel32.dll", "GetTempPathW", "advapi32.dll",
                           "GetUserNameW", "kernel32.dll", "GetComputerNameW", "kernel32.dll", "GetComputerNameW"};
    for (int refused = 0; refused < 5; ++refused) {  // the last round refuses nothing
        ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), calls[2 * refused], calls[2 * refused + 1],
                          refused < 4 ? (void*)&Refuse : (void*)&GetComputerNameW);
        CVersion app;
        CString* fields[] = {&app.m_strInstallPath, &app.m_strTempPath, &app.m_strUserName, &app.m_strComputerName};
        for (CString* field : fields) *field = L"old";
        EXPECT_TRUE(patch.Applied() && app.GetMachineEnv() == (refused == 4)) << refused;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(*fields[i], i < refused ? values[i] : L"old") << refused << i;
    }
    CVersion app;
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\"));
    ImportPatch tooLong(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "GetTempPathW", (void*)&AskForMore);
    EXPECT_TRUE(tooLong.Applied() && !app.GetMachineEnv());
    SetCurrentDirectoryW(here);
    EXPECT_EQ(app.m_strInstallPath, L"C:\\") << "a drive root, read before the temporary directory";
}
// HKEY_LOCAL_MACHINE of this process pointed at an empty key of its own while the owner lives.
struct ScratchMachine {
    const std::wstring name = L"Software\\ZetoComTestMachine" + std::to_wstring(GetCurrentProcessId());
    HKEY key = nullptr;
    explicit ScratchMachine(DWORD options = 0) {
        RegCreateKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, nullptr, options, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, key);
    }
    ~ScratchMachine() {
        RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
        RegCloseKey(key), RegDeleteTreeW(HKEY_CURRENT_USER, name.c_str());
    }
};
void Put(const std::wstring& key, const wchar_t* name, const wchar_t* text, DWORD type = REG_SZ) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, type, text, DWORD(wcslen(text) + 1) * 2);
}
// The owner's values from the NT key, or in a child that Wine tells it runs on Windows 98, the 9x key.
TEST(MachineEnv, ReadsTheOwnerBelowTheKeyOfItsSystem) {
    ScratchMachine machine;
    const std::wstring nt = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                       nine = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
    Put(nt, L"RegisteredOwner", L"試験 太郎"), Put(nt, L"ProductId", L"12345-OEM-0000001-00000");
    Put(nine, L"RegisteredOwner", L"九十八 花子"), Put(nine, L"RegisteredOrganization", L"九八会");
    CVersion app;
    app.m_strRegisteredOrganization = app.m_strProductId = L"kept";  // an absent value leaves its field
    app.GetOsInfo();
    const bool child = GetEnvironmentVariableW(L"ZC_WIN98", nullptr, 0);
    EXPECT_EQ(app.m_strRegisteredOwner + L"|" + app.m_strRegisteredOrganization + L"|" + app.m_strProductId,
              child ? L"九十八 花子|九八会|kept" : L"試験 太郎|kept|12345-OEM-0000001-00000");
    if (child) return;
    WineVersionOverride win98(L"win98");
    EXPECT_TRUE(win98.IsSet() && RunChildTest(L"MachineEnv.ReadsTheOwnerBelowTheKeyOfItsSystem", L"ZC_WIN98", L"1"));
}
constexpr wchar_t kOrg[] = L"ZetoComVersionTest", kBinary[] = L"<binary>", kVolatile[] = L"<volatile root>";
// Writes the field as it is, or reads the path with a backslash; a failure shows why and keeps the field.
TEST(InstallPath, WritesOrReadsThePathAndShowsWhyNot) {
    const struct { const wchar_t *org, *key; int write; const wchar_t *stored, *before, *after, *box; } rows[] = {
        {kOrg, L"Tool", 1, nullptr, L"", L"", nullptr},  // a new object writes its empty path
        {kOrg, L"Tool", 1, nullptr, L"D:\\ゼト\\ツール\\", L"D:\\ゼト\\ツール\\", nullptr},
        {kOrg, L"Tool", 1, kVolatile, L"C:\\Apps\\", L"C:\\Apps\\", L"インストールパスのレジストリ登録に失敗しました"},
        {kOrg, L"Tool", 0, L"D:\\ゼト\\ツール", L"old", L"D:\\ゼト\\ツール\\", nullptr},
        {kOrg, L"Tool", 0, L"C:\\Apps\\Tool\\", L"old", L"C:\\Apps\\Tool\\", nullptr},
        {kOrg, L"Tool", 0, L"", L"old", L"", nullptr},
        {L"", kOrg, 0, L"E:\\Direct", L"old", L"E:\\Direct\\", nullptr},  // directly below SOFTWARE
        {kOrg, L"Tool", 0, nullptr, L"old", L"old", L"システムのインストールパスが設定されていません"},
        {kOrg, L"Tool", 0, kBinary, L"old", L"old", L"システムのインストールパスが設定されていません"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        ScratchMachine machine(row.stored == kVolatile ? REG_OPTION_VOLATILE : 0);  // only volatile keys below it
        const std::wstring key = std::wstring(L"SOFTWARE\\") + kOrg + (*row.org ? L"\\Tool" : L"");
        if (row.stored && row.stored != kVolatile)
            Put(key, L"InstallPath", row.stored, row.stored == kBinary ? REG_BINARY : REG_SZ);
        CVersion app;
        app.m_strInstallPath = row.before;
        MessageBoxWatcher watcher;
        EXPECT_EQ(app.InstallPath(row.org, row.key, row.write), row.box ? FALSE : TRUE);
        EXPECT_EQ(watcher.Finish(), (row.box ? SeenMessageBox{true, L"版情報の試験", row.box, MB_OK} : SeenMessageBox{}));
        EXPECT_EQ(app.m_strInstallPath, row.after);
        wchar_t got[256];
        DWORD size = sizeof got;
        const bool text = !RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"InstallPath", RRF_RT_REG_SZ, 0, got, &size);
        if (row.write) { EXPECT_STREQ(text ? got : nullptr, row.box ? nullptr : row.before) << "stored as text"; }
    }
}
