// Files, paths and folder walks against the real file system; shortcuts read back through the shell's own link
// object, icons, special folders and the folder-browse dialog as the user meets it.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <future>
#include "import_patch.h"
#include "scratch_folder.h"
#include "system_text_for_test.h"
#include "temp_variables.h"
bool Missing(const std::wstring& path) { return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES; }
// Handles are given from the lowest free slot: one left open by a call pushes a fresh one up.
HANDLE FreshHandle() { HANDLE probe = CreateEventW(nullptr, FALSE, FALSE, nullptr); return CloseHandle(probe), probe; }
// A rename moves but never replaces; sizes beyond 4 GiB and of files held open for writing, no handle kept; the
// space of the path's drive; times set are the kernel's UTC instants, one beyond 2038 fails the read, record kept.
TEST(FileFacts, RenameSizeSpaceAndTimes) {
    ScratchFolder s;
    std::wstring a = s.WriteFile(L"a.txt", "first"), b = s.WriteFile(L"b.txt", "second");
    EXPECT_TRUE(!Cm_RenameDir(a.c_str(), b.c_str()) && Cm_RenameDir(a.c_str(), (s / L"c.txt").c_str()) && Missing(a));
    EXPECT_EQ(ReadFileBytes(b) + ReadFileBytes(s / L"c.txt"), "secondfirst");
    HANDLE writer = CreateFileW((s / L"busy").c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS, 0, 0);
    DWORD written;
    ASSERT_TRUE(WriteFile(writer, "abcdef", 6, &written, nullptr) && MakeSparseFile(s / L"big", (5LL << 30) + 123));
    const struct { std::wstring path; __int64 size; } sizes[] = {{s.WriteFile(L"ten", "0123456789"), 10},
        {s / L"missing", -1}, {s.Path(), -1}, {s / L"busy", 6}, {s / L"big", (5LL << 30) + 123}};
    HANDLE before = FreshHandle();
    for (const auto& row : sizes) EXPECT_EQ(Cm_GetFileSize(row.path.c_str()), row.size) << row.path;
    EXPECT_TRUE(FreshHandle() == before && CloseHandle(writer)) << "a handle was left open";
    ULARGE_INTEGER free, total;
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:", &free, &total, nullptr));
    EXPECT_EQ(Cm_GetDispTotalSpace(L"c:\\no\\such\\path"), LONGLONG(total.QuadPart));
    EXPECT_NEAR(double(Cm_GetDispFreeSpace(L"c:\\no\\such\\path")), double(free.QuadPart), 256.0 * 1024 * 1024);
    EXPECT_TRUE(Cm_GetDispFreeSpace(L"?:\\x") == -1 && Cm_GetDispTotalSpace(L"?:\\x") == -1) << "no such drive";
    struct _stat32i64 info = {};
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(Cm_SetFileTime((a = s.WriteFile(L"dated.txt", "12345")).c_str(), 1000000000, 1234567890));
    ASSERT_TRUE(Cm_GetFileInfo(a.c_str(), &info) && GetFileAttributesExW(a.c_str(), GetFileExInfoStandard, &data));
    EXPECT_TRUE(info.st_atime == 1000000000 && info.st_mtime == 1234567890 && info.st_size == 5 &&
                info.st_mode & _S_IFREG && Cm_GetFileLtTime(a.c_str()) == 1234567890);
    const FILETIME set = {0x3296F500, 0x01C98E33}, later = {0xAC9CC000, 0x01EC2C81};  // 2009-02-13 23:31:30, 2040 UTC
    EXPECT_EQ(CompareFileTime(&data.ftLastWriteTime, &set), 0);
    for (bool access : {true, false}) {  // Wine keeps no creation time to set
        a = s.WriteFile(access ? L"access" : L"write", "x");
        HANDLE file = CreateFileW(a.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_TRUE(SetFileTime(file, nullptr, access ? &later : &set, access ? &set : &later) && CloseHandle(file));
        EXPECT_TRUE(!Cm_GetFileInfo(a.c_str(), &info) && !Cm_GetFileLtTime(a.c_str()) && info.st_size == 5) << access;
    }
    EXPECT_FALSE(Cm_GetFileInfo(L"C:\\missing", &info) || Cm_SetFileTime(L"C:\\missing", 1, 2));
}
// Existence, a folder (exactly TRUE) and deletion; temporary names: the folder, two distinct empty "zto*.tmp"
// files in it. A failure shows the error box, for the checks only on request.
TEST(PathChecks, AnswersTempNamesAndFailuresShown) {
    ScratchFolder s;
    std::wstring file = s.WriteFile(L"a.txt", "x"), missing = s / L"missing.txt";
    const struct { const char* name; BOOL (*check)(LPCWSTR, BOOL); } checks[] = {
        {"remove", &Cm_RemoveFile}, {"exists", &Cm_FileExistCheck}, {"folder", &Cm_CheckDirectory}};
    MessageBoxWatcher quiet;
    EXPECT_TRUE(Cm_FileExistCheck(s.Path().c_str(), FALSE) && Cm_FileExistCheck(file.c_str(), FALSE));
    EXPECT_TRUE(Cm_CheckDirectory(s.Path().c_str(), FALSE) == TRUE && !Cm_CheckDirectory(file.c_str(), FALSE));
    EXPECT_TRUE(Cm_RemoveFile(file.c_str(), TRUE) && Missing(file));
    for (const auto& row : checks) EXPECT_FALSE(row.check(missing.c_str(), FALSE)) << row.name;
    EXPECT_FALSE(quiet.Finish(200).found);
    for (const auto& row : checks) {
        MessageBoxWatcher watcher;
        EXPECT_FALSE(row.check(missing.c_str(), TRUE)) << row.name;
        EXPECT_EQ(watcher.Finish(), ErrorBoxOf(ERROR_FILE_NOT_FOUND)) << row.name;
    }
    wchar_t folder[MAX_PATH], buffer[MAX_PATH] = L"", first[MAX_PATH] = L"", second[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    ASSERT_TRUE(Cm_GetTempPathName(buffer) && Cm_GetTempFileName(first) && Cm_GetTempFileName(second));
    EXPECT_TRUE(lstrcmpW(buffer, folder) == 0 && lstrcmpW(first, second) != 0) << buffer;
    for (std::wstring name : {first, second})
        EXPECT_TRUE(name.rfind(folder + std::wstring(L"zto"), 0) == 0 && name.substr(name.size() - 4) == L".tmp" &&
                    Cm_GetFileSize(name.c_str()) == 0 && DeleteFileW(name.c_str())) << name;
    const struct { std::wstring temp; BOOL (*call)(LPWSTR); } failures[] = {
        {L"C:\\" + std::wstring(300, L'x'), &Cm_GetTempPathName}, {L"C:\\zc-no-such-folder", &Cm_GetTempFileName}};
    for (const auto& row : failures) {
        TempVariables temp(row.temp);
        MessageBoxWatcher watcher;
        EXPECT_FALSE(row.call(lstrcpyW(buffer, L"untouched"))) << row.temp;
        const std::wstring text = watcher.Finish(1000).text;  // Windows: the buffer overflow (111); Wine: 206
        EXPECT_TRUE(text.rfind(L"[Error:", 0) == 0 && text[7] != L'0') << text;
        EXPECT_TRUE(row.call == &Cm_GetTempFileName || lstrcmpW(buffer, L"untouched") == 0) << buffer;
    }
}
// The backslash added only where one is missing and fits (the answer: its end, -1 for none); the BOOLs of the
// shell's answers. The text left in the buffer after each.
ptrdiff_t Add(wchar_t* p) { LPWSTR end = Cm_PathAddBackslash(p); return end ? end - p : -1; }
ptrdiff_t RemoveSpec(wchar_t* p) { return Cm_RemoveFileSpec(p); }
ptrdiff_t Unc(wchar_t* p) { return Cm_CheckUNC(p); }
TEST(PathSurgery, EditsInPlaceAndEnvironmentReferences) {
    const std::wstring fits(MAX_PATH - 2, L'a'), full(MAX_PATH - 1, L'a');  // full leaves no room for a backslash
    const struct { ptrdiff_t (*op)(wchar_t*); std::wstring before, after; ptrdiff_t answer; } rows[] = {
        {Add, L"", L"", 0}, {Add, L"C:\\Data", L"C:\\Data\\", 8}, {Add, fits, fits + L"\\", MAX_PATH - 1},
        {Add, full, full, -1}, {Add, fits + L"\\", fits + L"\\", MAX_PATH - 1}, {Unc, L"C:\\a", L"C:\\a", FALSE},
        {RemoveSpec, L"C:\\a\\b.txt", L"C:\\a", TRUE}, {RemoveSpec, L"C:\\", L"C:\\", FALSE},
        {Unc, L"\\\\server\\share\\b.txt", L"\\\\server\\share\\b.txt", TRUE}};
    wchar_t path[MAX_PATH + 1];  // a unit to spare for a NUL written one past MAX_PATH
    for (const auto& row : rows)
        EXPECT_TRUE(row.op(lstrcpyW(path, row.before.c_str())) == row.answer && path == row.after) << row.before;
    // References expanded, unknown ones kept, an overflow not passed through; a leading system folder folded back.
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZC_J", L"\x65E5\x672C"));
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZC_V", std::wstring(400, L'v').c_str()));
    EXPECT_EQ(Cm_ExpandEnvironmentStrings(L"C:\\%ZC_J%\\%ZC_UNDEFINED%"), L"C:\\\x65E5\x672C\\%ZC_UNDEFINED%");
    EXPECT_LT(Cm_ExpandEnvironmentStrings(L"%ZC_V%%ZC_V%").Find(L'%'), 0) << "not the text as given";
    lstrcatW(path + GetSystemDirectoryW(path, MAX_PATH), L"\\x.dll");
    CString folded = Cm_PathUnExpandEnvStrings(path);
    EXPECT_TRUE(folded[0] == L'%' && folded.Find(L"32\\x.dll") > 0) << folded.GetString();
    EXPECT_EQ(Cm_PathUnExpandEnvStrings(L"Q:\\nowhere\\file"), L"Q:\\nowhere\\file");
}
// Hidden and system entries left out, folders on request, appended after what the list held; none appended is
// FALSE; no handle kept.
TEST(FileSearch, OneFolderWithoutHiddenOrSystemEntries) {
    ScratchFolder s;
    s.WriteFile(L"a.txt", "a"), s.WriteFile(L"b.log", "b");
    SetFileAttributesW(s.WriteFile(L"c.txt", "c").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(s.WriteFile(L"d.txt", "d").c_str(), FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryW((s / L"sub").c_str(), nullptr), CreateDirectoryW((s / L"secret").c_str(), nullptr);
    SetFileAttributesW((s / L"secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    const struct { const wchar_t *folder, *mask; BOOL folders, found; std::vector<std::wstring> names; } rows[] = {
        {L"", L"*.txt", FALSE, TRUE, {L"a.txt"}}, {L"", L"*.*", TRUE, TRUE, {L".", L"..", L"a.txt", L"b.log", L"sub"}},
        {L"\\", L"*.*", FALSE, TRUE, {L"a.txt", L"b.log"}},  // the folder's backslash is not doubled
        {L"", L"c.txt", TRUE, FALSE, {}}, {L"", L"*.none", TRUE, FALSE, {}}, {L"\\missing", L"*", TRUE, FALSE, {}}};
    HANDLE before = FreshHandle();
    for (const auto& row : rows) {
        CStringList list;
        list.AddTail(L"kept");
        EXPECT_EQ(Cm_FileSearch((s.Path() + row.folder).c_str(), row.mask, &list, row.folders), row.found) << row.mask;
        std::vector<std::wstring> listed, expected = {L"kept"};
        for (POSITION at = list.GetHeadPosition(); at;) listed.push_back(list.GetNext(at).GetString());
        std::sort(listed.begin() + 1, listed.end());
        for (const auto& name : row.names) expected.push_back(s / name);
        EXPECT_EQ(listed, expected) << row.mask;
    }
    EXPECT_EQ(FreshHandle(), before) << "a handle was left open";
}
// Storage as a compressing file system reports it, in front of the walk: 4 MiB, "locked" files none to ask.
DWORD WINAPI ReportStorage(LPCWSTR path, LPDWORD high) {
    if (wcsstr(path, L"locked")) return SetLastError(ERROR_ACCESS_DENIED), *high = 0, INVALID_FILE_SIZE;
    return wcsstr(path, L"edge") ? GetCompressedFileSizeW(path, high) : (*high = 0, 4u << 20);
}
// Every file and folder below counted, hidden ones too, with the storage the files occupy (an unreadable one
// none, a genuine low part of 0xFFFFFFFF the listed size), added to what the totals held; no handle kept.
TEST(SearchFolder, CountsFilesFoldersAndTheirStorage) {
    ScratchFolder s;
    SetFileAttributesW(s.WriteFile(L"hidden.txt", "packed").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW((s / L"sub").c_str(), nullptr), CreateDirectoryW((s / L"sub\\empty").c_str(), nullptr);
    // Windows gives a sparse file's allocated size; Wine the full size, here a low part of 0xFFFFFFFF.
    ASSERT_TRUE(MakeSparseFile(s / L"sub\\edge.bin", 0x1FFFFFFFFLL) && !s.WriteFile(L"sub\\locked", "x").empty());
    DWORD files = 7, folders = 8, high = 0, low = GetCompressedFileSizeW((s / L"sub\\edge.bin").c_str(), &high);
    const __int64 storage = (4 << 20) + (LONGLONG(high) << 32 | low);
    __int64 bytes = 9;
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "GetCompressedFileSizeW", (void*)ReportStorage);
    ASSERT_TRUE(patch.Applied());
    HANDLE before = FreshHandle();
    for (int round = 0; round < 10; ++round) Cm_SearchFolder(s.Path().c_str(), &files, &folders, &bytes);
    Cm_SearchFolder((s / L"missing").c_str(), &files, &folders, &bytes);
    EXPECT_TRUE(files == 7 + 3 * 10 && folders == 8 + 2 * 10 && bytes == 9 + 10 * storage) << files << ' ' << bytes;
    EXPECT_EQ(FreshHandle(), before) << "a handle was left open";
}
std::string Ansi(const std::wstring& wide) {  // code page 932
    char buffer[MAX_PATH * 2] = "";
    return WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr), buffer;
}
// Path, arguments, working folder, icon file and index as the shell's link object loads them (none when it
// cannot), then the show command in the file's header: Wine's link object reads every one back as SW_SHOWNORMAL.
std::vector<std::wstring> ReadLink(const std::wstring& file) {
    std::vector<std::wstring> read;
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&persist))) && SUCCEEDED(persist->Load(file.c_str(), STGM_READ))) {
        wchar_t text[4][MAX_PATH] = {};
        int index = -1;
        link->GetPath(text[0], MAX_PATH, nullptr, SLGP_RAWPATH), link->GetArguments(text[1], MAX_PATH);
        link->GetWorkingDirectory(text[2], MAX_PATH), link->GetIconLocation(text[3], MAX_PATH, &index);
        read = {text[0], text[1], text[2], text[3], std::to_wstring(index), std::to_wstring(ReadFileBytes(file)[0x3C])};
    }
    if (persist) persist->Release();
    if (link) link->Release();
    return read;
}
// The caller's apartment is left as it was, none or multithreaded; every property written, at a name given in the
// ANSI code page; not normal starts minimised (or its non-activating form); a missing folder: nothing, yet TRUE.
TEST(LinkFile, WrittenThroughTheShellAndReadBack) {
    ScratchFolder s;
    wchar_t system[MAX_PATH];
    const std::wstring folder(system, GetSystemDirectoryW(system, MAX_PATH)), notepad = folder + L"\\notepad.exe";
    const std::wstring icon = folder + L"\\shell32.dll", file = s / L"\x30E1\x30E2\x5E33.lnk";
    auto create = [&](const std::wstring& at, bool normal, LPCWSTR args = L"", LPCWSTR in = L"", LPCWSTR icon = L"") {
        return Cm_CreateLinkFile(notepad.c_str(), Ansi(at).c_str(), args, in, icon, normal);
    };
    EXPECT_TRUE(create(file, true, L"/a \"b c\"", s.Path().c_str(), icon.c_str()));
    HRESULT multi = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(multi, S_OK) << "an apartment was left behind";
    EXPECT_TRUE(create(s / L"min.lnk", false) && create(s / L"no\\x.lnk", true) && Missing(s / L"no\\x.lnk"));
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "the caller's apartment was torn down";
    EXPECT_EQ(ReadLink(file), (std::vector<std::wstring>{notepad, L"/a \"b c\"", s.Path(), icon, L"0", L"1"}));
    std::vector<std::wstring> minimised = ReadLink(s / L"min.lnk");
    EXPECT_TRUE(minimised.size() == 6 && (minimised[5] == L"6" || minimised[5] == L"7")) << minimised.size();
    CoUninitialize();
    if (SUCCEEDED(multi)) CoUninitialize();
}
LONG IconWidth(HICON icon) {
    ICONINFO info = {};
    BITMAP bitmap = {};
    if (GetIconInfo(icon, &info)) GetObjectW(info.hbmMask, sizeof bitmap, &bitmap), DeleteObject(info.hbmColor);
    return DeleteObject(info.hbmMask), bitmap.bmWidth;
}
// Item ID lists from Shift_JIS names; icons sized by the flags, the caller's to destroy, the system list borrowed;
// special folders by number, the documents with a backslash, an unknown one no change.
TEST(ShellItems, ItemIdListsIconsAndSpecialFolders) {
    ScratchFolder s;
    std::wstring file = s.WriteFile(L"\x65E5\x672C\x8A9E.txt", "x");
    LPITEMIDLIST item = Cm_GetItemIDList(Ansi(file).c_str());
    wchar_t path[MAX_PATH] = L"", expected[MAX_PATH], documents[MAX_PATH] = L"", kept[MAX_PATH] = L"as it was";
    EXPECT_TRUE(item && SHGetPathFromIDListW(item, path) && path == file) << path;
    EXPECT_TRUE(!Cm_GetItemIDList(nullptr) && !Cm_GetItemIDList(Ansi(s / L"missing.txt").c_str()));
    const int small = GetSystemMetrics(SM_CXSMICON);
    const struct { const char* how; HICON icon; int width; } icons[] = {
        {"small", Cm_GetFileIcon(file.c_str(), SHGFI_SMALLICON), small}, {"item", Cm_GetSystemIcon(item), small},
        {"large", Cm_GetFileIcon(file.c_str(), 0), GetSystemMetrics(SM_CXICON)},
        {"name", Cm_GetFileIcon2(Ansi(file).c_str()), small}};
    CoTaskMemFree(item);
    for (const auto& row : icons) EXPECT_TRUE(IconWidth(row.icon) == row.width && DestroyIcon(row.icon)) << row.how;
    SHFILEINFOW info = {};
    auto list = HIMAGELIST(SHGetFileInfoW(L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    EXPECT_GT(ImageList_GetImageCount(list), 0) << "the system image list was destroyed";
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, expected), S_OK);
    EXPECT_TRUE(Cm_GetSpecialFolder(CSIDL_PERSONAL, path) && Cm_GetMyDocument(documents) && !Cm_GetMyDocument(nullptr));
    EXPECT_EQ(path + std::wstring(L"|") + documents, expected + std::wstring(L"|") + expected + L"\\");
    EXPECT_TRUE(Cm_GetSpecialFolder(0x7E, kept) && lstrcmpW(kept, L"as it was") == 0) << kept;
}
// The texts of the dialog the thread shows (its own and its children's), read by a watcher that then presses button.
BOOL CALLBACK CollectText(HWND window, LPARAM texts) {
    wchar_t text[1024];
    return ((std::vector<std::wstring>*)texts)->emplace_back(text, GetWindowTextW(window, text, 1024)), TRUE;
}
std::vector<std::wstring> PressOnDialog(DWORD thread, int button) {
    HWND dialog = nullptr;
    std::vector<std::wstring> texts;
    for (int tries = 0; tries < 1000 && !dialog; ++tries, Sleep(dialog ? 200 : 10))  // found: let it settle
        while ((dialog = FindWindowExW(nullptr, dialog, L"#32770", nullptr)) &&
               (GetWindowThreadProcessId(dialog, nullptr) != thread || !IsWindowVisible(dialog))) {}
    if (dialog) CollectText(dialog, LPARAM(&texts)), EnumChildWindows(dialog, CollectText, LPARAM(&texts));
    return PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0), texts;
}
std::wstring given;  // to the caller's callback
int CALLBACK GivenFolder(HWND, UINT message, LPARAM, LPARAM data) {
    return given += message != BFFM_INITIALIZED ? L"" : data ? (LPCWSTR)data : L"(null)", 0;
}
// The prompt (ours by default), the initial folder selected and shown as the status, the path chosen without its
// backslash; a caller's callback replaces ours and gets the initial folder.
TEST(BrowseFolder, PromptInitialFolderAndChoice) {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));  // the new dialog style needs a single-threaded apartment
    const std::wstring ours = L"\xFF8C\xFF6B\xFF99\xFF80\xFF9E\x3092\x9078\x3093\x3067\x304F\x3060\x3055\x3044";
    wchar_t documents[MAX_PATH] = L"", folder[64];
    SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, documents);
    wsprintfW(folder, L"C:\\zc-browse-%lu", GetCurrentProcessId());  // reached through Computer and C:
    ASSERT_TRUE(CreateDirectoryW(folder, nullptr));
    const struct { CString prompt, initial; BFFCALLBACK callback; int button; std::wstring chosen; } rows[] = {
        {L"", L"", nullptr, IDOK, documents}, {L"\x51FA\x529B\x5148", folder, nullptr, IDOK, folder},
        {L"x", L"", GivenFolder, IDCANCEL, L""}};
    for (const auto& row : rows) {
        auto watched = std::async(std::launch::async, PressOnDialog, GetCurrentThreadId(), row.button);
        CString chosen = Cm_SelectedFolder(nullptr, row.prompt, row.initial, LONG_PTR(row.callback));
        std::vector<std::wstring> texts = watched.get();
        auto shows = [&](const std::wstring& text) { return std::count(texts.begin(), texts.end(), text) > 0; };
        const std::wstring prompt = row.prompt.IsEmpty() ? ours : row.prompt.GetString();
        EXPECT_TRUE(shows(prompt) && (prompt == ours || !shows(ours))) << "no dialog or prompt: " << row.prompt;
        EXPECT_TRUE(row.chosen.empty() || shows(row.chosen)) << "the status does not show " << row.chosen;
        EXPECT_EQ(chosen, row.chosen.c_str());
    }
    EXPECT_EQ(given, documents + std::wstring(L"\\"));
    CoUninitialize();
    RemoveDirectoryW(folder);
}
