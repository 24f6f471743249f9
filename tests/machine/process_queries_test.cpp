// Paths, memory figures, working set and Administrators membership against the real system.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <psapi.h>
#include <shlobj.h>

#include <cstdio>
#include <vector>

#include "cstring_print.h"
#include "import_patch.h"
#include "scratch_folder.h"

namespace {

TEST(ProcessPaths, ModuleAndCurrentDirectory) {
    wchar_t expected[MAX_PATH];
    GetModuleFileNameW(nullptr, expected, MAX_PATH);
    EXPECT_EQ(Cm_GetModuleFileName(nullptr), CString(expected));
    CString dll = Cm_GetModuleFileName(GetModuleHandleW(L"ZetoCom.dll"));
    EXPECT_EQ(dll.Right(12).CompareNoCase(L"\\zetocom.dll"), 0) << dll.GetString();
    EXPECT_TRUE(Cm_GetModuleFileName(reinterpret_cast<HINSTANCE>(0x10)).IsEmpty()) << "not a module";

    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    ScratchFolder folder;
    ASSERT_TRUE(SetCurrentDirectoryW(folder.Path().c_str()));
    EXPECT_EQ(Cm_CurrentDirectory(), CString(folder.Path().c_str()));
    SetCurrentDirectoryW(before);
    EXPECT_EQ(Cm_CurrentDirectory(), CString(before));
}

// Nested folders below a scratch folder, made and removed through the long-path prefix.
class DeepFolder {
public:
    DeepFolder(const std::wstring& base, std::size_t length) {
        std::wstring path = base;
        while (path.size() < length) {
            path += L"\\" + std::wstring(40, L'd');
            CreateDirectoryW((L"\\\\?\\" + path).c_str(), nullptr);
            m_levels.push_back(path);
        }
    }
    ~DeepFolder() {
        for (auto it = m_levels.rbegin(); it != m_levels.rend(); ++it) {
            DeleteFileW((L"\\\\?\\" + *it + L"\\path_probe.dll").c_str());
            RemoveDirectoryW((L"\\\\?\\" + *it).c_str());
        }
    }
    const std::wstring& Path() const { return m_levels.back(); }

private:
    std::vector<std::wstring> m_levels;
};

// Loads a copy of the probe module from a folder and releases it at the end.
class ProbeCopy {
public:
    explicit ProbeCopy(const std::wstring& folder) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring source(self);
        source = source.substr(0, source.rfind(L'\\')) + L"\\path_probe.dll";
        std::wstring target = L"\\\\?\\" + folder + L"\\path_probe.dll";
        if (CopyFileW(source.c_str(), target.c_str(), FALSE)) m_module = LoadLibraryW(target.c_str());
    }
    ~ProbeCopy() {
        if (m_module) FreeLibrary(m_module);
    }
    HMODULE Get() const { return m_module; }

private:
    HMODULE m_module = nullptr;
};

// Paths that fill the 512-unit work area give the empty string, never a cut path; shorter ones
// beyond MAX_PATH come out whole.
TEST(ProcessPaths, LongerThanTheWorkArea) {
    ScratchFolder folder;
    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    bool sawDeepDirectory = false;
    for (std::size_t length : {std::size_t(400), std::size_t(600)}) {
        DeepFolder deep(folder.Path(), length);
        ProbeCopy probe(deep.Path());
        if (!probe.Get()) GTEST_SKIP() << "this system does not load a module from " << length << " units deep";
        const bool fits = length < 512;
        wchar_t direct[1024];
        DWORD n = GetModuleFileNameW(probe.Get(), direct, 1024);
        ASSERT_EQ(n < 512, fits) << n;
        if (fits)
            EXPECT_EQ(Cm_GetModuleFileName(probe.Get()), CString(direct)) << n;
        else
            EXPECT_TRUE(Cm_GetModuleFileName(probe.Get()).IsEmpty()) << n;

        if (SetCurrentDirectoryW((L"\\\\?\\" + deep.Path()).c_str())) {
            n = GetCurrentDirectoryW(1024, direct);
            EXPECT_EQ(n < 512, fits) << n;
            if (fits)
                EXPECT_EQ(Cm_CurrentDirectory(), CString(direct)) << n;
            else
                EXPECT_TRUE(Cm_CurrentDirectory().IsEmpty()) << n;
            SetCurrentDirectoryW(before);
            sawDeepDirectory = sawDeepDirectory || !fits;
        }
    }
    if (!sawDeepDirectory) std::printf("note: the current directory could not be set 600 units deep\n");
}

