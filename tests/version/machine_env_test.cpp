// The machine's directories and names, the registered owner and the install path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "cstring_print.h"
#include "message_box_watcher.h"
#include "temp_variables.h"
#include "version_test_app.h"
#include "wine_version.h"

namespace {

constexpr wchar_t kOrganisation[] = L"ZetoComVersionTest";
constexpr wchar_t kWriteFailed[] = L"インストールパスのレジストリ登録に失敗しました";
constexpr wchar_t kNotSet[] = L"システムのインストールパスが設定されていません";
// The test program's title string, which an application object without a name takes as its own.
constexpr wchar_t kTitle[] = L"版情報の試験";

std::wstring WithBackslash(std::wstring path) {
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    return path;
}

TEST(MachineEnv, FillsTheDirectoriesAndNames) {
    wchar_t buffer[1024];
    TestVersion app;
    ASSERT_TRUE(app.GetMachineEnv());

    ASSERT_TRUE(GetCurrentDirectoryW(1024, buffer));
    EXPECT_EQ(app.m_strInstallPath, WithBackslash(buffer).c_str());
    ASSERT_TRUE(GetTempPathW(1024, buffer));
    EXPECT_EQ(app.m_strTempPath, buffer) << "already ends in a backslash";
    DWORD size = 1024;
    ASSERT_TRUE(GetUserNameW(buffer, &size));
    EXPECT_EQ(app.m_strUserName, buffer);
    size = 1024;
    ASSERT_TRUE(GetComputerNameW(buffer, &size));
    EXPECT_EQ(app.m_strComputerName, buffer);
}

TEST(MachineEnv, StopsAtTheFirstCallThatFails) {
    TestVersion app;
    app.m_strTempPath = app.m_strUserName = app.m_strComputerName = L"old";
    {
        TempVariables tooLong(L"C:\\" + std::wstring(1100, L'x'));  // longer than the 1022 units asked for
        EXPECT_FALSE(app.GetMachineEnv());
    }
    EXPECT_EQ(app.m_strInstallPath.Right(1), L"\\") << "the current directory came first";
    EXPECT_EQ(app.m_strTempPath, L"old");
    EXPECT_EQ(app.m_strUserName, L"old");
    EXPECT_EQ(app.m_strComputerName, L"old");
}

// Changes the current directory for one test.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const wchar_t* path) {
        GetCurrentDirectoryW(MAX_PATH, m_saved);
        m_changed = SetCurrentDirectoryW(path) != FALSE;
    }
    ~CurrentDirectory() { SetCurrentDirectoryW(m_saved); }
    bool Changed() const { return m_changed; }

private:
    wchar_t m_saved[MAX_PATH];
    bool m_changed;
};

TEST(MachineEnv, DriveRootGetsNoSecondBackslash) {
    CurrentDirectory root(L"C:\\");
    ASSERT_TRUE(root.Changed());
    TestVersion app;
    ASSERT_TRUE(app.GetMachineEnv());
    EXPECT_EQ(app.m_strInstallPath, L"C:\\");
}

// Sets or removes values of a system key for one test and puts the earlier state back.
class SystemValues {
public:
    explicit SystemValues(const wchar_t* key) : m_key(key) {}
    ~SystemValues() {
        for (const Saved& saved : m_saved) {
            HKEY h;
            if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, m_key.c_str(), 0, KEY_WRITE, &h) != ERROR_SUCCESS) continue;
            if (saved.existed)
                RegSetValueExW(h, saved.name.c_str(), 0, saved.type, saved.data.data(), DWORD(saved.data.size()));
            else
                RegDeleteValueW(h, saved.name.c_str());
            RegCloseKey(h);
        }
    }
    // A null text removes the value.
    void Set(const wchar_t* name, const wchar_t* text) {
        HKEY h;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, m_key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                                  &h, nullptr),
                  ERROR_SUCCESS);
        Saved saved;
        saved.name = name;
        DWORD size = 0;
        saved.existed = RegQueryValueExW(h, name, nullptr, &saved.type, nullptr, &size) == ERROR_SUCCESS;
        saved.data.resize(size);
        if (saved.existed) RegQueryValueExW(h, name, nullptr, &saved.type, saved.data.data(), &size);
        m_saved.push_back(saved);
        if (text)
            RegSetValueExW(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), DWORD(wcslen(text) + 1) * 2);
        else
            RegDeleteValueW(h, name);
        RegCloseKey(h);
    }

