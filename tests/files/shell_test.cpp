// Shortcut files read back through the shell's own link object, icons, special folders and
// item ID lists; repeated calls must keep no handles.
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

std::wstring SystemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder) + L"\\" + name;
}

const std::wstring kNotepad = SystemFile(L"notepad.exe");

struct LinkRead {
    bool loaded = false;
    std::wstring path, arguments, workingFolder, iconFile;
    int iconIndex = -1;
};

// Loads a .lnk through IShellLinkW and IPersistFile in an apartment of its own.
LinkRead ReadLink(const std::wstring& file) {
    LinkRead read;
    HRESULT init = CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
        SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        read.loaded = true;
        wchar_t text[4][MAX_PATH] = {};
        link->GetPath(text[0], MAX_PATH, nullptr, SLGP_RAWPATH);
        link->GetArguments(text[1], MAX_PATH);
        link->GetWorkingDirectory(text[2], MAX_PATH);
        link->GetIconLocation(text[3], MAX_PATH, &read.iconIndex);
        read.path = text[0], read.arguments = text[1], read.workingFolder = text[2], read.iconFile = text[3];
    }
    if (persist) persist->Release();
    if (link) link->Release();
    if (SUCCEEDED(init)) CoUninitialize();
    return read;
}

// The width of an icon's image.
LONG IconWidth(HICON icon) {
    ICONINFO info = {};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bitmap = {};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

// The ShowCommand field of the link file's header (offset 0x3C) as written: Wine's link object
// reads every show command back as SW_SHOWNORMAL, so the file's own field is the proof.
DWORD LinkShowCommand(const std::wstring& file) {
    std::string bytes = ReadFileBytes(file);
    DWORD written = 0;
    if (bytes.size() >= 0x40) memcpy(&written, bytes.data() + 0x3C, sizeof written);
    return written;
}

TEST(CreateLinkFile, WritesEveryPropertyReadBackByTheShell) {
    ScratchFolder scratch;
    std::wstring icon = SystemFile(L"shell32.dll");
    std::wstring file = scratch / L"\x30E1\x30E2\x5E33.lnk";  // a Japanese name, passed as Shift_JIS
    EXPECT_TRUE(Cm_CreateLinkFile(kNotepad.c_str(), Ansi(file).c_str(), L"/a \"b c\"", scratch.Path().c_str(),
                                  icon.c_str(), true));
    LinkRead read = ReadLink(file);
    ASSERT_TRUE(read.loaded) << "no shortcut at the converted name";
    EXPECT_EQ(read.path, kNotepad);
    EXPECT_EQ(read.arguments, L"/a \"b c\"");
    EXPECT_EQ(read.workingFolder, scratch.Path());
    EXPECT_EQ(read.iconFile, icon);
    EXPECT_EQ(read.iconIndex, 0);
    EXPECT_EQ(LinkShowCommand(file), DWORD(SW_SHOWNORMAL)) << "as written, not as Wine reads every link back";
}

TEST(CreateLinkFile, ShowNormalFalseStartsMinimisedAndAMissingFolderCreatesNothing) {
    ScratchFolder scratch;
    std::wstring file = scratch / L"min.lnk";
    EXPECT_TRUE(Cm_CreateLinkFile(kNotepad.c_str(), Ansi(file).c_str(), L"", L"", L"", false));
    // The shell may store the minimise request as its non-activating form.
    DWORD written = LinkShowCommand(file);
    EXPECT_TRUE(written == SW_MINIMIZE || written == SW_SHOWMINNOACTIVE) << written;
    EXPECT_TRUE(ReadLink(file).loaded);

    std::wstring nowhere = scratch / L"no\\such\\folder\\x.lnk";  // still reported as a success
    EXPECT_TRUE(Cm_CreateLinkFile(kNotepad.c_str(), Ansi(nowhere).c_str(), L"", L"", L"", true));
    EXPECT_EQ(GetFileAttributesW(nowhere.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(CreateLinkFile, LeavesTheCallersApartmentAsItWas) {
    ScratchFolder scratch;
    // Not initialised before: the call must undo its own initialisation.
    Cm_CreateLinkFile(kNotepad.c_str(), Ansi(scratch / L"apartment.lnk").c_str(), L"", L"", L"", true);
    HRESULT multi = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(multi, S_OK) << "an apartment was left behind";
    // Already multithreaded: the link is still written and our initialisation survives.
    std::wstring second = scratch / L"multi.lnk";
    Cm_CreateLinkFile(kNotepad.c_str(), Ansi(second).c_str(), L"", L"", L"", true);
    EXPECT_NE(GetFileAttributesW(second.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "the caller's apartment was torn down";
    CoUninitialize();
    if (SUCCEEDED(multi)) CoUninitialize();
}

TEST(FileIcons, SizeChosenByTheFlagsAndOwnedByTheCaller) {
    EXPECT_EQ(Cm_GetSystemIcon(nullptr), nullptr);
    EXPECT_EQ(Cm_GetFileIcon(L"C:\\no\\such\\file.xyz", 0), nullptr);
    EXPECT_EQ(Cm_GetFileIcon2(nullptr), nullptr);
    EXPECT_EQ(Cm_GetFileIcon2("C:\\no\\such\\folder\\file.txt"), nullptr);

    LPITEMIDLIST item = Cm_GetItemIDList(Ansi(kNotepad).c_str());
    ASSERT_NE(item, nullptr);
    const struct { const char* how; HICON icon; int width; } rows[] = {
        {"Cm_GetFileIcon small", Cm_GetFileIcon(kNotepad.c_str(), SHGFI_SMALLICON), GetSystemMetrics(SM_CXSMICON)},
        {"Cm_GetFileIcon large", Cm_GetFileIcon(kNotepad.c_str(), 0), GetSystemMetrics(SM_CXICON)},
        {"Cm_GetSystemIcon", Cm_GetSystemIcon(item), GetSystemMetrics(SM_CXSMICON)},
        {"Cm_GetFileIcon2", Cm_GetFileIcon2(Ansi(kNotepad).c_str()), GetSystemMetrics(SM_CXSMICON)},
    };
    CoTaskMemFree(item);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        ASSERT_NE(row.icon, nullptr);
        EXPECT_EQ(IconWidth(row.icon), row.width);
        EXPECT_TRUE(DestroyIcon(row.icon));
    }
    // The system image list was borrowed, not destroyed: it still answers.
    SHFILEINFOW info = {};
    auto list = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    ASSERT_NE(list, nullptr);
    EXPECT_GT(ImageList_GetImageCount(list), 0);
}

TEST(ItemIdList, ParsesPathsIncludingShiftJisNames) {
    ScratchFolder scratch;
    std::wstring file = scratch.WriteFile(L"\x65E5\x672C\x8A9E.txt", "x");
    LPITEMIDLIST item = Cm_GetItemIDList(Ansi(file).c_str());
    ASSERT_NE(item, nullptr);
    wchar_t path[MAX_PATH] = L"";
    EXPECT_TRUE(SHGetPathFromIDListW(item, path));
    CoTaskMemFree(item);
    EXPECT_EQ(std::wstring(path), file);
    EXPECT_EQ(Cm_GetItemIDList(nullptr), nullptr);
    EXPECT_EQ(Cm_GetItemIDList(Ansi(scratch / L"missing.txt").c_str()), nullptr);
}

TEST(SpecialFolders, KnownNumbersDocumentsWithTheBackslashUnknownLeavesTheBuffer) {
    wchar_t expected[MAX_PATH] = L"", special[MAX_PATH] = L"", documents[MAX_PATH] = L"leftover";
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, expected), S_OK);
    EXPECT_TRUE(Cm_GetSpecialFolder(CSIDL_PERSONAL, special));
    EXPECT_STREQ(special, expected);
    EXPECT_TRUE(Cm_GetMyDocument(documents));
    EXPECT_EQ(std::wstring(documents), std::wstring(expected) + L"\\");
    EXPECT_FALSE(Cm_GetMyDocument(nullptr));

    GetWindowsDirectoryW(expected, MAX_PATH);
    EXPECT_TRUE(Cm_GetSpecialFolder(CSIDL_WINDOWS, special));
    EXPECT_EQ(lstrcmpiW(special, expected), 0) << special;
    wchar_t buffer[MAX_PATH] = L"as it was";
    EXPECT_TRUE(Cm_GetSpecialFolder(0x7E, buffer));
    EXPECT_STREQ(buffer, L"as it was");
}

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
    std::string link = Ansi(scratch / L"a.lnk"), ansiFile = Ansi(file);
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
