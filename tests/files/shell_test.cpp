// Shortcut files read back through the shell's own link object, icons, special folders and
// item ID lists.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "scratch_folder.h"

namespace {

// The ANSI (code page 932) form of a wide path.
std::string Ansi(const std::wstring& wide) {
    char buffer[MAX_PATH * 2] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}

struct LinkRead {
    bool loaded = false;
    std::wstring path, arguments, workingFolder, iconFile;
    int iconIndex = -1;
    int showCommand = -1;
};

// Loads a .lnk through IShellLinkW and IPersistFile on a thread of its own apartment.
LinkRead ReadLink(const std::wstring& file) {
    LinkRead read;
    HRESULT init = CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* persist = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist)))) {
            if (SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
                read.loaded = true;
                wchar_t text[MAX_PATH] = L"";
                link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
                read.path = text;
                text[0] = 0;
                link->GetArguments(text, MAX_PATH);
                read.arguments = text;
                text[0] = 0;
                link->GetWorkingDirectory(text, MAX_PATH);
                read.workingFolder = text;
                text[0] = 0;
                link->GetIconLocation(text, MAX_PATH, &read.iconIndex);
                read.iconFile = text;
                link->GetShowCmd(&read.showCommand);
            }
            persist->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return read;
}

SIZE IconSize(HICON icon) {
    ICONINFO info = {};
    SIZE size = {0, 0};
    if (!GetIconInfo(icon, &info)) return size;
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    size.cx = bitmap.bmWidth;
    size.cy = info.hbmColor ? bitmap.bmHeight : bitmap.bmHeight / 2;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return size;
}

std::wstring SystemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

void FreeItem(LPITEMIDLIST item) {
    IMalloc* allocator = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetMalloc(&allocator)));
    allocator->Free(item);
    allocator->Release();
}

TEST(CreateLinkFile, WritesEveryPropertyReadBackByTheShell) {
    ScratchFolder scratch;
    std::wstring target = SystemFile(L"notepad.exe");
    std::wstring icon = SystemFile(L"shell32.dll");
    std::wstring file = scratch / L"\x30E1\x30E2\x5E33.lnk";  // a Japanese name, passed as Shift_JIS
    EXPECT_TRUE(Cm_CreateLinkFile(target.c_str(), Ansi(file).c_str(), L"/a \"b c\"", scratch.Path().c_str(),
                                  icon.c_str(), true));
    LinkRead read = ReadLink(file);
    ASSERT_TRUE(read.loaded) << "no shortcut at the converted name";
    EXPECT_EQ(read.path, target);
    EXPECT_EQ(read.arguments, L"/a \"b c\"");
    EXPECT_EQ(read.workingFolder, scratch.Path());
    EXPECT_EQ(read.iconFile, icon);
    EXPECT_EQ(read.iconIndex, 0);
    EXPECT_EQ(read.showCommand, SW_SHOWNORMAL);
}

TEST(CreateLinkFile, ShowNormalFalseStartsMinimised) {
    ScratchFolder scratch;
    std::wstring file = scratch / L"min.lnk";
    EXPECT_TRUE(Cm_CreateLinkFile(SystemFile(L"notepad.exe").c_str(), Ansi(file).c_str(), L"", L"", L"", false));
    // The ShowCommand field of the link header (offset 0x3C) as written; the shell may store the
    // minimise request as its non-activating form.
    std::string bytes = ReadFileBytes(file);
    ASSERT_GE(bytes.size(), 0x40u);
    DWORD written = 0;
    memcpy(&written, bytes.data() + 0x3C, sizeof written);
    EXPECT_TRUE(written == SW_MINIMIZE || written == SW_SHOWMINNOACTIVE) << written;
    // Wine's link object reads every show command back as SW_SHOWNORMAL, so the file's own
    // field above is the proof; the read-back must at least find the link.
    EXPECT_TRUE(ReadLink(file).loaded);
}

