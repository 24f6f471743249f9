// COsInfo's decisions on version records filled by hand, and its snapshot of the real system.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "child_process.h"
#include "cstring_print.h"
#include "wine_version.h"

namespace {

struct Record {
    DWORD platform;
    DWORD major;
    DWORD minor;
    BYTE productType = VER_NT_WORKSTATION;
    WORD suite = 0;
    const wchar_t* servicePack = L"";
    DWORD productCode = 0;
};

// Overwrites the snapshot of a constructed object with the given record.
void Fill(COsInfo& os, const Record& r) {
    os.m_osvi.dwPlatformId = r.platform;
    os.m_osvi.dwMajorVersion = r.major;
    os.m_osvi.dwMinorVersion = r.minor;
    os.m_osvi.wProductType = r.productType;
    os.m_osvi.wSuiteMask = r.suite;
    wcsncpy(os.m_osvi.szCSDVersion, r.servicePack, _countof(os.m_osvi.szCSDVersion) - 1);
    os.m_osvi.szCSDVersion[_countof(os.m_osvi.szCSDVersion) - 1] = L'\0';
    os.m_dwProductType = r.productCode;
}

std::wstring NameOf(const Record& r) {
    COsInfo os;
    Fill(os, r);
    return os.GetName(nullptr).GetString();
}

int KindOf(const Record& r) {
    COsInfo os;
    Fill(os, r);
    return os.GetKind();
}

struct KindRow {
    Record record;
    int kind;
};

TEST(OsInfoKind, ClassifiesEveryFamilyAtItsBoundaries) {
    const KindRow rows[] = {
        {{VER_PLATFORM_WIN32s, 3, 10}, 0},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 0}, 1},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 9}, 1},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 10}, 2},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 90}, 3},
        {{VER_PLATFORM_WIN32_NT, 3, 51}, 4},
        {{VER_PLATFORM_WIN32_NT, 4, 0}, 5},
        {{VER_PLATFORM_WIN32_NT, 5, 0}, 6},
        {{VER_PLATFORM_WIN32_NT, 5, 1}, 7},
        {{VER_PLATFORM_WIN32_NT, 5, 2, VER_NT_SERVER}, 8},
        {{VER_PLATFORM_WIN32_NT, 5, 3}, 8},
        {{VER_PLATFORM_WIN32_NT, 6, 0, VER_NT_WORKSTATION}, 9},
        {{VER_PLATFORM_WIN32_NT, 6, 1, VER_NT_WORKSTATION, 0, L"", 1}, 9},
        {{VER_PLATFORM_WIN32_NT, 6, 0, VER_NT_SERVER}, 10},
        {{VER_PLATFORM_WIN32_NT, 6, 3, VER_NT_DOMAIN_CONTROLLER}, 10},
        {{VER_PLATFORM_WIN32_NT, 7, 0}, 0},
        {{3, 4, 0}, 0},
    };
    for (const KindRow& row : rows) {
        EXPECT_EQ(KindOf(row.record), row.kind) << "platform " << row.record.platform << " version "
                                                << row.record.major << "." << row.record.minor;
    }
}

struct NameRow {
    Record record;
    const wchar_t* name;
};

