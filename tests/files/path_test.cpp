// Existence checks with their error reports, in-place path surgery, environment references and
// temporary names.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <string>

#include "message_box_watcher.h"
#include "scratch_folder.h"
#include "system_text_for_test.h"
#include "temp_variables.h"

namespace {

TEST(PathChecks, FilesFoldersAndSilentFailures) {
    ScratchFolder scratch;
    std::wstring file = scratch.WriteFile(L"a.txt", "x"), missing = scratch / L"missing.txt";
    MessageBoxWatcher watcher;
    EXPECT_TRUE(Cm_FileExistCheck(scratch.Path().c_str(), FALSE));
    EXPECT_TRUE(Cm_FileExistCheck(file.c_str(), FALSE));
    EXPECT_EQ(Cm_CheckDirectory(scratch.Path().c_str(), FALSE), TRUE);  // exactly 1, not the attribute
    EXPECT_FALSE(Cm_CheckDirectory(file.c_str(), FALSE));
    EXPECT_FALSE(Cm_FileExistCheck(missing.c_str(), FALSE));
    EXPECT_FALSE(Cm_CheckDirectory(missing.c_str(), FALSE));
    EXPECT_FALSE(Cm_RemoveFile(missing.c_str(), FALSE));
    EXPECT_TRUE(Cm_RemoveFile(file.c_str(), TRUE));  // a success is never reported
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(watcher.Finish(200).found);
}

TEST(PathChecks, AMissingFileIsReportedOnRequest) {
    ScratchFolder scratch;
    std::wstring missing = scratch / L"missing.txt";
    const struct {
        const char* name;
        BOOL (*check)(LPCWSTR, BOOL);
    } checks[] = {{"Cm_RemoveFile", &Cm_RemoveFile}, {"Cm_FileExistCheck", &Cm_FileExistCheck},
                  {"Cm_CheckDirectory", &Cm_CheckDirectory}};
    for (const auto& row : checks) {
        SCOPED_TRACE(row.name);
        MessageBoxWatcher watcher;
        EXPECT_FALSE(row.check(missing.c_str(), TRUE));
        EXPECT_EQ(watcher.Finish(), ErrorBoxOf(ERROR_FILE_NOT_FOUND));
    }
}

TEST(PathSurgery, AddBackslashOnlyWhereOneIsMissingAndFits) {
    wchar_t path[MAX_PATH + 1] = L"";
    EXPECT_EQ(Cm_PathAddBackslash(path), path);
    EXPECT_STREQ(path, L"");
    lstrcpyW(path, L"C:\\Data");
    for (int round = 0; round < 2; ++round) {  // the second call finds the backslash there
        EXPECT_EQ(Cm_PathAddBackslash(path), path + 8);
        EXPECT_STREQ(path, L"C:\\Data\\");
    }
    std::wstring fits(MAX_PATH - 2, L'a');  // 258 units: the backslash and the NUL still fit
    lstrcpyW(path, fits.c_str());
    ASSERT_NE(Cm_PathAddBackslash(path), nullptr);
    EXPECT_EQ(lstrlenW(path), MAX_PATH - 1);
    std::wstring full(MAX_PATH - 1, L'a');
    lstrcpyW(path, full.c_str());
    EXPECT_EQ(Cm_PathAddBackslash(path), nullptr);
    EXPECT_EQ(std::wstring(path), full);
    path[MAX_PATH - 2] = L'\\';  // as full, but ending in its backslash: nothing to append
    EXPECT_EQ(Cm_PathAddBackslash(path), path + MAX_PATH - 1);
    EXPECT_EQ(lstrlenW(path), MAX_PATH - 1);
}

TEST(PathSurgery, UncStripRemoveAndCut) {
    const wchar_t* uncs[] = {L"\\\\server\\share", L"\\\\server\\share\\folder\\file.txt", L"\\\\?\\UNC\\server\\share"};
    for (const wchar_t* unc : uncs) {
        EXPECT_TRUE(Cm_CheckUNC(unc)) << unc;
    }
    for (const wchar_t* local : {L"C:\\Data", L"relative\\path"}) {
        EXPECT_FALSE(Cm_CheckUNC(local)) << local;
    }

    enum Operation { Strip, RemoveSpec, RemoveExtension };
    const struct { Operation op; const wchar_t* before; const wchar_t* after; BOOL removed; } rows[] = {
        {Strip, L"C:\\Data\\report.txt", L"report.txt", TRUE},
        {Strip, L"C:\\Data\\Sub\\", L"Sub\\", TRUE},
        {RemoveSpec, L"C:\\Data\\report.txt", L"C:\\Data", TRUE},
        {RemoveSpec, L"C:\\Data", L"C:\\", TRUE},
        {RemoveSpec, L"C:\\", L"C:\\", FALSE},
        {RemoveExtension, L"C:\\Data.dir\\archive.tar.gz", L"C:\\Data.dir\\archive.tar", TRUE},
        {RemoveExtension, L"C:\\Data.dir\\file", L"C:\\Data.dir\\file", TRUE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.before);
        wchar_t path[MAX_PATH];
        lstrcpyW(path, row.before);
        if (row.op == Strip) Cm_StripPath(path);
        if (row.op == RemoveExtension) Cm_RemoveExtension(path);
        if (row.op == RemoveSpec) {
            EXPECT_EQ(Cm_RemoveFileSpec(path), row.removed);
        }
        EXPECT_STREQ(path, row.after);
    }
}

TEST(PathSurgery, PointersIntoTheArgument) {
    const wchar_t noExtension[] = L"C:\\Data.dir\\file", archive[] = L"archive.tar.gz";
    const wchar_t full[] = L"C:\\Data\\report.txt", bare[] = L"report.txt";
    EXPECT_EQ(Cm_GetExtension(noExtension), noExtension + lstrlenW(noExtension));
    EXPECT_EQ(Cm_GetExtension(archive), archive + 11);
    EXPECT_EQ(Cm_GetFileName(full), full + 8);
    EXPECT_EQ(Cm_GetFileName(bare), bare);
}

TEST(EnvironmentPaths, ExpandKnownReferencesWithinTheWorkArea) {
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZC_FILES_TEST", L"\x65E5\x672C"));
    ASSERT_TRUE(SetEnvironmentVariableW(L"ZC_FILES_LONG", std::wstring(400, L'v').c_str()));
    EXPECT_STREQ(Cm_ExpandEnvironmentStrings(L"no references").GetString(), L"no references");
    EXPECT_STREQ(Cm_ExpandEnvironmentStrings(L"C:\\%ZC_FILES_TEST%\\x").GetString(), L"C:\\\x65E5\x672C\\x");
    EXPECT_STREQ(Cm_ExpandEnvironmentStrings(L"%ZC_UNDEFINED_NAME%\\x").GetString(), L"%ZC_UNDEFINED_NAME%\\x");
    // Too long for the work area: what the system left there, not the text as given.
    CString cut = Cm_ExpandEnvironmentStrings(L"%ZC_FILES_LONG%%ZC_FILES_LONG%");
    EXPECT_LT(cut.GetLength(), 512);
    EXPECT_NE(cut, L"%ZC_FILES_LONG%%ZC_FILES_LONG%");
    SetEnvironmentVariableW(L"ZC_FILES_TEST", nullptr);
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

TEST(TempNames, TempPathAndNewEmptyReservedFiles) {
    wchar_t directory[MAX_PATH], buffer[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, directory);
    ASSERT_TRUE(Cm_GetTempPathName(buffer));
    EXPECT_STREQ(buffer, directory);

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
    wchar_t buffer[MAX_PATH] = L"untouched";
    SeenMessageBox box;
    BOOL ok;
    {
        TempVariables tooLong(L"C:\\" + std::wstring(300, L'x'));
        MessageBoxWatcher watcher;
        ok = Cm_GetTempPathName(buffer);
        box = watcher.Finish(1000);
    }
    EXPECT_FALSE(ok);
    EXPECT_STREQ(buffer, L"untouched");
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, L"Error Message");
    // Windows reports the buffer overflow (111), Wine the name too long (206): either is shown.
    EXPECT_EQ(box.text.rfind(L"[Error:", 0), 0u) << box.text;
    EXPECT_EQ(box.text.rfind(L"[Error:0]", 0), std::wstring::npos) << box.text;
}

TEST(TempNames, ATempFileThatCannotBeMadeIsShown) {
    wchar_t buffer[MAX_PATH] = L"";
    SeenMessageBox box;
    BOOL ok;
    {
        TempVariables missing(L"C:\\zc-no-such-folder");
        MessageBoxWatcher watcher;
        ok = Cm_GetTempFileName(buffer);
        box = watcher.Finish(1000);
    }
    EXPECT_FALSE(ok);
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, L"Error Message");
    EXPECT_EQ(box.text.rfind(L"[Error:", 0), 0u) << box.text;
    EXPECT_EQ(box.text.rfind(L"[Error:0]", 0), std::wstring::npos) << box.text;
}

}  // namespace
