// Shortcut files read back through the shell's own link object, icons, item ID lists, special folders and the
// folder-browse dialog as the user meets it; repeated calls keep no handles.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <future>
#include "cstring_print.h"
#include "scratch_folder.h"

std::string Ansi(const std::wstring& wide) {  // code page 932
    char buffer[MAX_PATH * 2] = "";
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
    return buffer;
}
std::wstring SystemFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    return std::wstring(folder, GetSystemDirectoryW(folder, MAX_PATH)) + L"\\" + name;
}
const std::wstring kNotepad = SystemFile(L"notepad.exe");
// Path, arguments, working folder, icon file and index as the shell's link object loads them (none when it
// cannot), then the show command as the file's header holds it: Wine reads every one back as SW_SHOWNORMAL.
std::vector<std::wstring> ReadLink(const std::wstring& file) {
    std::vector<std::wstring> read;
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    HRESULT init = CoInitialize(nullptr);
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&persist))) && SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        wchar_t text[4][MAX_PATH] = {};
        int index = -1;
        DWORD show = 0;
        link->GetPath(text[0], MAX_PATH, nullptr, SLGP_RAWPATH), link->GetArguments(text[1], MAX_PATH);
        link->GetWorkingDirectory(text[2], MAX_PATH), link->GetIconLocation(text[3], MAX_PATH, &index);
        std::string bytes = ReadFileBytes(file);
        if (bytes.size() >= 0x40) memcpy(&show, bytes.data() + 0x3C, sizeof show);
        read = {text[0], text[1], text[2], text[3], std::to_wstring(index), std::to_wstring(show)};
    }
    if (persist) persist->Release();
    if (link) link->Release();
    if (SUCCEEDED(init)) CoUninitialize();
    return read;
}
// Every property written, at a name given in the ANSI code page; not normal starts minimised; a missing folder
// makes nothing yet answers TRUE; the caller's apartment is left as it was, none or multithreaded.
TEST(LinkFile, WrittenThroughTheShellAndReadBack) {
    ScratchFolder s;
    std::wstring icon = SystemFile(L"shell32.dll"), file = s / L"\x30E1\x30E2\x5E33.lnk", nowhere = s / L"no\\x.lnk";
    EXPECT_TRUE(Cm_CreateLinkFile(kNotepad.c_str(), Ansi(file).c_str(), L"/a \"b c\"", s.Path().c_str(), icon.c_str(),
                                  true));
    EXPECT_EQ(ReadLink(file), (std::vector<std::wstring>{kNotepad, L"/a \"b c\"", s.Path(), icon, L"0", L"1"}));
    EXPECT_TRUE(Cm_CreateLinkFile(kNotepad.c_str(), Ansi(s / L"min.lnk").c_str(), L"", L"", L"", false));
    std::vector<std::wstring> minimised = ReadLink(s / L"min.lnk");
    ASSERT_EQ(minimised.size(), 6u);
    EXPECT_TRUE(minimised[5] == L"6" || minimised[5] == L"7") << minimised[5];  // or its non-activating form
    EXPECT_TRUE(Cm_CreateLinkFile(kNotepad.c_str(), Ansi(nowhere).c_str(), L"", L"", L"", true));
    EXPECT_EQ(GetFileAttributesW(nowhere.c_str()), INVALID_FILE_ATTRIBUTES);
    HRESULT multi = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(multi, S_OK) << "an apartment was left behind";
    EXPECT_TRUE(Cm_CreateLinkFile(kNotepad.c_str(), Ansi(s / L"multi.lnk").c_str(), L"", L"", L"", true));
    EXPECT_TRUE(ReadFileBytes(s / L"multi.lnk").size() >= 0x40) << "not written in a multithreaded apartment";
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "the caller's apartment was torn down";
    CoUninitialize();
    if (SUCCEEDED(multi)) CoUninitialize();
}
LONG IconWidth(HICON icon) {
    ICONINFO info = {};
    BITMAP bitmap = {};
    if (GetIconInfo(icon, &info)) GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor), DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}