TEST(OsInfoName, NamesEachVersionAndServicePackLetter) {
    const NameRow rows[] = {
        {{VER_PLATFORM_WIN32s, 3, 10}, L"Windows 3.1"},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 0}, L"Windows 95"},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0, 0, L" A C"}, L"Windows 95 A"},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0, 0, L"xBx"}, L"Windows 95 OSR1"},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0, 0, L" C"}, L"Windows 95 OSR2"},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0, 0, L" a b c"}, L"Windows 95"},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 10}, L"Windows 98"},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0, 0, L" A"}, L"Windows 98 SE"},
        {{VER_PLATFORM_WIN32_WINDOWS, 4, 90, 0, 0, L" A"}, L"Windows Me"},
        {{VER_PLATFORM_WIN32_NT, 3, 51}, L"Windows NT 3.51"},
        {{VER_PLATFORM_WIN32_NT, 4, 0}, L"Windows NT 4.0"},
        {{VER_PLATFORM_WIN32_NT, 5, 0, VER_NT_WORKSTATION}, L"Windows 2000 Professional"},
        {{VER_PLATFORM_WIN32_NT, 5, 0, VER_NT_SERVER}, L"Windows 2000 Server"},
        {{VER_PLATFORM_WIN32_NT, 5, 0, VER_NT_DOMAIN_CONTROLLER}, L"Windows 2000 "},
        {{VER_PLATFORM_WIN32_NT, 5, 1, VER_NT_WORKSTATION}, L"Windows XP Professional"},
        {{VER_PLATFORM_WIN32_NT, 5, 1, VER_NT_SERVER, VER_SUITE_PERSONAL}, L"Windows XP Home Edition"},
        {{VER_PLATFORM_WIN32_NT, 5, 1, VER_NT_SERVER}, L"Windows 2002 .NET Server"},
        {{VER_PLATFORM_WIN32_NT, 5, 1, VER_NT_DOMAIN_CONTROLLER}, L"Windows XP "},
        {{VER_PLATFORM_WIN32_NT, 5, 2, VER_NT_SERVER}, L"Windows Server 2003"},
        {{VER_PLATFORM_WIN32_NT, 5, 7, VER_NT_WORKSTATION}, L"Windows Server 2003"},
        {{VER_PLATFORM_WIN32_NT, 6, 1, VER_NT_WORKSTATION, 0, L"", 1}, L"Windows Vista Ultimate"},
        {{VER_PLATFORM_WIN32_NT, 6, 0, VER_NT_WORKSTATION}, L"Windows Vista "},
        {{VER_PLATFORM_WIN32_NT, 6, 0, VER_NT_SERVER}, L"Windows Server 2008 "},
        {{VER_PLATFORM_WIN32_NT, 7, 0}, L"Windows "},
        {{3, 4, 0}, L"Windows "},
    };
    for (const NameRow& row : rows) {
        EXPECT_EQ(NameOf(row.record), row.name)
            << "platform " << row.record.platform << " version " << row.record.major << "." << row.record.minor;
    }
}

struct EditionRow {
    DWORD code;
    const wchar_t* name;
};

// The edition word comes from the product code and the product type: the whole name for every
// word of both tables, and for codes of the other table or of none.
TEST(OsInfoName, VersionSixEditionsFollowTheProductType) {
    const EditionRow workstation[] = {
        {1, L"Windows Vista Ultimate"},        {2, L"Windows Vista Home Basic"}, {3, L"Windows Vista Home Premium"},
        {4, L"Windows Vista Enterprise"},      {5, L"Windows Vista Home Basic N"}, {6, L"Windows Vista Business"},
        {11, L"Windows Vista Starter Edition"}, {16, L"Windows Vista Business N"}, {0, L"Windows Vista "},
        {7, L"Windows Vista "},                {0xABCDABCD, L"Windows Vista "}};
    for (const EditionRow& row : workstation) {
        EXPECT_EQ(NameOf({VER_PLATFORM_WIN32_NT, 6, 0, VER_NT_WORKSTATION, 0, L"", row.code}), row.name)
            << "code " << row.code;
    }
    const EditionRow server[] = {
        {7, L"Windows Server 2008 Standard Edition"},
        {8, L"Windows Server 2008 Datacenter Edition"},
        {9, L"Windows Server 2008 Small Business Server"},
        {10, L"Windows Server 2008 Enterprise Edition"},
        {15, L"Windows Server 2008 Enterprise Edition for Itanium-based Systems"},
        {17, L"Windows Server 2008 Web Server Edition"},
        {18, L"Windows Server 2008 Cluster Server Edition"},
        {19, L"Windows Server 2008 Home Server Edition"},
        {24, L"Windows Server 2008 for Small Business Edition"},
        {25, L"Windows Server 2008 Small Business Server Premium Edition"},
        {1, L"Windows Server 2008 "},
        {20, L"Windows Server 2008 "}};
    for (BYTE type : {BYTE(VER_NT_SERVER), BYTE(VER_NT_DOMAIN_CONTROLLER)}) {
        for (const EditionRow& row : server) {
            EXPECT_EQ(NameOf({VER_PLATFORM_WIN32_NT, 6, 1, type, 0, L"", row.code}), row.name)
                << "code " << row.code << " product type " << int(type);
        }
    }
}

// A caller buffer pre-filled with a mark that shows whether GetName wrote to it.
struct ServicePackBuffer {
    unsigned short units[64];
    ServicePackBuffer() {
        for (auto& u : units) u = L'#';
        units[63] = 0;
    }
    std::wstring Text() const { return reinterpret_cast<const wchar_t*>(units); }
    bool Untouched() const { return Text() == std::wstring(63, L'#'); }
};

