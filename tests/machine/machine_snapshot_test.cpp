// Services, processes, volumes and interfaces from the real system under Wine.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <vector>

#include "cstring_print.h"
#include "import_patch.h"
#include "message_box_watcher.h"
#include "scratch_folder.h"
#include "system_text_for_test.h"

namespace {

int CountOf(CStringList& list, LPCWSTR name) {
    int n = 0;
    for (POSITION at = list.GetHeadPosition(); at;)
        if (list.GetNext(at).CompareNoCase(name) == 0) ++n;
    return n;
}

// A copy of this test program, started suspended under a name of its own and killed at the end.
class ChildProcess {
public:
    ChildProcess(const ScratchFolder& folder, const std::wstring& name) {
        wchar_t self[MAX_PATH];
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        std::wstring path = folder / name;
        CopyFileW(self, path.c_str(), FALSE);
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        started_ = CreateProcessW(path.c_str(), nullptr, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                                  &startup, &info_);
    }
    ~ChildProcess() {
        if (!started_) return;
        TerminateProcess(info_.hProcess, 0);
        WaitForSingleObject(info_.hProcess, 5000);
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    bool Started() const { return started_; }

private:
    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
};

TEST(ProcessList, FindsChildrenByNameAndAppends) {
    // Two copies under one name in two folders: one entry each, by bare name.
    ScratchFolder one, two;
    ChildProcess first(one, L"zc_probe_child.exe");
    ChildProcess second(two, L"zc_probe_child.exe");
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(second.Started());
    CStringList list;
    list.AddTail(CString(L"kept"));
    MessageBoxWatcher watcher;
    ASSERT_EQ(Cm_GetProcessList(&list), 1);
    EXPECT_FALSE(watcher.Finish().found) << "a normal walk shows nothing";
    EXPECT_EQ(list.GetHead(), CString(L"kept")) << "the list is not cleared";
    EXPECT_EQ(CountOf(list, L"zc_probe_child.exe"), 2);
    EXPECT_EQ(CountOf(list, L"machine_tests.exe"), 1) << "names without their paths";
    ASSERT_EQ(Cm_GetProcessList(&list), 1);
    EXPECT_EQ(CountOf(list, L"zc_probe_child.exe"), 4) << "a second walk appends every name again";
    EXPECT_EQ(CountOf(list, L"machine_tests.exe"), 2);
}

// System calls that fail, in front of the library's imports.
HANDLE WINAPI RefuseSnapshot(DWORD, DWORD) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return INVALID_HANDLE_VALUE;
}
BOOL WINAPI EndWalkWithAccessDenied(HANDLE, LPPROCESSENTRY32W) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
}
SC_HANDLE WINAPI RefuseManager(LPCWSTR, LPCWSTR, DWORD) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
}

TEST(ProcessList, FailuresAreShownAndKeepWhatWasListed) {
    CStringList list;
    list.AddTail(CString(L"kept"));
    {
        ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "CreateToolhelp32Snapshot",
                          reinterpret_cast<void*>(&RefuseSnapshot));
        ASSERT_TRUE(patch.Applied());
        MessageBoxWatcher watcher;
        EXPECT_EQ(Cm_GetProcessList(&list), 0);
        EXPECT_EQ(watcher.Finish(), ErrorBoxOf(ERROR_NOT_ENOUGH_MEMORY));
    }
    {
        ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "Process32NextW",
                          reinterpret_cast<void*>(&EndWalkWithAccessDenied));
        ASSERT_TRUE(patch.Applied());
        MessageBoxWatcher watcher;
        EXPECT_EQ(Cm_GetProcessList(&list), 0) << "a walk that ends with another code than no more files";
        EXPECT_EQ(watcher.Finish(), ErrorBoxOf(ERROR_ACCESS_DENIED));
    }
    EXPECT_EQ(list.GetCount(), 2) << "the first entry of the broken walk stays";
}

