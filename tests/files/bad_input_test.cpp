// Caller text the library must survive: paths at MAX_PATH, link paths that do not fit, null text;
// and the system modules it loads come from the system folder, whatever sits beside the host.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "import_patch.h"
#include "scratch_folder.h"

// Legal paths whose directory or name part is longer than the C runtime's split buffers.
TEST(BadInput, DiskSpaceOfPathsAtTheLimit) {
    const __int64 total = Cm_GetDispTotalSpace(L"C:\\");
    ASSERT_GT(total, 0);
    for (const std::wstring& path : {L"C:\\" + std::wstring(254, L'a') + L"\\b", L"C:\\" + std::wstring(256, L'a')}) {
        EXPECT_EQ(Cm_GetDispTotalSpace(path.c_str()), total) << path.size();
        EXPECT_GE(Cm_GetDispFreeSpace(path.c_str()), 0) << path.size();
    }
}
std::string Ansi(const std::wstring& wide);  // files_test.cpp
const wchar_t* const kTarget = L"C:\\windows\\notepad.exe";
// Always TRUE; a link is written only with a target and a link path that fits, null texts as empty.
TEST(BadInput, LinkFileArguments) {
    ScratchFolder folder;
    const std::string base = Ansi(folder.Path());
    const struct { LPCWSTR target; std::string link; bool written; } rows[] = {
        {kTarget, base + "\\plain.lnk", true},
        {kTarget, base + "\\" + std::string(300, 'a') + ".lnk", false},
        {kTarget, base + "\\" + std::string(40000, 'a') + ".lnk", false},
        {nullptr, base + "\\notarget.lnk", false},
    };
    for (const auto& row : rows) {
        const bool done = Cm_CreateLinkFile(row.target, row.link.c_str(), nullptr, nullptr, nullptr, false);
        EXPECT_TRUE(done) << row.link.size();
        EXPECT_EQ(GetFileAttributesA(row.link.c_str()) != INVALID_FILE_ATTRIBUTES, row.written) << row.link.size();
    }
    EXPECT_TRUE(Cm_CreateLinkFile(kTarget, nullptr, L"", L"", L"", true));
}
// A null path is no path, across the family.
TEST(BadInput, NullPathText) {
    EXPECT_TRUE(Cm_ExpandEnvironmentStrings(nullptr).IsEmpty());
    EXPECT_TRUE(Cm_PathUnExpandEnvStrings(nullptr).IsEmpty());
    EXPECT_FALSE(Cm_CheckUNC(nullptr) || Cm_RemoveFileSpec(nullptr) || Cm_GetExtension(nullptr) ||
                 Cm_GetFileName(nullptr) || Cm_PathAddBackslash(nullptr));
    Cm_StripPath(nullptr);
    Cm_RemoveExtension(nullptr);
}
// Without an optional system function or module: no space (-1), and still TRUE for a link, none written.
FARPROC WINAPI Refuse(HMODULE module, LPCSTR name) {
    const bool refused = HIWORD(name) && (!strcmp(name, "GetDiskFreeSpaceExW") || !strcmp(name, "CoCreateInstance"));
    return refused ? nullptr : GetProcAddress(module, name);
}
HMODULE WINAPI NoOle(LPCWSTR name) { return wcsstr(name, L"ole32") ? nullptr : LoadLibraryW(name); }
TEST(BadInput, WithoutOptionalSystemParts) {
    const HMODULE library = GetModuleHandleW(L"ZetoCom.dll");
    ImportPatch proc(library, "kernel32.dll", "GetProcAddress", (void*)&Refuse);
    EXPECT_TRUE(proc.Applied() && Cm_GetDispTotalSpace(L"C:\\") == -1);
    ScratchFolder folder;
    const std::string link = Ansi(folder / L"a.lnk");
    for (void* load : {(void*)&LoadLibraryW, (void*)&NoOle}) {
        ImportPatch patch(library, "kernel32.dll", "LoadLibraryW", load);
        EXPECT_TRUE(Cm_CreateLinkFile(kTarget, link.c_str(), L"", L"", L"", true));
        EXPECT_EQ(GetFileAttributesA(link.c_str()), INVALID_FILE_ATTRIBUTES);
    }
}
// Every module the library loads at run time is named by its full path in the system folder.
std::vector<std::wstring> loaded;
HMODULE WINAPI WatchedLoad(LPCWSTR name) { return loaded.emplace_back(name), LoadLibraryW(name); }
TEST(BadInput, SystemModulesComeFromTheSystemFolder) {
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "LoadLibraryW", (void*)&WatchedLoad);
    ASSERT_TRUE(patch.Applied());
    ScratchFolder folder;
    Cm_GetProcessUsedMemory(nullptr);
    COsInfo().GetKind();
    Cm_CreateLinkFile(kTarget, Ansi(folder / L"a.lnk").c_str(), L"", L"", L"", true);
    HWND window = CreateWindowW(L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    Cm_SetXpStyleTab(window);
    Cm_CreateSmoothly(window, FALSE);
    DestroyWindow(window);
    wchar_t system[MAX_PATH];
    const std::wstring prefix(system, GetSystemDirectoryW(system, MAX_PATH));
    EXPECT_GE(loaded.size(), 5u);
    for (const auto& name : loaded)
        EXPECT_EQ(_wcsnicmp(name.c_str(), (prefix + L"\\").c_str(), prefix.size() + 1), 0) << name;
}