private:
    struct Saved {
        std::wstring name;
        bool existed = false;
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };
    std::wstring m_key;
    std::vector<Saved> m_saved;
};

TEST(MachineEnv, ReadsTheRegisteredOwnerOfAnNtSystem) {
    SystemValues values(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    values.Set(L"RegisteredOwner", L"試験 太郎");
    values.Set(L"RegisteredOrganization", nullptr);
    values.Set(L"ProductId", L"12345-OEM-0000001-00000");
    SystemValues nineX(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    nineX.Set(L"RegisteredOwner", L"the Windows 9x key");

    TestVersion app;
    app.m_strRegisteredOrganization = L"kept";
    app.GetOsInfo();
    EXPECT_EQ(app.m_strRegisteredOwner, L"試験 太郎");
    EXPECT_EQ(app.m_strRegisteredOrganization, L"kept") << "an absent value leaves its field";
    EXPECT_EQ(app.m_strProductId, L"12345-OEM-0000001-00000");
}

// Run by ReadsTheOwnerOfAWindows9xSystemFromItsOwnKey in a child that Wine tells it runs on
// Windows 98; ZC_EXPECT_OWNER holds the owner it must read.
TEST(MachineEnv, ChildReadsTheWindows9xKey) {
    wchar_t expected[256];
    if (!GetEnvironmentVariableW(L"ZC_EXPECT_OWNER", expected, 256)) GTEST_SKIP() << "run by the parent test only";
    TestVersion app;
    app.GetOsInfo();
    EXPECT_EQ(app.m_strRegisteredOwner, expected);
}

TEST(MachineEnv, ReadsTheOwnerOfAWindows9xSystemFromItsOwnKey) {
    SystemValues nt(L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion");
    nt.Set(L"RegisteredOwner", L"the NT key");
    SystemValues nineX(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    nineX.Set(L"RegisteredOwner", L"九十八 花子");
    WineVersionOverride win98(L"win98");
    ASSERT_TRUE(win98.IsSet());
    EXPECT_TRUE(RunChildTest(L"MachineEnv.ChildReadsTheWindows9xKey", L"ZC_EXPECT_OWNER", L"九十八 花子"));
}

// Removes the install-path keys of the tests before and after each one.
class InstallPathTest : public ::testing::Test {
protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }
    static void Remove() {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(L"SOFTWARE\\") + kOrganisation).c_str());
    }
    static std::wstring Stored(const std::wstring& key) {
        wchar_t text[1024] = L"";
        DWORD size = sizeof text;
        DWORD type = 0;
        if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"InstallPath", RRF_RT_ANY, &type, text, &size) != ERROR_SUCCESS)
            return L"<absent>";
        return type == REG_SZ ? text : L"<not text>";
    }
    static void Store(const std::wstring& key, const wchar_t* text) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"InstallPath", REG_SZ, text,
                                  DWORD(wcslen(text) + 1) * 2),
                  ERROR_SUCCESS);
    }
    static std::wstring AppKey() { return std::wstring(L"SOFTWARE\\") + kOrganisation + L"\\Tool"; }
};

