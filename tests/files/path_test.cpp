// Existence checks with their error reports, in-place path surgery, environment references and
// temporary names.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <string>

#include "message_box_watcher.h"
#include "scratch_folder.h"

namespace {

std::wstring SystemText(DWORD code) {
    LPWSTR text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr,
                   code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    std::wstring result = text ? text : L"";
    LocalFree(text);
    return result;
}

void ExpectFileNotFoundBox(const SeenMessageBox& box) {
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, L"Error Message");
    EXPECT_EQ(box.text, L"[Error:2] " + SystemText(2));
    EXPECT_EQ(box.style, UINT(MB_OK | MB_ICONINFORMATION));
}

TEST(PathChecks, TellFilesFromFolders) {
    ScratchFolder scratch;
    std::wstring file = scratch.WriteFile(L"a.txt", "x");
    EXPECT_TRUE(Cm_FileExistCheck(scratch.Path().c_str(), FALSE));
    EXPECT_TRUE(Cm_FileExistCheck(file.c_str(), FALSE));
    EXPECT_TRUE(Cm_CheckDirectory(scratch.Path().c_str(), FALSE));
    EXPECT_EQ(Cm_CheckDirectory(file.c_str(), FALSE), FALSE);
    EXPECT_EQ(Cm_CheckDirectory(scratch.Path().c_str(), FALSE), TRUE);  // exactly 1, not the attribute
}

TEST(PathChecks, FailuresAreSilentWithoutTheReportFlag) {
    ScratchFolder scratch;
    std::wstring missing = scratch / L"missing.txt";
    MessageBoxWatcher watcher;
    EXPECT_FALSE(Cm_FileExistCheck(missing.c_str(), FALSE));
    EXPECT_FALSE(Cm_CheckDirectory(missing.c_str(), FALSE));
    EXPECT_FALSE(Cm_RemoveFile(missing.c_str(), FALSE));
    EXPECT_FALSE(watcher.Finish(200).found);
}

TEST(PathChecks, RemoveFileReportsAMissingFile) {
    ScratchFolder scratch;
    std::wstring missing = scratch / L"missing.txt";
    MessageBoxWatcher watcher;
    EXPECT_FALSE(Cm_RemoveFile(missing.c_str(), TRUE));
    ExpectFileNotFoundBox(watcher.Finish());
}

TEST(PathChecks, ExistCheckReportsAMissingFile) {
    ScratchFolder scratch;
    std::wstring missing = scratch / L"missing.txt";
    MessageBoxWatcher watcher;
    EXPECT_FALSE(Cm_FileExistCheck(missing.c_str(), TRUE));
    ExpectFileNotFoundBox(watcher.Finish());
}

TEST(PathChecks, RemoveFileDeletesWithoutAReport) {
    ScratchFolder scratch;
    std::wstring file = scratch.WriteFile(L"gone.txt", "x");
    MessageBoxWatcher watcher;
    EXPECT_TRUE(Cm_RemoveFile(file.c_str(), TRUE));
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(watcher.Finish(100).found);
}

TEST(PathSurgery, AddBackslashOnlyWhereOneIsMissing) {
    wchar_t path[MAX_PATH] = L"";
    EXPECT_EQ(Cm_PathAddBackslash(path), path);
    EXPECT_STREQ(path, L"");
    lstrcpyW(path, L"C:\\Data");
    EXPECT_EQ(Cm_PathAddBackslash(path), path + 8);
    EXPECT_STREQ(path, L"C:\\Data\\");
    EXPECT_EQ(Cm_PathAddBackslash(path), path + 8);
    EXPECT_STREQ(path, L"C:\\Data\\");
}