TEST(ServiceList, RefusedManagerGivesNullAndACountOfZeroSilently) {
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "advapi32.dll", "OpenSCManagerW",
                      reinterpret_cast<void*>(&RefuseManager));
    ASSERT_TRUE(patch.Applied());
    DWORD count = 12345;
    MessageBoxWatcher watcher;
    EXPECT_EQ(Cm_GetServiceEnum(&count), nullptr);
    EXPECT_EQ(count, 0u);
    EXPECT_FALSE(watcher.Finish(200).found);
}

TEST(ServiceList, AllWin32ServicesInOneFreeableBlock) {
    DWORD count = 12345;
    ENUM_SERVICE_STATUSW* services = Cm_GetServiceEnum(&count);
    ASSERT_NE(services, nullptr);
    ASSERT_GT(count, 0u);
    bool sawRunning = false, sawStopped = false;
    for (DWORD i = 0; i < count; ++i) {
        ASSERT_NE(services[i].lpServiceName, nullptr);
        EXPECT_NE(services[i].lpServiceName[0], L'\0');
        EXPECT_NE(services[i].ServiceStatus.dwServiceType & SERVICE_WIN32, 0u) << i;
        sawRunning = sawRunning || services[i].ServiceStatus.dwCurrentState == SERVICE_RUNNING;
        sawStopped = sawStopped || services[i].ServiceStatus.dwCurrentState == SERVICE_STOPPED;
    }
    EXPECT_TRUE(sawRunning) << "active services are listed";
    EXPECT_TRUE(sawStopped) << "inactive services are listed too";
    // As many as the system lists for the same selection.
    SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ENUMERATE_SERVICE);
    ASSERT_NE(manager, nullptr);
    DWORD needed = 0, direct = 0;
    EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL, nullptr, 0, &needed, &direct, nullptr);
    std::vector<BYTE> block(needed);
    EXPECT_TRUE(EnumServicesStatusW(manager, SERVICE_WIN32, SERVICE_STATE_ALL,
                                    reinterpret_cast<ENUM_SERVICE_STATUSW*>(block.data()), needed, &needed, &direct,
                                    nullptr));
    CloseServiceHandle(manager);
    EXPECT_EQ(count, direct);
    free(services);
}

TEST(VolumeInfo, SystemDriveAsTheSystemDescribesItAndZerosForNone) {
    wchar_t label[1024], fileSystem[1024];
    DWORD serial = 0, component = 0, flags = 0;
    ASSERT_TRUE(GetVolumeInformationW(L"C:\\", label, 1024, &serial, &component, &flags, fileSystem, 1024));
    CmVolumeInfo info = Cm_GetVolumeInfo(L"C:\\");
    EXPECT_STREQ(info.szVolumeName, label);
    EXPECT_STREQ(info.szFileSystemName, fileSystem);
    EXPECT_EQ(info.dwVolumeSerialNumber, serial);
    EXPECT_EQ(info.dwMaximumComponentLength, component);
    EXPECT_EQ(info.dwFileSystemFlags, flags);
    EXPECT_GT(info.dwMaximumComponentLength, 0u);

    CmVolumeInfo none = Cm_GetVolumeInfo(L"Q:\\no such volume\\");
    EXPECT_EQ(none.szVolumeName[0], L'\0');
    EXPECT_EQ(none.szFileSystemName[0], L'\0');
    EXPECT_EQ(none.dwVolumeSerialNumber, 0u);
    EXPECT_EQ(none.dwFileSystemFlags, 0u);
}

TEST(InterfaceTable, SortedTableInAMallocBlock) {
    MIB_IFTABLE* table = nullptr;
    ASSERT_EQ(Cm_GetIfTable(&table), 1);
    ASSERT_NE(table, nullptr);
    ASSERT_GE(table->dwNumEntries, 1u) << "the loopback interface at least";
    for (DWORD i = 1; i < table->dwNumEntries; ++i) EXPECT_LT(table->table[i - 1].dwIndex, table->table[i].dwIndex);
    ULONG size = 0;
    GetIfTable(nullptr, &size, TRUE);
    EXPECT_GE(_msize(table), size);
    free(table);
    EXPECT_EQ(Cm_GetIfTable(nullptr), 0);
}

}  // namespace
