// Paths, memory, working set, Administrators, processes, services, volumes and interfaces.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <psapi.h>
#include <shlobj.h>
#include <tlhelp32.h>
#include "child_process.h"
#include "cstring_print.h"
#include "import_patch.h"
#include "scratch_folder.h"
#include "system_text_for_test.h"

// Whole paths beyond MAX_PATH, the empty string from the work area's 512 units on, at every depth.
TEST(ProcessPaths, WholeBelowTheWorkAreaEmptyFromIt) {
    wchar_t direct[1024];
    GetModuleFileNameW(nullptr, direct, 1024);
    EXPECT_EQ(Cm_GetModuleFileName(nullptr), direct);
    EXPECT_TRUE(Cm_GetModuleFileName(HINSTANCE(0x10)).IsEmpty()) << "not a module";
    ScratchFolder folder;
    std::wstring path = L"\\\\?\\" + folder.Path();
    while (path.size() < 600) {
        CreateDirectoryW((path += L"\\" + std::wstring(40, L'd')).c_str(), nullptr);
        CopyFileW((ProgramFolder() + L"\\version_none.dll").c_str(), (path + L"\\probe.dll").c_str(), FALSE);
        HMODULE module = LoadLibraryW((path + L"\\probe.dll").c_str());
        DWORD n = GetModuleFileNameW(module, direct, 1024);
        EXPECT_TRUE(module && SetCurrentDirectoryW(path.c_str())) << path.size();
        EXPECT_EQ(Cm_GetModuleFileName(module), n < 512 ? direct : L"") << n;
        FreeLibrary(module);
        n = GetCurrentDirectoryW(1024, direct);
        EXPECT_EQ(Cm_CurrentDirectory(), n < 512 ? direct : L"") << n;
    }
    SetCurrentDirectoryW(ProgramFolder().c_str());
    for (; path.size() > folder.Path().size() + 4; path.resize(path.size() - 41))
        DeleteFileW((path + L"\\probe.dll").c_str()), RemoveDirectoryW(path.c_str());
}
// Each memory figure is its field of the whole record handed back; the working set is the current one.
TEST(MemoryFigures, RecordFieldsAndTheCurrentWorkingSet) {
    using M = MEMORYSTATUSEX;
    __int64 (*query[])(M*) = {Cm_GetTotalPhysMemory,     Cm_GetAvailPhysMemory,    Cm_GetTotalPageFileMemory,
                               Cm_GetAvailPageFileMemory, Cm_GetTotalVirtualMemory, Cm_GetAvailVirtualMemory};
    DWORDLONG M::*field[] = {&M::ullTotalPhys,     &M::ullAvailPhys,    &M::ullTotalPageFile,
                             &M::ullAvailPageFile, &M::ullTotalVirtual, &M::ullAvailVirtual};
    for (int i = 0; i < 6; ++i) {
        M record;
        memset(&record, 0xCD, sizeof record);
        const __int64 value = query[i](&record);
        EXPECT_TRUE(value == static_cast<__int64>(record.*field[i]) && value > 0 && query[i](nullptr) > 0) << i;
        EXPECT_TRUE(record.dwLength == 64 && record.ullAvailExtendedVirtual != 0xCDCDCDCDCDCDCDCD) << "all of it";
    }
    { std::vector<char> pages(64 << 20, 1); }  // raises the peak
    const long own = Cm_GetProcessUsedMemory(nullptr);
    std::vector<char> pages(8 << 20, 1);
    const long now = Cm_GetProcessUsedMemory(GetCurrentProcess());
    PROCESS_MEMORY_COUNTERS counters = {};
    ASSERT_TRUE(own > 0 && GetProcessMemoryInfo(GetCurrentProcess(), &counters, counters.cb = sizeof counters));
    EXPECT_GT(now, own + (4 << 20)) << "not a figure kept from before";
    EXPECT_NEAR(now, double(counters.WorkingSetSize), 2 << 20) << "the current working set, not the peak";
    EXPECT_EQ(Cm_GetProcessUsedMemory(reinterpret_cast<void*>(0x1234)), -1) << "no process";
}
int g_groups;  // made up: 0 Everyone alone, 1 Administrators too (deny only), 2 the list cannot be read
BOOL WINAPI MakeUpGroups(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID buffer, DWORD, PDWORD returned) {
    static BYTE everyone[] = {1, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0},  // S-1-1-0 and S-1-5-32-544
        admins[] = {1, 2, 0, 0, 0, 0, 0, 5, 32, 0, 0, 0, 32, 2, 0, 0};
    auto* groups = static_cast<TOKEN_GROUPS*>(buffer);
    groups->GroupCount = g_groups ? 2 : 1;
    groups->Groups[0] = {everyone, SE_GROUP_ENABLED};
    groups->Groups[1] = {admins, SE_GROUP_USE_FOR_DENY_ONLY};  // beyond the count in a list of one
    return *returned = sizeof(TOKEN_GROUPS) + sizeof(SID_AND_ATTRIBUTES), g_groups != 2;
}
// Listed Administrators count whatever their attributes; a list that cannot be read gives 0.
TEST(Administrators, DecidedByTheGroupAloneNotItsAttributes) {
    EXPECT_EQ(Cm_UserIsNTAdmin(), IsUserAnAdmin() ? 1 : 0);
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "advapi32.dll", "GetTokenInformation", (void*)&MakeUpGroups);
    for (g_groups = 0; g_groups < 3; ++g_groups) EXPECT_TRUE(patch.Applied() && Cm_UserIsNTAdmin() == (g_groups == 1));
}
// A real child whose token has Administrators for deny checks only: the group still counts.
bool AdministratorsDenyOnly() {
    BYTE buffer[2048], admins[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof admins, attributes = 0;
    HANDLE token;
    CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &size);
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
    const BOOL read = GetTokenInformation(token, TokenGroups, buffer, sizeof buffer, &size);
    CloseHandle(token);
    const auto* groups = reinterpret_cast<TOKEN_GROUPS*>(buffer);
    for (DWORD i = 0; read && i < groups->GroupCount; ++i)
        if (EqualSid(groups->Groups[i].Sid, admins)) attributes = groups->Groups[i].Attributes;
    return attributes & SE_GROUP_USE_FOR_DENY_ONLY;
}
TEST(Administrators, DenyOnlyInARestrictedChild) {
    if (GetEnvironmentVariableW(L"ZC_DENY_ONLY", nullptr, 0))
        ExitProcess(AdministratorsDenyOnly() && Cm_UserIsNTAdmin() == 1 ? 42 : 1);
    BYTE admins[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof admins, code = 0;
    HANDLE own, restricted;
    CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, admins, &size);
    SID_AND_ATTRIBUTES disable = {admins, 0};
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_ALL_ACCESS, &own));
    ASSERT_TRUE(CreateRestrictedToken(own, 0, 1, &disable, 0, nullptr, 0, nullptr, &restricted));
    std::wstring command = L"child --gtest_filter=Administrators.DenyOnlyInARestrictedChild";
    STARTUPINFOW start = {};
    start.cb = sizeof start;
    PROCESS_INFORMATION child = {};
    SetEnvironmentVariableW(L"ZC_DENY_ONLY", L"1");
    ASSERT_TRUE(CreateProcessAsUserW(restricted, ProgramPath().c_str(), &command[0], nullptr, nullptr, FALSE, 0,
                                     nullptr, nullptr, &start, &child));
    SetEnvironmentVariableW(L"ZC_DENY_ONLY", nullptr);
    WaitForSingleObject(child.hProcess, 60000);
    GetExitCodeProcess(child.hProcess, &code);
    for (HANDLE handle : {child.hProcess, child.hThread, restricted, own}) CloseHandle(handle);
    EXPECT_EQ(code, 42u) << "the child sees Administrators deny-only and counts it";
}
HANDLE WINAPI RefuseSnapshot(DWORD, DWORD) { return SetLastError(ERROR_NOT_ENOUGH_MEMORY), INVALID_HANDLE_VALUE; }
BOOL WINAPI EndWalkDenied(HANDLE, LPPROCESSENTRY32W) { return SetLastError(ERROR_ACCESS_DENIED), FALSE; }
// Every program by bare name, appended on each walk; a failed snapshot or walk: 0, the error box, names kept.
TEST(ProcessList, AppendsEveryProgramByItsBareNameAndShowsFailures) {
    PROCESS_INFORMATION children[2] = {};
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    for (auto& child : children)
        CreateProcessW((ProgramFolder() + L"\\machine_tests.exe").c_str(), nullptr, nullptr, nullptr, FALSE,
                       CREATE_SUSPENDED, nullptr, nullptr, &startup, &child);
    CStringList list;
    list.AddTail(CString(L"kept"));
    EXPECT_EQ(Cm_GetProcessList(&list) + Cm_GetProcessList(&list), 2);
    int mine = 0;
    for (POSITION at = list.GetHeadPosition(); at;) mine += list.GetNext(at).CompareNoCase(L"machine_tests.exe") == 0;
    EXPECT_TRUE(list.GetHead() == L"kept" && mine == 6) << "appended, not cleared: " << mine;
    for (auto& child : children)
        TerminateProcess(child.hProcess, 0), CloseHandle(child.hThread), CloseHandle(child.hProcess);
    const std::tuple<const char*, void*, DWORD> refusals[] = {
        {"CreateToolhelp32Snapshot", (void*)&RefuseSnapshot, ERROR_NOT_ENOUGH_MEMORY},
        {"Process32NextW", (void*)&EndWalkDenied, ERROR_ACCESS_DENIED}};
    list.RemoveAll();
    for (const auto& [function, replacement, code] : refusals) {
        ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", function, replacement);
        MessageBoxWatcher watcher;
        EXPECT_TRUE(patch.Applied() && Cm_GetProcessList(&list) == 0) << function;
        EXPECT_EQ(watcher.Finish(), ErrorBoxOf(code)) << function;
    }
    EXPECT_EQ(list.GetCount(), 1) << "the first entry of the broken walk stays";
}
SC_HANDLE WINAPI RefuseManager(LPCWSTR, LPCWSTR, DWORD) { return nullptr; }
BOOL WINAPI RefuseServices(SC_HANDLE, DWORD, DWORD, LPENUM_SERVICE_STATUSW, DWORD, LPDWORD, LPDWORD, LPDWORD) {
    return SetLastError(ERROR_ACCESS_DENIED), FALSE;
}
// Running and stopped Win32 services in one freeable block; refused: null and a count of 0, no box.
TEST(ServiceList, AllWin32ServicesOrNullWhenRefused) {
    DWORD count = 0, states = 0, needed = 0, listed = 0;
    ENUM_SERVICE_STATUSW* services = Cm_GetServiceEnum(&count);
    for (DWORD i = 0; services && i < count; states |= 1u << services[i++].ServiceStatus.dwCurrentState)
        EXPECT_TRUE(*services[i].lpServiceName && services[i].ServiceStatus.dwServiceType & SERVICE_WIN32) << i;
    EXPECT_EQ(states & (1u << SERVICE_RUNNING | 1u << SERVICE_STOPPED), 1u << SERVICE_RUNNING | 1u << SERVICE_STOPPED);
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE);
    EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL, nullptr, 0, &needed, &listed, nullptr);
    CloseServiceHandle(manager);
    EXPECT_GE(_msize(services), needed) << "as large as the system asks for all of them";
    free(services);
    const std::pair<const char*, void*> refusals[] = {{"OpenSCManagerW", (void*)&RefuseManager},
                                                      {"EnumServicesStatusW", (void*)&RefuseServices}};
    for (const auto& [function, replacement] : refusals) {
        ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "advapi32.dll", function, replacement);
        EXPECT_TRUE(patch.Applied() && !Cm_GetServiceEnum(&(count = 12345)) && count == 0) << function;
    }
}
// C:\ as the system describes it, zeros for no volume; the interface table in a malloc block.
TEST(VolumeAndInterfaces, AsTheSystemGivesThem) {
    CmVolumeInfo want = {}, none = {}, got;  // names compared up to their ends
    ASSERT_TRUE(GetVolumeInformationW(L"C:\\", want.szVolumeName, 1024, &want.dwVolumeSerialNumber,
                                      &want.dwMaximumComponentLength, &want.dwFileSystemFlags,
                                      want.szFileSystemName, 1024));
    got = Cm_GetVolumeInfo(L"C:\\");
    EXPECT_TRUE(!wcscmp(got.szVolumeName, want.szVolumeName) && !wcscmp(got.szFileSystemName, want.szFileSystemName) &&
                !memcmp(&got.dwVolumeSerialNumber, &want.dwVolumeSerialNumber, 3 * sizeof(DWORD)));
    EXPECT_EQ(memcmp(&(got = Cm_GetVolumeInfo(L"Q:\\no such volume\\")), &none, sizeof got), 0);
    MIB_IFTABLE* table = nullptr;
    EXPECT_TRUE(Cm_GetIfTable(&table) == 1 && table->dwNumEntries &&
                _msize(table) >= sizeof(DWORD) + table->dwNumEntries * sizeof(MIB_IFROW));
    free(table);
    EXPECT_EQ(Cm_GetIfTable(nullptr), 0);
}