TEST(PathSurgery, AddBackslashRefusesAFullBuffer) {
    wchar_t path[MAX_PATH + 1];
    std::wstring fits(MAX_PATH - 2, L'a');  // 258 units: the backslash and the NUL still fit
    lstrcpyW(path, fits.c_str());
    ASSERT_NE(Cm_PathAddBackslash(path), nullptr);
    EXPECT_EQ(lstrlenW(path), MAX_PATH - 1);
    std::wstring full(MAX_PATH - 1, L'a');
    lstrcpyW(path, full.c_str());
    EXPECT_EQ(Cm_PathAddBackslash(path), nullptr);
    EXPECT_EQ(std::wstring(path), full);
}

TEST(PathSurgery, UncForms) {
    EXPECT_TRUE(Cm_CheckUNC(L"\\\\server\\share"));
    EXPECT_TRUE(Cm_CheckUNC(L"\\\\server\\share\\folder\\file.txt"));
    EXPECT_TRUE(Cm_CheckUNC(L"\\\\?\\UNC\\server\\share"));
    EXPECT_FALSE(Cm_CheckUNC(L"C:\\Data"));
    EXPECT_FALSE(Cm_CheckUNC(L"relative\\path"));
}

TEST(PathSurgery, StripRemoveAndCut) {
    wchar_t path[MAX_PATH] = L"C:\\Data\\report.txt";
    Cm_StripPath(path);
    EXPECT_STREQ(path, L"report.txt");
    lstrcpyW(path, L"C:\\Data\\Sub\\");
    Cm_StripPath(path);
    EXPECT_STREQ(path, L"Sub\\");

    lstrcpyW(path, L"C:\\Data\\report.txt");
    EXPECT_TRUE(Cm_RemoveFileSpec(path));
    EXPECT_STREQ(path, L"C:\\Data");
    EXPECT_TRUE(Cm_RemoveFileSpec(path));
    EXPECT_STREQ(path, L"C:\\");
    EXPECT_FALSE(Cm_RemoveFileSpec(path));
    EXPECT_STREQ(path, L"C:\\");

    lstrcpyW(path, L"C:\\Data.dir\\archive.tar.gz");
    Cm_RemoveExtension(path);
    EXPECT_STREQ(path, L"C:\\Data.dir\\archive.tar");
    lstrcpyW(path, L"C:\\Data.dir\\file");
    Cm_RemoveExtension(path);
    EXPECT_STREQ(path, L"C:\\Data.dir\\file");
}

TEST(PathSurgery, PointersIntoTheArgument) {
    const wchar_t noExtension[] = L"C:\\Data.dir\\file";
    EXPECT_EQ(Cm_GetExtension(noExtension), noExtension + lstrlenW(noExtension));
    const wchar_t archive[] = L"archive.tar.gz";
    EXPECT_EQ(Cm_GetExtension(archive), archive + 11);
    const wchar_t full[] = L"C:\\Data\\report.txt";
    EXPECT_EQ(Cm_GetFileName(full), full + 8);
    const wchar_t bare[] = L"report.txt";
    EXPECT_EQ(Cm_GetFileName(bare), bare);
}

TEST(EnvironmentPaths, ExpandReplacesKnownReferencesOnly) {
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZC_FILES_TEST", L"\x65E5\x672C"));
    EXPECT_STREQ(Cm_ExpandEnvironmentStrings(L"no references").GetString(), L"no references");
    EXPECT_STREQ(Cm_ExpandEnvironmentStrings(L"C:\\%ZC_FILES_TEST%\\x").GetString(), L"C:\\\x65E5\x672C\\x");
    EXPECT_STREQ(Cm_ExpandEnvironmentStrings(L"%ZC_UNDEFINED_NAME%\\x").GetString(), L"%ZC_UNDEFINED_NAME%\\x");
    SetEnvironmentVariableW(L"ZC_FILES_TEST", nullptr);
}

