// Renames, 64-bit sizes, disk space and the runtime's 32-bit file times.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <winioctl.h>

#include <string>

#include "scratch_folder.h"

namespace {

constexpr __int64 kBeyond4GiB = (5LL << 30) + 123;


std::wstring AbsentDrive() {
    DWORD drives = GetLogicalDrives();
    for (int letter = 'Q'; letter <= 'Y'; ++letter)
        if (!(drives & (1u << (letter - 'A')))) return std::wstring(1, wchar_t(letter)) + L":\\";
    return L"";
}

TEST(RenameDir, MovesFilesAndFoldersWithoutReplacing) {
    ScratchFolder scratch;
    std::wstring a = scratch.WriteFile(L"a.txt", "first");
    std::wstring b = scratch.WriteFile(L"b.txt", "second");
    EXPECT_FALSE(Cm_RenameDir(a.c_str(), b.c_str()));
    EXPECT_EQ(ReadFileBytes(a), "first");
    EXPECT_EQ(ReadFileBytes(b), "second");

    std::wstring c = scratch / L"c.txt";
    EXPECT_TRUE(Cm_RenameDir(a.c_str(), c.c_str()));
    EXPECT_EQ(ReadFileBytes(c), "first");
    EXPECT_EQ(GetFileAttributesW(a.c_str()), INVALID_FILE_ATTRIBUTES);

    std::wstring folder = scratch / L"old";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    std::wstring moved = scratch / L"new";
    EXPECT_TRUE(Cm_RenameDir(folder.c_str(), moved.c_str()));
    EXPECT_TRUE(Cm_CheckDirectory(moved.c_str(), FALSE));
    EXPECT_FALSE(Cm_RenameDir((scratch / L"none").c_str(), (scratch / L"other").c_str()));
}

TEST(FileSize, SmallMissingAndFolder) {
    ScratchFolder scratch;
    EXPECT_EQ(Cm_GetFileSize(scratch.WriteFile(L"ten.bin", "0123456789").c_str()), 10);
    EXPECT_EQ(Cm_GetFileSize(scratch.WriteFile(L"empty.bin", "").c_str()), 0);
    EXPECT_EQ(Cm_GetFileSize((scratch / L"missing.bin").c_str()), -1);
    EXPECT_EQ(Cm_GetFileSize(scratch.Path().c_str()), -1);
}

TEST(FileSize, FileHeldOpenForWritingByOthers) {
    ScratchFolder scratch;
    std::wstring path = scratch / L"busy.bin";
    HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(writer, "abcdef", 6, &written, nullptr);
    EXPECT_EQ(Cm_GetFileSize(path.c_str()), 6);
    CloseHandle(writer);
}

TEST(FileSize, SizesBeyond4GiB) {
    ScratchFolder scratch;
    std::wstring path = scratch / L"big.bin";
    ASSERT_TRUE(MakeSparseFile(path, kBeyond4GiB));
    EXPECT_EQ(Cm_GetFileSize(path.c_str()), kBeyond4GiB);
    struct _stat32i64 info = {};
    ASSERT_TRUE(Cm_GetFileInfo(path.c_str(), &info));
    EXPECT_EQ(info.st_size, kBeyond4GiB);
}

TEST(DiskSpace, OnlyTheDriveOfThePathCounts) {
    ULARGE_INTEGER callerFree, total, totalFree;
    ASSERT_TRUE(GetDiskFreeSpaceExW(L"C:", &callerFree, &total, &totalFree));
    __int64 free = Cm_GetDispFreeSpace(L"C:\\any\\path\\that\\does\\not\\exist");
    EXPECT_EQ(Cm_GetDispTotalSpace(L"C:\\any\\path\\that\\does\\not\\exist"), static_cast<__int64>(total.QuadPart));
    EXPECT_EQ(Cm_GetDispTotalSpace(L"c:\\"), static_cast<__int64>(total.QuadPart));
    EXPECT_GT(free, 0);
    EXPECT_LE(free, static_cast<__int64>(total.QuadPart));
    // Other processes write to the same disk: allow for a little movement.
    EXPECT_NEAR(static_cast<double>(free), static_cast<double>(callerFree.QuadPart), 256.0 * 1024 * 1024);
}

TEST(DiskSpace, AnAbsentDriveGivesMinusOne) {
    std::wstring drive = AbsentDrive();
    if (drive.empty()) GTEST_SKIP() << "every drive letter from Q: to Y: is in use";
    EXPECT_EQ(Cm_GetDispFreeSpace((drive + L"folder").c_str()), -1);
    EXPECT_EQ(Cm_GetDispTotalSpace((drive + L"folder").c_str()), -1);
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
    HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME written;
    GetFileTime(file, nullptr, nullptr, &written);
    CloseHandle(file);
    ULARGE_INTEGER ticks = {{written.dwLowDateTime, written.dwHighDateTime}};
    EXPECT_EQ(static_cast<__int64>(ticks.QuadPart / 10000000ULL) - 11644473600LL, modification);
}

TEST(FileTimes, ATimeBeyond2038IsRefusedNotWrapped) {
    ScratchFolder scratch;
    std::wstring path = scratch.WriteFile(L"future.txt", "x");
    HANDLE file = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    // 2040-01-01 00:00:00 UTC in 100 ns ticks since 1601.
    ULARGE_INTEGER ticks;
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
    struct _stat32i64 untouched = {};
    untouched.st_size = 77;
    EXPECT_FALSE(Cm_GetFileInfo(missing.c_str(), &untouched));
    EXPECT_EQ(untouched.st_size, 77);
}

}  // namespace