TEST(MemoryFigures, EachFunctionGivesItsFieldAndTheWholeRecord) {
    MEMORYSTATUSEX direct = {};
    direct.dwLength = sizeof direct;
    ASSERT_TRUE(GlobalMemoryStatusEx(&direct));
    EXPECT_EQ(Cm_GetTotalPhysMemory(nullptr), static_cast<__int64>(direct.ullTotalPhys));
    EXPECT_EQ(Cm_GetTotalPageFileMemory(nullptr), static_cast<__int64>(direct.ullTotalPageFile));
    EXPECT_EQ(Cm_GetTotalVirtualMemory(nullptr), static_cast<__int64>(direct.ullTotalVirtual));

    struct {
        __int64 (*query)(MEMORYSTATUSEX*);
        DWORDLONG MEMORYSTATUSEX::*field;
    } family[] = {{Cm_GetTotalPhysMemory, &MEMORYSTATUSEX::ullTotalPhys},
                  {Cm_GetAvailPhysMemory, &MEMORYSTATUSEX::ullAvailPhys},
                  {Cm_GetTotalPageFileMemory, &MEMORYSTATUSEX::ullTotalPageFile},
                  {Cm_GetAvailPageFileMemory, &MEMORYSTATUSEX::ullAvailPageFile},
                  {Cm_GetTotalVirtualMemory, &MEMORYSTATUSEX::ullTotalVirtual},
                  {Cm_GetAvailVirtualMemory, &MEMORYSTATUSEX::ullAvailVirtual}};
    for (const auto& member : family) {
        MEMORYSTATUSEX record;
        memset(&record, 0xCD, sizeof record);
        __int64 value = member.query(&record);
        EXPECT_EQ(record.dwLength, 64u);
        EXPECT_GT(value, 0);
        EXPECT_EQ(value, static_cast<__int64>(record.*member.field)) << "the figure comes from the record handed back";
        EXPECT_LE(record.ullAvailPhys, record.ullTotalPhys);
        EXPECT_LE(record.ullAvailVirtual, record.ullTotalVirtual);
        EXPECT_NE(record.ullAvailExtendedVirtual, 0xCDCDCDCDCDCDCDCDull) << "all seven figures are copied";
    }
}

TEST(WorkingSet, OfThisProcessByEitherHandle) {
    long own = Cm_GetProcessUsedMemory(nullptr);
    EXPECT_GT(own, 0);
    EXPECT_GT(Cm_GetProcessUsedMemory(GetCurrentProcess()), 0);
    // Touching 8 MiB more shows in the next figure.
    {
        std::vector<char> pages(8 << 20, 1);
        EXPECT_GT(Cm_GetProcessUsedMemory(nullptr), own + (4 << 20));
    }
    // The current working set, not the peak or the committed bytes: after 64 MiB touched and
    // released, the figure is back below the peak and agrees with the system's own.
    { std::vector<char> pages(64 << 20, 1); }
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    long now = Cm_GetProcessUsedMemory(nullptr);
    ASSERT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters));
    EXPECT_LT(now, static_cast<long>(counters.PeakWorkingSetSize) - (32 << 20));
    EXPECT_NEAR(now, static_cast<double>(counters.WorkingSetSize), 2 << 20);
    EXPECT_EQ(Cm_GetProcessUsedMemory(reinterpret_cast<void*>(0x1234)), -1) << "a handle that is no process";
}

TEST(Administrators, AgreesWithTheShell) {
    EXPECT_EQ(Cm_UserIsNTAdmin(), IsUserAnAdmin() ? 1 : 0);
}

// The token's groups as the test makes them up, in front of the library's GetTokenInformation.
struct MadeUpGroups {
    bool answer = true;
    bool withAdministrators = false;
    DWORD administratorsAttributes = 0;
};
MadeUpGroups g_groups;

BOOL WINAPI MakeUpGroups(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID buffer, DWORD size, PDWORD returned) {
    static SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY, nt = SECURITY_NT_AUTHORITY;
    static PSID everyone = nullptr, administrators = nullptr;
    if (!everyone) AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    if (!administrators)
        AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0,
                                 &administrators);
    if (!g_groups.answer || size < sizeof(TOKEN_GROUPS) + sizeof(SID_AND_ATTRIBUTES)) return FALSE;
    auto* groups = static_cast<TOKEN_GROUPS*>(buffer);
    groups->GroupCount = g_groups.withAdministrators ? 2 : 1;
    groups->Groups[0] = {everyone, SE_GROUP_ENABLED};
    groups->Groups[1] = {administrators, g_groups.administratorsAttributes};
    *returned = sizeof(TOKEN_GROUPS) + sizeof(SID_AND_ATTRIBUTES);
    return TRUE;
}

TEST(Administrators, DecidedByTheGroupAloneNotItsAttributes) {
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "advapi32.dll", "GetTokenInformation",
                      reinterpret_cast<void*>(&MakeUpGroups));
    ASSERT_TRUE(patch.Applied());
    g_groups = {true, false, 0};
    EXPECT_EQ(Cm_UserIsNTAdmin(), 0) << "Everyone only";
    g_groups = {true, true, SE_GROUP_USE_FOR_DENY_ONLY};
    EXPECT_EQ(Cm_UserIsNTAdmin(), 1) << "present for deny checks only still counts";
    g_groups = {false, true, SE_GROUP_ENABLED};
    EXPECT_EQ(Cm_UserIsNTAdmin(), 0) << "the groups cannot be read";
}

}  // namespace