TEST(EnvironmentPaths, ExpansionBeyondTheWorkAreaStaysWithinIt) {
    std::wstring value(400, L'v');
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZC_FILES_LONG", value.c_str()));
    CString expanded = Cm_ExpandEnvironmentStrings(L"%ZC_FILES_LONG%%ZC_FILES_LONG%");
    EXPECT_LT(expanded.GetLength(), 512);
    SetEnvironmentVariableW(L"ZC_FILES_LONG", nullptr);
}

TEST(EnvironmentPaths, UnExpandNamesTheLeadingFolder) {
    wchar_t root[MAX_PATH];
    ASSERT_TRUE(GetEnvironmentVariableW(L"SystemRoot", root, MAX_PATH));
    std::wstring path = std::wstring(root) + L"\\system32\\kernel32.dll";
    std::wstring unexpanded = Cm_PathUnExpandEnvStrings(path.c_str()).GetString();
    // Windows keeps the separator after the variable; Wine's shlwapi swallows it.
    EXPECT_EQ(unexpanded.rfind(L"%", 0), 0u) << unexpanded;
    EXPECT_EQ(unexpanded.substr(unexpanded.size() - 21), L"system32\\kernel32.dll");
    EXPECT_STREQ(Cm_PathUnExpandEnvStrings(L"Q:\\nowhere\\file").GetString(), L"Q:\\nowhere\\file");
}

TEST(TempNames, TempPathEndsInABackslash) {
    wchar_t expected[MAX_PATH];
    GetTempPathW(MAX_PATH, expected);
    wchar_t buffer[MAX_PATH] = L"";
    ASSERT_TRUE(Cm_GetTempPathName(buffer));
    EXPECT_STREQ(buffer, expected);
    EXPECT_EQ(buffer[lstrlenW(buffer) - 1], L'\\');
}

TEST(TempNames, EachTempFileIsNewEmptyAndReserved) {
    wchar_t directory[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    wchar_t first[MAX_PATH] = L"", second[MAX_PATH] = L"";
    ASSERT_TRUE(Cm_GetTempFileName(first));
    ASSERT_TRUE(Cm_GetTempFileName(second));
    EXPECT_STRNE(first, second);
    for (const wchar_t* name : {first, second}) {
        std::wstring path = name;
        EXPECT_EQ(path.rfind(std::wstring(directory) + L"zto", 0), 0u) << path;
        EXPECT_EQ(path.substr(path.size() - 4), L".tmp");
        EXPECT_EQ(Cm_GetFileSize(name), 0);
        EXPECT_TRUE(DeleteFileW(name));
    }
}

TEST(TempNames, AMissingTempDirectoryIsShownAndLeavesTheBuffer) {
    wchar_t saved[MAX_PATH];
    DWORD had = GetEnvironmentVariableW(L"TMP", saved, MAX_PATH);
    wchar_t savedTemp[MAX_PATH];
    DWORD hadTemp = GetEnvironmentVariableW(L"TEMP", savedTemp, MAX_PATH);
    std::wstring tooLong = L"C:\\" + std::wstring(300, L'x');
    SetEnvironmentVariableW(L"TMP", tooLong.c_str());
    SetEnvironmentVariableW(L"TEMP", tooLong.c_str());

    wchar_t buffer[MAX_PATH] = L"untouched";
    MessageBoxWatcher watcher;
    BOOL ok = Cm_GetTempPathName(buffer);
    SeenMessageBox box = watcher.Finish(1000);
    SetEnvironmentVariableW(L"TMP", had ? saved : nullptr);
    SetEnvironmentVariableW(L"TEMP", hadTemp ? savedTemp : nullptr);

    EXPECT_FALSE(ok);
    EXPECT_STREQ(buffer, L"untouched");
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, L"Error Message");
    // Windows reports the buffer overflow (111), Wine the name too long (206): either is shown.
    EXPECT_EQ(box.text.rfind(L"[Error:", 0), 0u) << box.text;
    EXPECT_EQ(box.text.rfind(L"[Error:0]", 0), std::wstring::npos) << box.text;
}

}  // namespace
