// Renames, 64-bit sizes, disk space and the runtime's 32-bit file times.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <string>

#include "scratch_folder.h"

namespace {

TEST(RenameDir, MovesFilesAndFoldersWithoutReplacing) {
    ScratchFolder scratch;
    std::wstring a = scratch.WriteFile(L"a.txt", "first"), b = scratch.WriteFile(L"b.txt", "second");
    EXPECT_FALSE(Cm_RenameDir(a.c_str(), b.c_str()));
    EXPECT_EQ(ReadFileBytes(a), "first");
    EXPECT_EQ(ReadFileBytes(b), "second");
    EXPECT_TRUE(Cm_RenameDir(a.c_str(), (scratch / L"c.txt").c_str()));
    EXPECT_EQ(ReadFileBytes(scratch / L"c.txt"), "first");
    EXPECT_EQ(GetFileAttributesW(a.c_str()), INVALID_FILE_ATTRIBUTES);

    ASSERT_TRUE(CreateDirectoryW((scratch / L"old").c_str(), nullptr));
    EXPECT_TRUE(Cm_RenameDir((scratch / L"old").c_str(), (scratch / L"new").c_str()));
    EXPECT_TRUE(Cm_CheckDirectory((scratch / L"new").c_str(), FALSE));
    EXPECT_FALSE(Cm_RenameDir((scratch / L"none").c_str(), (scratch / L"other").c_str()));
}

TEST(FileSize, SmallBusyMissingFolderAndBeyond4GiB) {
    ScratchFolder scratch;
    EXPECT_EQ(Cm_GetFileSize(scratch.WriteFile(L"ten.bin", "0123456789").c_str()), 10);
    EXPECT_EQ(Cm_GetFileSize(scratch.WriteFile(L"empty.bin", "").c_str()), 0);
    EXPECT_EQ(Cm_GetFileSize((scratch / L"missing.bin").c_str()), -1);
    EXPECT_EQ(Cm_GetFileSize(scratch.Path().c_str()), -1);

    // Held open for writing by someone who lets nobody read: only an open without data access,
    // as the size query needs, still gets through.
    std::wstring busy = scratch / L"busy.bin";
    HANDLE writer = CreateFileW(busy.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(writer, "abcdef", 6, &written, nullptr);
    EXPECT_EQ(Cm_GetFileSize(busy.c_str()), 6);
    CloseHandle(writer);

    const __int64 beyond4GiB = (5LL << 30) + 123;
    std::wstring big = scratch / L"big.bin";
    ASSERT_TRUE(MakeSparseFile(big, beyond4GiB));
    EXPECT_EQ(Cm_GetFileSize(big.c_str()), beyond4GiB);
    struct _stat32i64 info = {};
    ASSERT_TRUE(Cm_GetFileInfo(big.c_str(), &info));
    EXPECT_EQ(info.st_size, beyond4GiB);
}

TEST(DiskSpace, OnlyTheDriveOfThePathCounts) {
    ULARGE_INTEGER callerFree, total, totalFree;
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:", &callerFree, &total, &totalFree));
    const wchar_t* deep = L"C:\\any\\path\\that\\does\\not\\exist";
    __int64 free = Cm_GetDispFreeSpace(deep);
    EXPECT_EQ(Cm_GetDispTotalSpace(deep), static_cast<__int64>(total.QuadPart));
    EXPECT_EQ(Cm_GetDispTotalSpace(L"c:\\"), static_cast<__int64>(total.QuadPart));
    EXPECT_GT(free, 0);
    EXPECT_LE(free, static_cast<__int64>(total.QuadPart));
    // Other processes write to the same disk: allow for a little movement.
    EXPECT_NEAR(static_cast<double>(free), static_cast<double>(callerFree.QuadPart), 256.0 * 1024 * 1024);

    DWORD drives = GetLogicalDrives();
    for (wchar_t letter = L'Q'; letter <= L'Y'; ++letter) {
        if (drives & (1u << (letter - L'A'))) continue;
        std::wstring absent = std::wstring(1, letter) + L":\\folder";
        EXPECT_EQ(Cm_GetDispFreeSpace(absent.c_str()), -1) << absent;
        EXPECT_EQ(Cm_GetDispTotalSpace(absent.c_str()), -1) << absent;
        break;
    }
}

TEST(FileTimes, SetThenReadBack) {
    ScratchFolder scratch;
    std::wstring path = scratch.WriteFile(L"dated.txt", "12345");
    const __time32_t access = 1000000000;        // 2001-09-09 01:46:40 UTC
    const __time32_t modification = 1234567890;  // 2009-02-13 23:31:30 UTC
    ASSERT_TRUE(Cm_SetFileTime(path.c_str(), access, modification));
    EXPECT_EQ(Cm_GetFileLtTime(path.c_str()), modification);
    struct _stat32i64 info = {};
    ASSERT_TRUE(Cm_GetFileInfo(path.c_str(), &info));
    EXPECT_EQ(info.st_mtime, modification);
    EXPECT_EQ(info.st_atime, access);
    EXPECT_EQ(info.st_size, 5);
    EXPECT_TRUE(info.st_mode & _S_IFREG);

    // The same instant as the kernel sees it.
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
    ULARGE_INTEGER ticks = {{data.ftLastWriteTime.dwLowDateTime, data.ftLastWriteTime.dwHighDateTime}};
    EXPECT_EQ(static_cast<__int64>(ticks.QuadPart / 10000000ULL) - 11644473600LL, modification);
}

TEST(FileTimes, ATimeBeyond2038IsRefusedNotWrapped) {
    ScratchFolder scratch;
    std::wstring path = scratch.WriteFile(L"future.txt", "x");
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    ULARGE_INTEGER ticks;  // 2040-01-01 00:00:00 UTC in 100 ns ticks since 1601
    ticks.QuadPart = (2208988800ULL + 11644473600ULL) * 10000000ULL;
    FILETIME future = {ticks.LowPart, ticks.HighPart};
    ASSERT_TRUE(SetFileTime(file, nullptr, &future, &future));
    CloseHandle(file);
    struct _stat32i64 info = {};
    EXPECT_FALSE(Cm_GetFileInfo(path.c_str(), &info));
    EXPECT_EQ(Cm_GetFileLtTime(path.c_str()), 0);
}

TEST(FileTimes, FolderInfoAndMissingFiles) {
    ScratchFolder scratch;
    struct _stat32i64 info = {};
    ASSERT_TRUE(Cm_GetFileInfo(scratch.Path().c_str(), &info));
    EXPECT_TRUE(info.st_mode & _S_IFDIR);
    std::wstring missing = scratch / L"missing.txt";
    EXPECT_EQ(Cm_GetFileLtTime(missing.c_str()), 0);
    EXPECT_FALSE(Cm_SetFileTime(missing.c_str(), 1, 2));
    info.st_size = 77;
    EXPECT_FALSE(Cm_GetFileInfo(missing.c_str(), &info));
    EXPECT_EQ(info.st_size, 77);  // untouched
}

}  // namespace