TEST(OsInfoServicePack, NtVersionsReceiveTheParenthesisedTextOutsideTheName) {
    for (DWORD major : {4u, 5u, 10u}) {
        COsInfo os;
        Fill(os, {VER_PLATFORM_WIN32_NT, major, 1, VER_NT_WORKSTATION, 0, L"Service Pack 2"});
        ServicePackBuffer buffer;
        CString name = os.GetName(buffer.units);
        EXPECT_EQ(buffer.Text(), L"(Service Pack 2)") << "major " << major;
        EXPECT_EQ(buffer.units[17], L'#') << "nothing written after the terminator";
        EXPECT_EQ(name.Find(L"Service"), -1) << name;
    }
    COsInfo xp;
    Fill(xp, {VER_PLATFORM_WIN32_NT, 5, 1, VER_NT_WORKSTATION, 0, L"Service Pack 2"});
    ServicePackBuffer buffer;
    EXPECT_EQ(std::wstring(xp.GetName(buffer.units).GetString()), L"Windows XP Professional");
    EXPECT_EQ(buffer.Text(), L"(Service Pack 2)");
}

TEST(OsInfoServicePack, BufferKeepsItsContentsWhenThereIsNothingToReport) {
    const Record records[] = {
        {VER_PLATFORM_WIN32_NT, 5, 1},                                  // empty text
        {VER_PLATFORM_WIN32_WINDOWS, 4, 10, 0, 0, L" A"},               // not NT
        {VER_PLATFORM_WIN32s, 3, 10, 0, 0, L"Service Pack 1"},
        {3, 6, 0, VER_NT_WORKSTATION, 0, L"Service Pack 1"},
    };
    for (const Record& r : records) {
        COsInfo os;
        Fill(os, r);
        ServicePackBuffer buffer;
        os.GetName(buffer.units);
        EXPECT_TRUE(buffer.Untouched()) << "platform " << r.platform << ": " << buffer.Text();
    }
}

TEST(OsInfoServicePack, DecisionsSeeOnlyTheFirstThirtyOneUnits) {
    const std::wstring text = L"0123456789012345678901234567890123456789";  // 40 units
    COsInfo nt;
    Fill(nt, {VER_PLATFORM_WIN32_NT, 5, 1, VER_NT_WORKSTATION, 0, text.c_str()});
    ServicePackBuffer buffer;
    nt.GetName(buffer.units);
    EXPECT_EQ(buffer.Text(), L"(" + text.substr(0, 31) + L")");
    EXPECT_EQ(std::wstring(nt.GetCSDVer().GetString()), text) << "GetCSDVer gives the whole text";

    // A letter beyond the copy is not seen; the same letter within it is.
    const std::wstring late = std::wstring(31, L' ') + L"A";
    EXPECT_EQ(NameOf({VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0, 0, late.c_str()}), L"Windows 95");
    const std::wstring last = std::wstring(30, L' ') + L"A";
    EXPECT_EQ(NameOf({VER_PLATFORM_WIN32_WINDOWS, 4, 0, 0, 0, last.c_str()}), L"Windows 95 A");
}

TEST(OsInfoNumbers, BuildNumberKeepsOnlyTheLowWordOnWindows9x) {
    COsInfo os;
    os.m_osvi.dwBuildNumber = 0x040A08AE;
    os.m_osvi.dwPlatformId = VER_PLATFORM_WIN32_WINDOWS;
    EXPECT_EQ(os.GetBuildNum(), 2222);
    os.m_osvi.dwPlatformId = VER_PLATFORM_WIN32_NT;
    EXPECT_EQ(os.GetBuildNum(), 0x040A08AE);
    os.m_osvi.dwMajorVersion = 6;
    os.m_osvi.dwMinorVersion = 2;
    EXPECT_EQ(os.GetMajorVer(), 6);
    EXPECT_EQ(os.GetMinorVer(), 2);
    EXPECT_EQ(os.GetPlatform(), 2);
}

// The snapshot agrees with what the system reports to this process.
void ExpectSnapshotOfThisSystem() {
    OSVERSIONINFOEXW direct = {};
    direct.dwOSVersionInfoSize = sizeof direct;
    ASSERT_TRUE(GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&direct)));
    COsInfo os;
    EXPECT_EQ(os.m_osvi.dwOSVersionInfoSize, 284u);
    EXPECT_EQ(os.GetMajorVer(), int(direct.dwMajorVersion));
    EXPECT_EQ(os.GetMinorVer(), int(direct.dwMinorVersion));
    EXPECT_EQ(os.GetPlatform(), int(direct.dwPlatformId));
    EXPECT_EQ(os.m_osvi.dwBuildNumber, direct.dwBuildNumber);
    // Windows 9x keeps the version in the high word of the build number.
    EXPECT_EQ(os.GetBuildNum(), int(direct.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS ? LOWORD(direct.dwBuildNumber)
                                                                                      : direct.dwBuildNumber));
    EXPECT_EQ(std::wstring(os.GetCSDVer().GetString()), direct.szCSDVersion);
    EXPECT_EQ(os.m_osvi.wProductType, direct.wProductType);

    using GetProductInfoFn = BOOL(WINAPI*)(DWORD, DWORD, DWORD, DWORD, PDWORD);
    auto getProductInfo = reinterpret_cast<GetProductInfoFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetProductInfo")));
    ASSERT_NE(getProductInfo, nullptr) << "Wine's kernel32 has GetProductInfo";
    DWORD code = 0;
    getProductInfo(direct.dwMajorVersion, direct.dwMinorVersion, direct.wServicePackMajor,
                   direct.wServicePackMinor, &code);
    EXPECT_EQ(os.m_dwProductType, code);
}