TEST(CreateLinkFile, AMissingFolderCreatesNothingAndStillSucceeds) {
    ScratchFolder scratch;
    std::wstring file = scratch / L"no\\such\\folder\\x.lnk";
    EXPECT_TRUE(Cm_CreateLinkFile(SystemFile(L"notepad.exe").c_str(), Ansi(file).c_str(), L"", L"", L"", true));
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(CreateLinkFile, LeavesTheCallersApartmentAsItWas) {
    ScratchFolder scratch;
    std::wstring file = scratch / L"apartment.lnk";
    // Not initialised before: the call must undo its own initialisation.
    Cm_CreateLinkFile(SystemFile(L"notepad.exe").c_str(), Ansi(file).c_str(), L"", L"", L"", true);
    HRESULT multi = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(multi, S_OK) << "an apartment was left behind";
    // Already multithreaded: the link is still written and our initialisation survives.
    std::wstring second = scratch / L"multi.lnk";
    Cm_CreateLinkFile(SystemFile(L"notepad.exe").c_str(), Ansi(second).c_str(), L"", L"", L"", true);
    EXPECT_NE(GetFileAttributesW(second.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "the caller's apartment was torn down";
    CoUninitialize();
    if (SUCCEEDED(multi)) CoUninitialize();
}

TEST(FileIcons, SizeChosenByTheFlagsAndOwnedByTheCaller) {
    std::wstring file = SystemFile(L"notepad.exe");
    HICON small = Cm_GetFileIcon(file.c_str(), SHGFI_SMALLICON);
    HICON large = Cm_GetFileIcon(file.c_str(), 0);
    ASSERT_NE(small, nullptr);
    ASSERT_NE(large, nullptr);
    EXPECT_EQ(IconSize(small).cx, GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(IconSize(large).cx, GetSystemMetrics(SM_CXICON));
    EXPECT_TRUE(DestroyIcon(small));
    EXPECT_TRUE(DestroyIcon(large));
    EXPECT_EQ(Cm_GetFileIcon(L"C:\\no\\such\\file.xyz", 0), nullptr);
}

TEST(FileIcons, SystemIconsThroughItemIdLists) {
    EXPECT_EQ(Cm_GetSystemIcon(nullptr), nullptr);
    LPITEMIDLIST item = Cm_GetItemIDList(Ansi(SystemFile(L"notepad.exe")).c_str());
    ASSERT_NE(item, nullptr);
    HICON icon = Cm_GetSystemIcon(item);
    FreeItem(item);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(IconSize(icon).cx, GetSystemMetrics(SM_CXSMICON));
    EXPECT_TRUE(DestroyIcon(icon));

    HICON fromPath = Cm_GetFileIcon2(Ansi(SystemFile(L"notepad.exe")).c_str());
    ASSERT_NE(fromPath, nullptr);
    EXPECT_EQ(IconSize(fromPath).cx, GetSystemMetrics(SM_CXSMICON));
    EXPECT_TRUE(DestroyIcon(fromPath));

    // The system image list was borrowed, not destroyed: it still answers.
    SHFILEINFOW info = {};
    auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    ASSERT_NE(list, nullptr);
    EXPECT_GT(ImageList_GetImageCount(list), 0);
}

TEST(FileIcons, UnparsableNamesGiveNoIcon) {
    EXPECT_EQ(Cm_GetFileIcon2(nullptr), nullptr);
    EXPECT_EQ(Cm_GetFileIcon2("C:\\no\\such\\folder\\file.txt"), nullptr);
}

TEST(ItemIdList, ParsesPathsIncludingShiftJisNames) {
    ScratchFolder scratch;
    std::wstring file = scratch.WriteFile(L"\x65E5\x672C\x8A9E.txt", "x");
    LPITEMIDLIST item = Cm_GetItemIDList(Ansi(file).c_str());
    ASSERT_NE(item, nullptr);
    wchar_t path[MAX_PATH] = L"";
    EXPECT_TRUE(SHGetPathFromIDListW(item, path));
    FreeItem(item);
    EXPECT_EQ(std::wstring(path), file);

    EXPECT_EQ(Cm_GetItemIDList(nullptr), nullptr);
    EXPECT_EQ(Cm_GetItemIDList(Ansi(scratch / L"missing.txt").c_str()), nullptr);
}

TEST(SpecialFolders, DocumentsWithAndWithoutTheBackslash) {
    wchar_t expected[MAX_PATH] = L"";
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, expected), S_OK);
    wchar_t special[MAX_PATH] = L"";
    EXPECT_TRUE(Cm_GetSpecialFolder(CSIDL_PERSONAL, special));
    EXPECT_STREQ(special, expected);

    wchar_t documents[MAX_PATH] = L"leftover";
    EXPECT_TRUE(Cm_GetMyDocument(documents));
    EXPECT_EQ(std::wstring(documents), std::wstring(expected) + L"\\");
    EXPECT_FALSE(Cm_GetMyDocument(nullptr));
}

TEST(SpecialFolders, AnUnknownNumberLeavesTheBuffer) {
    wchar_t buffer[MAX_PATH] = L"as it was";
    EXPECT_TRUE(Cm_GetSpecialFolder(0x7E, buffer));
    EXPECT_STREQ(buffer, L"as it was");
    wchar_t windows[MAX_PATH] = L"";
    EXPECT_TRUE(Cm_GetSpecialFolder(CSIDL_WINDOWS, windows));
    wchar_t expected[MAX_PATH];
    GetWindowsDirectoryW(expected, MAX_PATH);
    EXPECT_EQ(lstrcmpiW(windows, expected), 0) << windows;
}

}  // namespace

namespace {

// The value of a fresh kernel handle: handles are given from the lowest free slot, so every
// handle left open by the calls under test pushes it up.
uintptr_t FreshHandleValue() {
    HANDLE probe = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    CloseHandle(probe);
    return reinterpret_cast<uintptr_t>(probe);
}

// Every function is run once to load what it loads, then many times: nothing may pile up.
TEST(Leaks, RepeatedCallsKeepNoHandles) {
    ScratchFolder scratch;
    std::wstring file = scratch.WriteFile(L"a.txt", "abc");
    std::string link = Ansi(scratch / L"a.lnk");
    std::string ansiFile = Ansi(file);
    auto round = [&] {
        Cm_GetFileSize(file.c_str());
        Cm_GetFileSize((scratch / L"missing").c_str());
        CStringList list;
        Cm_FileSearch(scratch.Path().c_str(), L"*.*", &list, TRUE);
        DWORD files = 0, folders = 0;
        __int64 bytes = 0;
        Cm_SearchFolder(CString(scratch.Path().c_str()), &files, &folders, &bytes);
        Cm_CreateLinkFile(file.c_str(), link.c_str(), L"", L"", L"", true);
        DestroyIcon(Cm_GetFileIcon2(ansiFile.c_str()));
        DestroyIcon(Cm_GetFileIcon(file.c_str(), SHGFI_SMALLICON));
        wchar_t buffer[MAX_PATH];
        Cm_GetMyDocument(buffer);
        Cm_GetSpecialFolder(CSIDL_PERSONAL, buffer);
        Cm_GetDispFreeSpace(file.c_str());
    };
    round();
    uintptr_t handle = FreshHandleValue();
    for (int i = 0; i < 30; ++i) round();
    EXPECT_LE(FreshHandleValue(), handle + 4 * sizeof(HANDLE)) << "handles were left open";
}

}  // namespace