// Icons sized by the flags, each the caller's to destroy, the system image list borrowed; item ID lists parsed
// from Shift_JIS names; special folders by number, the documents folder with its backslash, an unknown number
// leaving the buffer.
TEST(ShellItems, IconsItemIdListsAndSpecialFolders) {
    ScratchFolder s;
    std::wstring file = s.WriteFile(L"\x65E5\x672C\x8A9E.txt", "x");
    LPITEMIDLIST item = Cm_GetItemIDList(Ansi(file).c_str());
    wchar_t path[MAX_PATH] = L"";
    EXPECT_TRUE(item && SHGetPathFromIDListW(item, path) && path == file) << path;
    EXPECT_TRUE(!Cm_GetItemIDList(nullptr) && !Cm_GetItemIDList(Ansi(s / L"missing.txt").c_str()));
    EXPECT_TRUE(!Cm_GetSystemIcon(nullptr) && !Cm_GetFileIcon(L"C:\\no\\such\\file.xyz", 0) &&
                !Cm_GetFileIcon2(nullptr) && !Cm_GetFileIcon2("C:\\no\\such\\folder\\file.txt"));
    const int small = GetSystemMetrics(SM_CXSMICON);
    const struct { const char* how; HICON icon; int width; } icons[] = {
        {"small", Cm_GetFileIcon(file.c_str(), SHGFI_SMALLICON), small},
        {"large", Cm_GetFileIcon(file.c_str(), 0), GetSystemMetrics(SM_CXICON)},
        {"Cm_GetSystemIcon", Cm_GetSystemIcon(item), small}, {"Cm_GetFileIcon2", Cm_GetFileIcon2(Ansi(file).c_str()), small}};
    CoTaskMemFree(item);
    for (const auto& row : icons) EXPECT_TRUE(IconWidth(row.icon) == row.width && DestroyIcon(row.icon)) << row.how;
    SHFILEINFOW info = {};
    auto list = HIMAGELIST(SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    EXPECT_GT(ImageList_GetImageCount(list), 0) << "the system image list was destroyed";

    wchar_t expected[MAX_PATH], special[MAX_PATH] = L"", documents[MAX_PATH] = L"", kept[MAX_PATH] = L"as it was";
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, expected), S_OK);
    EXPECT_TRUE(Cm_GetSpecialFolder(CSIDL_PERSONAL, special) && Cm_GetMyDocument(documents) && !Cm_GetMyDocument(nullptr));
    EXPECT_EQ(special, std::wstring(expected));
    EXPECT_EQ(documents, std::wstring(expected) + L"\\");
    GetWindowsDirectoryW(expected, MAX_PATH);
    EXPECT_TRUE(Cm_GetSpecialFolder(CSIDL_WINDOWS, special) && lstrcmpiW(special, expected) == 0) << special;
    EXPECT_TRUE(Cm_GetSpecialFolder(0x7E, kept) && lstrcmpW(kept, L"as it was") == 0) << kept;
}
// Handles are given from the lowest free slot: every handle left open by a call pushes a fresh one up.
uintptr_t FreshHandleValue() {
    HANDLE probe = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    return CloseHandle(probe), uintptr_t(probe);
}
// Every function once to load what it loads, then many times: nothing piles up.
TEST(ShellItems, RepeatedCallsKeepNoHandles) {
    ScratchFolder s;
    std::wstring file = s.WriteFile(L"a.txt", "abc");
    auto round = [&, link = Ansi(s / L"a.lnk"), ansi = Ansi(file)] {
        CStringList list;
        wchar_t buffer[MAX_PATH];
        DWORD files = 0, folders = 0;
        __int64 bytes = Cm_GetFileSize(file.c_str()) + Cm_GetFileSize((s / L"missing").c_str());
        Cm_FileSearch(s.Path().c_str(), L"*.*", &list, TRUE);
        Cm_SearchFolder(CString(s.Path().c_str()), &files, &folders, &bytes);
        Cm_CreateLinkFile(file.c_str(), link.c_str(), L"", L"", L"", true);
        DestroyIcon(Cm_GetFileIcon2(ansi.c_str())), DestroyIcon(Cm_GetFileIcon(file.c_str(), SHGFI_SMALLICON));
        Cm_GetMyDocument(buffer), Cm_GetSpecialFolder(CSIDL_PERSONAL, buffer), Cm_GetDispFreeSpace(file.c_str());
    };
    round();
    uintptr_t handle = FreshHandleValue();
    for (int i = 0; i < 30; ++i) round();
    EXPECT_LE(FreshHandleValue(), handle + 4 * sizeof(HANDLE)) << "handles were left open";
}
std::wstring g_callbackData;
int CALLBACK RecordingCallback(HWND, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED) g_callbackData += data ? reinterpret_cast<const wchar_t*>(data) : L"(null)";
    return 0;
}
// The prompt (ours by default), the initial folder selected and shown as the status, the path chosen without its
// backslash; a caller's callback replaces ours and gets the initial folder. A watcher thread finds the real
// dialog on the calling thread, reads its and its children's texts and presses a button.
TEST(BrowseFolder, PromptInitialFolderAndChoice) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));  // the new dialog style needs a single-threaded apartment
    const std::wstring ours = L"\xFF8C\xFF6B\xFF99\xFF80\xFF9E\x3092\x9078\x3093\x3067\x304F\x3060\x3055\x3044";
    wchar_t documents[MAX_PATH] = L"", folder[64];
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
    wsprintfW(folder, L"C:\\zc-browse-%lu", GetCurrentProcessId());  // reached through Computer and C:
    ASSERT_TRUE(CreateDirectoryW(folder, nullptr));
    const struct { CString prompt, initial; BFFCALLBACK callback; int button; std::wstring shown, status, chosen; } rows[] = {
        {L"", L"", nullptr, IDOK, ours, documents, documents}, {L"x", L"", RecordingCallback, IDCANCEL, L"x", L"", L""},
        {L"\x51FA\x529B\x5148", folder, nullptr, IDOK, L"\x51FA\x529B\x5148", folder, folder}};
    for (const auto& row : rows) {
        auto watched = std::async(std::launch::async, [button = row.button, thread = GetCurrentThreadId()] {
            HWND dialog = nullptr;
            for (int tries = 0; tries < 1000 && !dialog; ++tries, Sleep(dialog ? 200 : 10))  // found: let it settle
                EnumThreadWindows(thread, [](HWND window, LPARAM found) {
                    wchar_t name[16] = L"";
                    GetClassNameW(window, name, 16);
                    return lstrcmpW(name, L"#32770") || !IsWindowVisible(window) ? TRUE : (*(HWND*)found = window, FALSE);
                }, LPARAM(&dialog));
            std::vector<std::wstring> texts;
            auto collect = [](HWND window, LPARAM texts) {
                wchar_t text[1024];
                if (int length = GetWindowTextW(window, text, 1024)) ((std::vector<std::wstring>*)texts)->emplace_back(text, length);
                return TRUE;
            };
            if (dialog) collect(dialog, LPARAM(&texts)), EnumChildWindows(dialog, collect, LPARAM(&texts));
            return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0), texts;
        });
        CString chosen = Cm_SelectedFolder(nullptr, row.prompt, row.initial, LONG_PTR(row.callback));
        std::vector<std::wstring> texts = watched.get();
        auto shows = [&](const std::wstring& text) { return std::count(texts.begin(), texts.end(), text) > 0; };
        ASSERT_FALSE(texts.empty()) << "no browse dialog for " << row.prompt;
        EXPECT_TRUE(shows(row.shown) && (row.shown == ours || !shows(ours))) << row.prompt;
        EXPECT_TRUE(row.status.empty() || shows(row.status)) << "the status does not show " << row.status;
        EXPECT_EQ(chosen, row.chosen.c_str());
    }
    EXPECT_EQ(g_callbackData, documents + std::wstring(L"\\"));
    RemoveDirectoryW(folder);
    CoUninitialize();
}
