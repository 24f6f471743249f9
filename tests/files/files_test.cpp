// Single files, paths, temporary names and folder listings against the real file system.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <algorithm>
#include "import_patch.h"
#include "scratch_folder.h"
#include "system_text_for_test.h"
#include "temp_variables.h"

bool Missing(const std::wstring& path) { return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES; }
// A rename moves but never replaces; sizes beyond 4 GiB and of files held open for writing; the space of the path's
// drive only; times set are the kernel's UTC instants, and one beyond 2038 fails the read and leaves the record.
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
    for (const auto& row : sizes) EXPECT_EQ(Cm_GetFileSize(row.path.c_str()), row.size) << row.path;
    CloseHandle(writer);
    ULARGE_INTEGER free, total;
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:", &free, &total, nullptr));
    const wchar_t* deep = L"c:\\any\\path\\that\\does\\not\\exist";
    EXPECT_EQ(Cm_GetDispTotalSpace(deep), LONGLONG(total.QuadPart));
    EXPECT_NEAR(double(Cm_GetDispFreeSpace(deep)), double(free.QuadPart), 256.0 * 1024 * 1024) << "others write";
    wchar_t absent[] = L"Z:\\folder";
    while (GetLogicalDrives() & (1u << (absent[0] - L'A'))) --absent[0];
    EXPECT_TRUE(Cm_GetDispFreeSpace(absent) == -1 && Cm_GetDispTotalSpace(absent) == -1) << absent;

    struct _stat32i64 info = {};
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(Cm_SetFileTime((a = s.WriteFile(L"dated.txt", "12345")).c_str(), 1000000000, 1234567890));
    ASSERT_TRUE(Cm_GetFileInfo(a.c_str(), &info) && GetFileAttributesExW(a.c_str(), GetFileExInfoStandard, &data));
    EXPECT_TRUE(info.st_atime == 1000000000 && info.st_mtime == 1234567890 && info.st_size == 5 && info.st_mode & _S_IFREG);
    EXPECT_EQ(Cm_GetFileLtTime(a.c_str()), 1234567890);
    EXPECT_EQ((LONGLONG(data.ftLastWriteTime.dwHighDateTime) << 32 | data.ftLastWriteTime.dwLowDateTime) / 10000000,
              1234567890 + 11644473600LL);
    const FILETIME y2040 = {0xAC9CC000, 0x01EC2C81};
    for (bool access : {true, false}) {  // Wine keeps no creation time to set
        HANDLE file = CreateFileW(s.WriteFile(L"late", "x").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, 0);
        ASSERT_TRUE(SetFileTime(file, nullptr, access ? &y2040 : nullptr, access ? nullptr : &y2040) && CloseHandle(file));
        EXPECT_TRUE(!Cm_GetFileInfo((s / L"late").c_str(), &info) && !Cm_GetFileLtTime((s / L"late").c_str())) << access;
        EXPECT_EQ(info.st_size, 5) << access;
    }
    EXPECT_FALSE(Cm_GetFileInfo(L"C:\\missing", &info) || Cm_SetFileTime(L"C:\\missing", 1, 2));
}
// Existence, a folder (exactly TRUE) and deletion; a failure shows the error box only on request.
TEST(PathChecks, AnswerAndReportOnRequest) {
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
}
// In-place surgery and lookups: the answer (an offset into the buffer, -1 for none, or the BOOL), the text left.
ptrdiff_t Add(wchar_t* p) { LPWSTR end = Cm_PathAddBackslash(p); return end ? end - p : -1; }
ptrdiff_t Strip(wchar_t* p) { return Cm_StripPath(p), 0; }
ptrdiff_t RemoveSpec(wchar_t* p) { return Cm_RemoveFileSpec(p); }
ptrdiff_t RemoveExtension(wchar_t* p) { return Cm_RemoveExtension(p), 0; }
ptrdiff_t Extension(wchar_t* p) { return Cm_GetExtension(p) - p; }
ptrdiff_t FileName(wchar_t* p) { return Cm_GetFileName(p) - p; }
ptrdiff_t Unc(wchar_t* p) { return Cm_CheckUNC(p); }
TEST(PathSurgery, EditsInPlaceAndPointsIntoTheArgument) {
    const std::wstring fits(MAX_PATH - 2, L'a'), full(MAX_PATH - 1, L'a');  // full leaves no room for a backslash
    const struct { ptrdiff_t (*op)(wchar_t*); std::wstring before, after; ptrdiff_t answer; } rows[] = {
        {Add, L"", L"", 0}, {Add, L"C:\\Data", L"C:\\Data\\", 8}, {Add, fits, fits + L"\\", MAX_PATH - 1},
        {Add, full, full, -1}, {Add, fits + L"\\", fits + L"\\", MAX_PATH - 1}, {Strip, L"C:\\a\\b.txt", L"b.txt", 0},
        {RemoveSpec, L"C:\\a\\b.txt", L"C:\\a", TRUE}, {RemoveSpec, L"C:\\", L"C:\\", FALSE},
        {RemoveExtension, L"C:\\a.d\\x.tar.gz", L"C:\\a.d\\x.tar", 0}, {Extension, L"x.tar.gz", L"x.tar.gz", 5},
        {Extension, L"C:\\a.d\\x", L"C:\\a.d\\x", 8}, {FileName, L"C:\\a\\b.txt", L"C:\\a\\b.txt", 5},
        {Unc, L"\\\\server\\share\\b.txt", L"\\\\server\\share\\b.txt", TRUE}, {Unc, L"C:\\a", L"C:\\a", FALSE}};
    for (const auto& row : rows) {
        wchar_t path[MAX_PATH + 1];  // a unit to spare for a NUL written one past MAX_PATH
        lstrcpyW(path, row.before.c_str());
        EXPECT_EQ(row.op(path), row.answer) << row.before;
        EXPECT_EQ(path, row.after) << row.before;
    }
}
// References expanded, unknown ones kept, an overflow not passed through; a leading system folder folded back.
TEST(EnvironmentPaths, ExpandAndUnExpand) {
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZC_J", L"\x65E5\x672C"));
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZC_V", std::wstring(400, L'v').c_str()));
    EXPECT_EQ(Cm_ExpandEnvironmentStrings(L"C:\\%ZC_J%\\%ZC_UNDEFINED%"), L"C:\\\x65E5\x672C\\%ZC_UNDEFINED%");
    CString cut = Cm_ExpandEnvironmentStrings(L"%ZC_V%%ZC_V%");
    EXPECT_TRUE(cut.GetLength() < 512 && cut.Find(L'%') < 0) << "what the system left there";
    wchar_t path[MAX_PATH];
    lstrcatW(path + GetSystemDirectoryW(path, MAX_PATH), L"\\kernel32.dll");
    EXPECT_TRUE(Cm_PathUnExpandEnvStrings(path)[0] == L'%' && Cm_PathUnExpandEnvStrings(path).Find(L"32\\kernel32") > 0);
    EXPECT_EQ(Cm_PathUnExpandEnvStrings(L"Q:\\nowhere\\file"), L"Q:\\nowhere\\file");
}
// The temporary folder and two distinct, empty "zto*.tmp" files in it; a failure is shown, the buffer kept.
TEST(TempNames, FolderFilesAndFailuresShown) {
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
        lstrcpyW(buffer, L"untouched");
        TempVariables temp(row.temp);
        MessageBoxWatcher watcher;
        EXPECT_FALSE(row.call(buffer)) << row.temp;
        SeenMessageBox box = watcher.Finish(1000);
        // Windows reports the buffer overflow (111), Wine the name too long (206): either is shown.
        EXPECT_TRUE(box.caption == L"Error Message" && box.text.rfind(L"[Error:", 0) == 0 && box.text[7] != L'0') << box.text;
        EXPECT_TRUE(row.call == &Cm_GetTempFileName || lstrcmpW(buffer, L"untouched") == 0) << buffer;
    }
}
// Hidden and system entries left out, folders on request, appended after what the list held; none appended is FALSE.
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
}
__int64 StorageOf(const std::wstring& path) {
    DWORD high = 0, low = GetCompressedFileSizeW(path.c_str(), &high);
    return LONGLONG(high) << 32 | low;
}
// Storage as a compressing file system would report it in front of the walk: "packed" files 4 MiB, "locked"
// ones cannot be asked.
DWORD WINAPI ReportStorage(LPCWSTR path, LPDWORD high) {
    if (wcsstr(path, L"locked")) return SetLastError(ERROR_ACCESS_DENIED), *high = 0, INVALID_FILE_SIZE;
    return wcsstr(path, L"packed") ? (*high = 0, 4u << 20) : GetCompressedFileSizeW(path, high);
}
// Every file and folder below counted, hidden ones too, with the storage the files occupy (an unreadable one
// none, a genuine low part of 0xFFFFFFFF the listed size), added to what the totals held.
TEST(SearchFolder, CountsFilesFoldersAndTheirStorage) {
    ScratchFolder s;
    SetFileAttributesW(s.WriteFile(L"hidden.txt", std::string(5000, 'h')).c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW((s / L"sub").c_str(), nullptr), CreateDirectoryW((s / L"sub\\empty").c_str(), nullptr);
    s.WriteFile(L"sub\\packed.bin", "packed"), s.WriteFile(L"sub\\locked.bin", "locked");
    // Windows gives a sparse file's allocated size; Wine the full size, here a low part of 0xFFFFFFFF.
    ASSERT_TRUE(MakeSparseFile(s / L"sub\\edge.bin", 0x1FFFFFFFFLL));
    const __int64 storage = StorageOf(s / L"hidden.txt") + StorageOf(s / L"sub\\edge.bin") + (4 << 20);
    DWORD files = 7, folders = 8;
    __int64 bytes = 9;
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "GetCompressedFileSizeW", (void*)&ReportStorage);
    ASSERT_TRUE(patch.Applied());
    Cm_SearchFolder(CString(s.Path().c_str()), &files, &folders, &bytes);
    Cm_SearchFolder(CString((s / L"missing").c_str()), &files, &folders, &bytes);
    EXPECT_EQ(files, 7u + 4);
    EXPECT_EQ(folders, 8u + 2);
    EXPECT_EQ(bytes, 9 + storage);
}
