// Listing one folder with exclusion masks, and walking a folder tree with its counts and sizes.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cstring_print.h"
#include "import_patch.h"
#include "scratch_folder.h"

namespace {

std::vector<std::wstring> Entries(const CStringList& list, bool sorted = false) {
    std::vector<std::wstring> entries;
    for (POSITION at = list.GetHeadPosition(); at;) entries.push_back(list.GetNext(at).GetString());
    if (sorted) std::sort(entries.begin(), entries.end());
    return entries;
}

// a.txt, b.log, hidden c.txt, system d.txt, folder sub, hidden folder secret.
class SearchFolderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        scratch.WriteFile(L"a.txt", "aaaa");
        scratch.WriteFile(L"b.log", "bb");
        SetFileAttributesW(scratch.WriteFile(L"c.txt", "c").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesW(scratch.WriteFile(L"d.txt", "d").c_str(), FILE_ATTRIBUTE_SYSTEM);
        CreateDirectoryW((scratch / L"sub").c_str(), nullptr);
        CreateDirectoryW((scratch / L"secret").c_str(), nullptr);
        SetFileAttributesW((scratch / L"secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
    ScratchFolder scratch;
};

TEST_F(SearchFolderFixture, HiddenAndSystemLeftOutFoldersOnRequest) {
    const struct { const wchar_t* folder; const wchar_t* mask; BOOL folders; std::vector<std::wstring> names; } rows[] = {
        {L"", L"*.txt", FALSE, {L"a.txt"}},
        {L"", L"*.*", TRUE, {L".", L"..", L"a.txt", L"b.log", L"sub"}},
        {L"", L"*.*", FALSE, {L"a.txt", L"b.log"}},
        {L"\\", L"b.*", FALSE, {L"b.log"}},  // the trailing backslash is not doubled
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::wstring(row.mask) + (row.folders ? L" with folders" : L"") + L" below" + row.folder);
        CStringList list;
        EXPECT_TRUE(Cm_FileSearch((scratch.Path() + row.folder).c_str(), row.mask, &list, row.folders));
        std::vector<std::wstring> expected;
        for (const auto& name : row.names) expected.push_back(scratch / name);
        EXPECT_EQ(Entries(list, true), expected);
    }
}

TEST_F(SearchFolderFixture, AppendsInListingOrderAfterWhatIsThere) {
    std::vector<std::wstring> listed = {L"kept"};
    struct _wfinddata_t entry;
    intptr_t find = _wfindfirst((scratch / L"*").c_str(), &entry);
    ASSERT_NE(find, -1);
    do {
        if (!(entry.attrib & (_A_HIDDEN | _A_SYSTEM | _A_SUBDIR))) listed.push_back(scratch / entry.name);
    } while (_wfindnext(find, &entry) == 0);
    _findclose(find);

    CStringList list;
    list.AddTail(CString(L"kept"));
    EXPECT_TRUE(Cm_FileSearch(scratch.Path().c_str(), L"*", &list, FALSE));
    EXPECT_EQ(Entries(list), listed);
    // Nothing appended gives FALSE.
    EXPECT_FALSE(Cm_FileSearch(scratch.Path().c_str(), L"*.none", &list, TRUE));
    EXPECT_FALSE(Cm_FileSearch((scratch / L"missing").c_str(), L"*.*", &list, TRUE));
    EXPECT_FALSE(Cm_FileSearch(scratch.Path().c_str(), L"c.txt", &list, TRUE));  // only a hidden match
    EXPECT_EQ(Entries(list), listed);
}

__int64 StorageOf(const std::wstring& path) {
    DWORD high = 0;
    DWORD low = GetCompressedFileSizeW(path.c_str(), &high);
    return (static_cast<__int64>(high) << 32) | low;
}

struct Walk {
    DWORD files = 0, folders = 0;
    __int64 bytes = 0;
    Walk& Over(const std::wstring& root) {
        Cm_SearchFolder(CString(root.c_str()), &files, &folders, &bytes);
        return *this;
    }
};

TEST(SearchFolder, CountsEveryFileAndFolderHiddenIncludedAndAddsToTheTotals) {
    // Two files (one hidden) and sub holding three files and an empty folder.
    ScratchFolder scratch;
    std::vector<std::wstring> files = {scratch.WriteFile(L"one.txt", std::string(5000, '1')),
                                       scratch.WriteFile(L"two.txt", "22")};
    SetFileAttributesW(files.back().c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryW((scratch / L"sub").c_str(), nullptr);
    CreateDirectoryW((scratch / L"sub\\empty").c_str(), nullptr);
    for (const wchar_t* name : {L"sub\\x.bin", L"sub\\y.bin", L"sub\\z.bin"})
        files.push_back(scratch.WriteFile(name, std::string(100, 'z')));
    __int64 storage = 0;
    for (const auto& file : files) storage += StorageOf(file);

    Walk walk;
    walk.Over(scratch.Path());
    EXPECT_EQ(walk.files, 5u);
    EXPECT_EQ(walk.folders, 2u);
    EXPECT_EQ(walk.bytes, storage);
    EXPECT_GE(walk.bytes, 5000 + 2 + 300);
    walk.Over(scratch.Path());
    EXPECT_EQ(walk.files, 10u);
    EXPECT_EQ(walk.folders, 4u);
    EXPECT_EQ(walk.bytes, 2 * storage);

    Walk missing = {7, 8, 9};
    missing.Over(scratch / L"missing");
    EXPECT_EQ(missing.files, 7u);
    EXPECT_EQ(missing.folders, 8u);
    EXPECT_EQ(missing.bytes, 9);
}

TEST(SearchFolder, SparseFilesCountTheStorageTheShellReports) {
    ScratchFolder scratch;
    std::wstring path = scratch / L"sparse.bin";
    ASSERT_TRUE(MakeSparseFile(path, 6LL << 30));
    // Windows gives the allocated size (almost nothing); Wine the full 6 GiB, high part included.
    Walk walk = Walk().Over(scratch.Path());
    EXPECT_EQ(walk.bytes, StorageOf(path));
    EXPECT_EQ(walk.files, 1u);
}

// Storage sizes as a compressing file system would report them, in front of the library's
// GetCompressedFileSizeW: "packed" files occupy 4 MiB, "locked" ones cannot be asked.
DWORD WINAPI ReportStorage(LPCWSTR path, LPDWORD high) {
    *high = 0;
    if (wcsstr(path, L"locked")) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_FILE_SIZE;
    }
    return wcsstr(path, L"packed") ? 4u << 20 : GetCompressedFileSizeW(path, high);
}

TEST(SearchFolder, CompressedFilesCountTheirStorageAndUnreadableOnesNothing) {
    ScratchFolder scratch;
    scratch.WriteFile(L"packed.bin", std::string(10 << 20, 'p'));
    scratch.WriteFile(L"locked.bin", "locked");
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "GetCompressedFileSizeW",
                      reinterpret_cast<void*>(&ReportStorage));
    ASSERT_TRUE(patch.Applied());
    Walk walk = Walk().Over(scratch.Path());
    EXPECT_EQ(walk.bytes, 4LL << 20) << "not the 10 MB listed";
    EXPECT_EQ(walk.files, 2u) << "the unreadable file is counted all the same";
}

TEST(SearchFolder, AGenuineLowPartOf0xFFFFFFFFIsNotAFailure) {
    ScratchFolder scratch;
    std::wstring path = scratch / L"edge.bin";
    ASSERT_TRUE(MakeSparseFile(path, 0x1FFFFFFFFLL));
    DWORD high = 0;
    SetLastError(0);
    if (GetCompressedFileSizeW(path.c_str(), &high) != INVALID_FILE_SIZE)
        GTEST_SKIP() << "the storage size of this file has another low part";
    Walk walk = Walk().Over(scratch.Path());
    EXPECT_EQ(walk.bytes, 0x1FFFFFFFFLL);  // the listed size stands in
    EXPECT_EQ(walk.files, 1u);
}

TEST(SearchFolder, ALinkBackToAnAncestorIsCountedNotWalked) {
    ScratchFolder scratch;
    scratch.WriteFile(L"f.txt", "f");
    std::wstring link = scratch / L"loop";
    // Wine answers TRUE without making anything: look for the link itself.
    if (!CreateSymbolicLinkW(link.c_str(), scratch.Path().c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY) ||
        GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES)
        GTEST_SKIP() << "folder links cannot be made here (error " << GetLastError() << ")";
    Walk walk = Walk().Over(scratch.Path());
    EXPECT_EQ(walk.files, 1u);
    EXPECT_EQ(walk.folders, 1u);
    RemoveDirectoryW(link.c_str());
}

}  // namespace