TEST_F(InstallPathTest, WritesTheCurrentInstallPath) {
    TestVersion app;
    MessageBoxWatcher watcher;
    EXPECT_TRUE(app.InstallPath(kOrganisation, L"Empty", 1)) << "a new object writes its empty path";
    EXPECT_EQ(Stored(std::wstring(L"SOFTWARE\\") + kOrganisation + L"\\Empty"), L"");

    ASSERT_TRUE(app.GetMachineEnv());
    const CString current = app.m_strInstallPath;
    EXPECT_TRUE(app.InstallPath(kOrganisation, L"Tool", 1));
    EXPECT_EQ(Stored(AppKey()), current.GetString());
    EXPECT_EQ(app.m_strInstallPath, current);
    EXPECT_FALSE(watcher.Finish(100).found);
}

TEST_F(InstallPathTest, ReadsThePathWithOneTrailingBackslash) {
    struct Row {
        const wchar_t* stored;
        const wchar_t* field;
    };
    const Row rows[] = {
        {L"C:\\Apps\\Tool", L"C:\\Apps\\Tool\\"},
        {L"C:\\Apps\\Tool\\", L"C:\\Apps\\Tool\\"},
        {L"D:\\ゼト\\ツール", L"D:\\ゼト\\ツール\\"},
        {L"", L""},
    };
    MessageBoxWatcher watcher;
    for (const Row& row : rows) {
        Store(AppKey(), row.stored);
        TestVersion app;
        app.m_strInstallPath = L"old";
        EXPECT_TRUE(app.InstallPath(kOrganisation, L"Tool", 0));
        EXPECT_EQ(app.m_strInstallPath, row.field);
    }
    EXPECT_FALSE(watcher.Finish(100).found);
}

TEST_F(InstallPathTest, EmptyOrganisationReadsDirectlyBelowSoftware) {
    // The key below SOFTWARE is the test organisation itself, which the fixture removes.
    Store(std::wstring(L"SOFTWARE\\") + kOrganisation, L"E:\\Direct");
    TestVersion app;
    EXPECT_TRUE(app.InstallPath(L"", kOrganisation, 0));
    EXPECT_EQ(app.m_strInstallPath, L"E:\\Direct\\");
}

TEST_F(InstallPathTest, MissingPathIsReportedInJapanese) {
    TestVersion app;
    app.m_strInstallPath = L"unchanged";
    MessageBoxWatcher watcher;
    EXPECT_FALSE(app.InstallPath(kOrganisation, L"Tool", 0));
    EXPECT_EQ(watcher.Finish(), (SeenMessageBox{true, kTitle, kNotSet, UINT(MB_OK)}));
    EXPECT_EQ(app.m_strInstallPath, L"unchanged");
}

TEST_F(InstallPathTest, UnreadableValueIsReportedAsMissing) {
    const BYTE bytes[] = {1, 2, 3};
    ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, AppKey().c_str(), L"InstallPath", REG_BINARY, bytes, sizeof bytes),
              ERROR_SUCCESS);
    TestVersion app;
    app.m_strInstallPath = L"unchanged";
    MessageBoxWatcher watcher;
    EXPECT_FALSE(app.InstallPath(kOrganisation, L"Tool", 0));
    SeenMessageBox box = watcher.Finish();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.text, kNotSet);
    EXPECT_EQ(app.m_strInstallPath, L"unchanged");
}

TEST_F(InstallPathTest, FailedWriteIsReportedInJapanese) {
    // Below a volatile key only volatile keys can be made, so the value's key cannot be created.
    HKEY volatileKey;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, (std::wstring(L"SOFTWARE\\") + kOrganisation).c_str(), 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);
    TestVersion app;
    app.m_strInstallPath = L"C:\\Apps\\";
    MessageBoxWatcher watcher;
    EXPECT_FALSE(app.InstallPath(kOrganisation, L"Tool", 1));
    EXPECT_EQ(watcher.Finish(), (SeenMessageBox{true, kTitle, kWriteFailed, UINT(MB_OK)}));
    EXPECT_EQ(app.m_strInstallPath, L"C:\\Apps\\");
    EXPECT_EQ(Stored(AppKey()), L"<absent>");
}

}  // namespace
