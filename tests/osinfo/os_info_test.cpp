// COsInfo's decisions on version records filled by hand, and its snapshot under the versions Wine reports.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <map>
#include "child_process.h"
#include "cstring_print.h"
#include "wine_version.h"
using std::wstring;
const DWORD kW32s = VER_PLATFORM_WIN32s, k9x = VER_PLATFORM_WIN32_WINDOWS, kNt = VER_PLATFORM_WIN32_NT;
const BYTE kWs = VER_NT_WORKSTATION, kSrv = VER_NT_SERVER, kDc = VER_NT_DOMAIN_CONTROLLER;
struct Record {
    DWORD platform, major, minor; BYTE type = kWs; WORD suite = 0; const wchar_t* pack = L""; DWORD code = 0, build = 0;
};
struct Os : COsInfo {  // the snapshot overwritten with the record
    explicit Os(const Record& r) {
        m_osvi.dwPlatformId = r.platform, m_osvi.dwMajorVersion = r.major, m_osvi.dwMinorVersion = r.minor;
        m_osvi.wProductType = r.type, m_osvi.wSuiteMask = r.suite, m_dwProductType = r.code;
        wcsncpy(m_osvi.szCSDVersion, r.pack, 127), m_osvi.dwBuildNumber = r.build;
    }
};
// Kind, name and service pack of each family at its boundaries. Only NT writes "(text)" to the caller's
// buffer, of the first 31 units; the letters that name the 95 and 98 releases are looked for in as many.
TEST(OsInfo, KindNameAndServicePackOfEachVersion) {
    const wstring forty = L"0123456789012345678901234567890123456789", late = wstring(31, L' ') + L"A";
    const struct { Record r; int kind; const wchar_t* name; wstring buffer = L""; } rows[] = {
        {{kW32s, 3, 10, kWs, 0, L"SP"}, 0, L"Windows 3.1"}, {{k9x, 4, 0, kWs, 0, late.c_str()}, 1, L"Windows 95"},
        {{k9x, 4, 9, kWs, 0, L" A C"}, 1, L"Windows 95 A"}, {{k9x, 4, 0, kWs, 0, L"xBx"}, 1, L"Windows 95 OSR1"},
        {{k9x, 4, 0, kWs, 0, L" C"}, 1, L"Windows 95 OSR2"}, {{k9x, 4, 0, kWs, 0, L" a b c"}, 1, L"Windows 95"},
        {{k9x, 4, 0, kWs, 0, late.c_str() + 1}, 1, L"Windows 95 A"}, {{k9x, 4, 10}, 2, L"Windows 98"},
        {{k9x, 4, 89, kWs, 0, L" A"}, 2, L"Windows 98 SE"}, {{k9x, 4, 90, kWs, 0, L" A"}, 3, L"Windows Me"},
        {{kNt, 3, 51}, 4, L"Windows NT 3.51"}, {{kNt, 4, 0, kWs, 0, L"SP"}, 5, L"Windows NT 4.0", L"(SP)"},
        {{kNt, 5, 0}, 6, L"Windows 2000 Professional"}, {{kNt, 5, 0, kSrv}, 6, L"Windows 2000 Server"},
        {{kNt, 5, 0, kDc}, 6, L"Windows 2000 "}, {{kNt, 5, 1}, 7, L"Windows XP Professional"},
        {{kNt, 5, 1, kWs, 0, forty.c_str()}, 7, L"Windows XP Professional", L"(" + forty.substr(0, 31) + L")"},
        {{kNt, 5, 1, kSrv}, 7, L"Windows 2002 .NET Server"}, {{3, 4, 0, kWs, 0, L"SP"}, 0, L"Windows "},
        {{kNt, 5, 1, kSrv, VER_SUITE_PERSONAL}, 7, L"Windows XP Home Edition"}, {{kNt, 5, 1, kDc}, 7, L"Windows XP "},
        {{kNt, 5, 2, kSrv}, 8, L"Windows Server 2003"}, {{kNt, 5, 7}, 8, L"Windows Server 2003"},
        {{kNt, 6, 1, kWs, 0, L"", 1}, 9, L"Windows Vista Ultimate"}, {{kNt, 6, 0, kSrv}, 10, L"Windows Server 2008 "},
        {{kNt, 6, 3, kDc}, 10, L"Windows Server 2008 "}, {{kNt, 10, 1, kWs, 0, L"SP"}, 0, L"Windows ", L"(SP)"},
    };
    for (const auto& row : rows) {
        std::vector<unsigned short> buffer(64, L'#');
        Os os(row.r);
        EXPECT_EQ(std::to_wstring(os.GetKind()) + L" " + os.GetName(buffer.data()).GetString(),
                  std::to_wstring(row.kind) + L" " + row.name) << row.r.major << "." << row.r.minor << row.r.pack;
        const wstring written = row.buffer.empty() ? L"" : row.buffer + L'\0';
        EXPECT_EQ(wstring(buffer.begin(), buffer.end()), written + wstring(64 - written.size(), L'#')) << row.name;
        EXPECT_EQ(os.GetCSDVer(), row.r.pack) << "the whole text";
    }
    EXPECT_EQ(Os({kNt, 6, 2, kWs, 0, L"", 0, 0x040A08AE}).GetBuildNum(), 0x040A08AE) << "9x alone keeps the low word";
}
// Version 6 edition words by product code, from the workstation or the server table alone.
TEST(OsInfo, VersionSixEditionsFollowTheProductType) {
    const std::map<DWORD, wstring> words[] = {
        {{1, L"Ultimate"}, {2, L"Home Basic"}, {3, L"Home Premium"}, {4, L"Enterprise"}, {5, L"Home Basic N"},
         {6, L"Business"}, {11, L"Starter Edition"}, {16, L"Business N"}},
        {{7, L"Standard Edition"}, {8, L"Datacenter Edition"}, {9, L"Small Business Server"},
         {10, L"Enterprise Edition"}, {17, L"Web Server Edition"}, {18, L"Cluster Server Edition"},
         {19, L"Home Server Edition"}, {24, L"for Small Business Edition"}, {15, L"Enterprise Edition for Itanium-based"
         L" Systems"}, {25, L"Small Business Server Premium Edition"}}};
    for (DWORD code = 0; code < 27; ++code)
        for (BYTE type : {kWs, kSrv, kDc}) {
            const auto& w = words[type != kWs];
            const wstring name = (type != kWs ? L"Windows Server 2008 " : L"Windows Vista ") +
                                 (w.count(code) ? w.at(code) : L"");
            EXPECT_EQ(Os({kNt, 6, 0, type, 0, L"", code}).GetName(nullptr), name.c_str()) << code << " " << int(type);
        }
}
// "platform major.minor.build kind name(service pack)" of the running system.
wstring Described() {
    COsInfo os;
    unsigned short pack[140] = {};
    const wstring name = os.GetName(pack).GetString();
    return std::to_wstring(os.GetPlatform()) + L" " + std::to_wstring(os.GetMajorVer()) + L"." +
           std::to_wstring(os.GetMinorVer()) + L"." + std::to_wstring(os.GetBuildNum()) + L" " +
           std::to_wstring(os.GetKind()) + L" " + name + reinterpret_cast<wchar_t*>(pack);
}
// Run by the next test in a child started under another version, to report what ZC_EXPECT_VERSION holds.
TEST(OsInfoSystem, AsChild) {
    wchar_t expected[256];
    if (!GetEnvironmentVariableW(L"ZC_EXPECT_VERSION", expected, 256)) GTEST_SKIP() << "run by the parent test only";
    EXPECT_EQ(Described(), expected);
}
TEST(OsInfoSystem, ReportsTheVersionWineIsToldToReport) {
    EXPECT_EQ(Described(), L"2 6.1.7601 9 Windows Vista (Service Pack 1)") << "Wine 8's default, a workstation";
    const wchar_t* cases[][2] = {
        {L"win98", L"1 4.10.2222 2 Windows 98 SE"},
        {L"win2k", L"2 5.0.2195 6 Windows 2000 Professional(Service Pack 4)"},
        {L"winxp", L"2 5.1.2600 7 Windows XP Professional(Service Pack 3)"},
        {L"win2003", L"2 5.2.3790 8 Windows Server 2003(Service Pack 2)"},
        {L"vista", L"2 6.0.6002 9 Windows Vista (Service Pack 2)"},
        {L"win2008", L"2 6.0.6002 10 Windows Server 2008 Standard Edition(Service Pack 2)"},
    };
    for (const auto& c : cases) {
        WineVersionOverride override(c[0]);
        EXPECT_TRUE(override.IsSet() && RunChildTest(L"OsInfoSystem.AsChild", L"ZC_EXPECT_VERSION", c[1])) << c[0];
    }
}