TEST(OsInfoSystem, SnapshotOfTheRunningSystem) {
    ExpectSnapshotOfThisSystem();
    COsInfo os;
    EXPECT_EQ(os.GetPlatform(), VER_PLATFORM_WIN32_NT);
    // Wine 8's default prefix reports Windows 7 (6.1 workstation, Service Pack 1).
    const std::wstring name = os.GetName(nullptr).GetString();
    if (os.GetMajorVer() == 6 && os.m_osvi.wProductType == VER_NT_WORKSTATION) {
        EXPECT_EQ(os.GetKind(), 9);
        EXPECT_EQ(name.rfind(L"Windows Vista ", 0), 0u);
    } else if (os.GetMajorVer() >= 7) {
        EXPECT_EQ(os.GetKind(), 0);
        EXPECT_EQ(name, L"Windows ");
    } else {
        ADD_FAILURE() << "unexpected default version " << os.GetMajorVer() << "." << os.GetMinorVer();
    }
}

// Run by ReportsTheVersionWineIsToldToReport in a child process started with another version:
// ZC_EXPECT_VERSION holds "platform major.minor kind name-prefix".
TEST(OsInfoSystem, ChildSeesTheConfiguredVersion) {
    wchar_t expectation[256];
    if (!GetEnvironmentVariableW(L"ZC_EXPECT_VERSION", expectation, _countof(expectation)))
        GTEST_SKIP() << "run by the parent test only";
    unsigned platform = 0, major = 0, minor = 0;
    int kind = -1, used = 0;
    ASSERT_EQ(swscanf(expectation, L"%u %u.%u %d %n", &platform, &major, &minor, &kind, &used), 4);
    const std::wstring prefix = expectation + used;

    ExpectSnapshotOfThisSystem();
    COsInfo os;
    EXPECT_EQ(os.GetPlatform(), int(platform));
    EXPECT_EQ(os.GetMajorVer(), int(major));
    EXPECT_EQ(os.GetMinorVer(), int(minor));
    EXPECT_EQ(os.GetKind(), kind);
    std::wstring name = os.GetName(nullptr).GetString();
    EXPECT_EQ(name.rfind(prefix, 0), 0u) << "name " << std::string(name.begin(), name.end());

    // Wine's NT versions below 6.1 report a service pack; on NT the caller's buffer receives it.
    unsigned short pack[140] = {};
    os.GetName(pack);
    const std::wstring csd = os.GetCSDVer().GetString();
    const std::wstring expected = (platform == VER_PLATFORM_WIN32_NT && !csd.empty()) ? L"(" + csd + L")" : L"";
    EXPECT_EQ(std::wstring(reinterpret_cast<wchar_t*>(pack)), expected);
}

TEST(OsInfoSystem, ReportsTheVersionWineIsToldToReport) {
    struct Case {
        const wchar_t* wineVersion;
        const wchar_t* expectation;
    };
    // Wine 8 reports "win7" as a 6.1 server and "win2008r2" as a 6.1 workstation, so neither is
    // asked for here; the 9x entry reports platform 1 with its build number in the low word.
    const Case cases[] = {
        {L"win98", L"1 4.10 2 Windows 98 SE"},
        {L"win2k", L"2 5.0 6 Windows 2000 Professional"},
        {L"winxp", L"2 5.1 7 Windows XP Professional"},
        {L"win2003", L"2 5.2 8 Windows Server 2003"},
        {L"vista", L"2 6.0 9 Windows Vista "},
        {L"win2008", L"2 6.0 10 Windows Server 2008 "},
    };
    for (const Case& c : cases) {
        WineVersionOverride override(c.wineVersion);
        ASSERT_TRUE(override.IsSet());
        EXPECT_TRUE(RunChildTest(L"OsInfoSystem.ChildSeesTheConfiguredVersion", L"ZC_EXPECT_VERSION", c.expectation))
            << "Wine version " << std::string(c.wineVersion, c.wineVersion + wcslen(c.wineVersion));
    }
}

}  // namespace
