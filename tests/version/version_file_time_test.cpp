// The times of the module file and their display texts.
#include <gtest/gtest.h>

#include "cstring_print.h"
#include "scratch_folder.h"
#include "version_test_app.h"

namespace {

FILETIME Utc(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME st = {year, month, 0, day, hour, minute, second, 0};
    FILETIME ft = {};
    SystemTimeToFileTime(&st, &ft);
    return ft;
}

bool operator==(const FILETIME& a, const FILETIME& b) {
    return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// The user-locale rendering of a local time: short date, then the time unless it is midnight.
std::wstring LocalText(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME st = {year, month, 0, day, hour, minute, second, 0};
    wchar_t date[64], time[64];
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, 64);
    if (hour == 0 && minute == 0 && second == 0) return date;
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, 64);
    return std::wstring(date) + L" " + time;
}

// A file of the scratch folder with its access and write times set.
std::wstring FileWithTimes(const ScratchFolder& folder, const FILETIME& access, const FILETIME& write) {
    const std::wstring path = folder.WriteFile(L"module.dll", "MZ");
    HANDLE h = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(h, nullptr, &access, &write));
    CloseHandle(h);
    return path;
}

TEST(VersionFileTime, ReadsTheTimesAndShowsThemInLocalTime) {
    ScratchFolder folder;
    const FILETIME access = Utc(2024, 1, 1, 15, 0, 0);  // midnight in Japan
    const FILETIME write = Utc(2024, 1, 2, 3, 4, 5);
    TestVersion app;
    app.m_appInfo.strFilePath = FileWithTimes(folder, access, write).c_str();
    ASSERT_TRUE(app.ReadFileTime());

    EXPECT_TRUE(app.m_ftLastWrite == write);
    EXPECT_TRUE(app.m_ftLastAccess == access);
    EXPECT_EQ(app.GetAppWriteDate(), LocalText(2024, 1, 2, 12, 4, 5).c_str());
    EXPECT_EQ(app.GetAppLastAccessDate(), LocalText(2024, 1, 2, 0, 0, 0).c_str()) << "midnight gives the date alone";
    EXPECT_EQ(app.GetAppLastAccessDate().Find(L':'), -1);

    // The build date is the creation time of the file, whatever the file system keeps for it.
    WIN32_FILE_ATTRIBUTE_DATA facts;
    ASSERT_TRUE(GetFileAttributesExW(app.m_appInfo.strFilePath, GetFileExInfoStandard, &facts));
    EXPECT_TRUE(app.m_ftCreation == facts.ftCreationTime);
    EXPECT_NE(facts.ftCreationTime.dwHighDateTime, 0u);
    SYSTEMTIME local;
    FILETIME localCreation;
    ASSERT_TRUE(FileTimeToLocalFileTime(&app.m_ftCreation, &localCreation));
    ASSERT_TRUE(FileTimeToSystemTime(&localCreation, &local));
    EXPECT_EQ(app.GetAppBuildDate(),
              LocalText(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond).c_str());
}

TEST(VersionFileTime, FileHeldOpenWithoutSharingKeepsTheEarlierTimes) {
    ScratchFolder folder;
    TestVersion app;
    app.m_appInfo.strFilePath = FileWithTimes(folder, Utc(2020, 5, 6, 1, 0, 0), Utc(2020, 5, 6, 2, 30, 0)).c_str();
    ASSERT_TRUE(app.ReadFileTime());
    const CString before = app.GetAppWriteDate();
    EXPECT_EQ(before, LocalText(2020, 5, 6, 11, 30, 0).c_str());

    HANDLE holder = CreateFileW(app.m_appInfo.strFilePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const FILETIME later = Utc(2023, 3, 3, 3, 3, 3);
    SetFileTime(holder, nullptr, nullptr, &later);
    EXPECT_FALSE(app.ReadFileTime());
    EXPECT_EQ(app.GetAppWriteDate(), before);
    CloseHandle(holder);

    EXPECT_TRUE(app.ReadFileTime()) << "readable again once released";
    EXPECT_EQ(app.GetAppWriteDate(), LocalText(2023, 3, 3, 12, 3, 3).c_str());
}

TEST(VersionFileTime, MissingFileOrNoPathFails) {
    TestVersion app;
    EXPECT_FALSE(app.ReadFileTime()) << "no module read yet";
    ScratchFolder folder;
    app.m_appInfo.strFilePath = (folder / L"absent.dll").c_str();
    EXPECT_FALSE(app.ReadFileTime());
    EXPECT_EQ(app.m_ftLastWrite.dwHighDateTime, 0u);
    EXPECT_EQ(app.GetAppWriteDate(), LocalText(1601, 1, 1, 9, 0, 0).c_str()) << "the zero file time";
}

}  // namespace
