// Paths, memory figures, working set and Administrators membership against the real system.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include "cstring_print.h"
#include "scratch_folder.h"

namespace {

TEST(ProcessPaths, ModuleAndCurrentDirectory) {
    wchar_t expected[MAX_PATH];
    GetModuleFileNameW(nullptr, expected, MAX_PATH);
    EXPECT_EQ(Cm_GetModuleFileName(nullptr), CString(expected));
    CString dll = Cm_GetModuleFileName(GetModuleHandleW(L"ZetoCom.dll"));
    EXPECT_EQ(dll.Right(12).MakeLower(), CString(L"\\zetocom.dll"));
    EXPECT_TRUE(Cm_GetModuleFileName(reinterpret_cast<HINSTANCE>(0x10)).IsEmpty()) << "not a module";

    wchar_t before[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, before);
    ScratchFolder folder;
    ASSERT_TRUE(SetCurrentDirectoryW(folder.Path().c_str()));
    EXPECT_EQ(Cm_CurrentDirectory(), CString(folder.Path().c_str()));
    SetCurrentDirectoryW(before);
    EXPECT_EQ(Cm_CurrentDirectory(), CString(before));
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

TEST(WorkingSet, OfThisProcessAndOfAChild) {
    long own = Cm_GetProcessUsedMemory(nullptr);
    EXPECT_GT(own, 0);
    EXPECT_GT(Cm_GetProcessUsedMemory(GetCurrentProcess()), 0);
    // Touching 8 MiB more shows in the next figure.
    std::vector<char> pages(8 << 20, 1);
    EXPECT_GT(Cm_GetProcessUsedMemory(nullptr), own + (4 << 20));
    EXPECT_EQ(Cm_GetProcessUsedMemory(reinterpret_cast<void*>(0x1234)), -1) << "a handle that is no process";
}

TEST(Administrators, AgreesWithTheShell) {
    EXPECT_EQ(Cm_UserIsNTAdmin(), IsUserAnAdmin() ? 1 : 0);
}

}  // namespace
