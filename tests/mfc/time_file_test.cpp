#include <afxdisp.h>
#include <gtest/gtest.h>

#include "cstring_print.h"

#include "scratch_folder.h"

namespace {

TEST(CTime, FormatsTheLocalTime) {
    CTime epoch(0);
    // Japan Standard Time is nine hours ahead of UTC, without daylight saving.
    EXPECT_EQ(epoch.Format(L"%Y/%m/%d %H:%M:%S"), L"1970/01/01 09:00:00");
    EXPECT_EQ(epoch.Format(CString(L'x', 127)).GetLength(), 127);
    EXPECT_TRUE(epoch.Format(CString(L'x', 128)).IsEmpty()) << "longer than the 127 units MFC allows";
    __time64_t before = _time64(nullptr);
    __time64_t now = CTime::GetCurrentTime().GetTime();
    EXPECT_GE(now, before);
    EXPECT_LE(now, before + 2);
}

// The user locale's own rendering of a local time: short date, then the time unless it is midnight.
CString UserLocaleText(const SYSTEMTIME& local) {
    wchar_t date[64], time[64];
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 64);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &local, nullptr, time, 64);
    if (local.wHour == 0 && local.wMinute == 0 && local.wSecond == 0) return CString(date);
    return CString(date) + L" " + time;
}

TEST(COleDateTime, FileTimeIsTakenAsUtcAndShownInTheUserLocale) {
    SYSTEMTIME utc = {2024, 3, 0, 15, 1, 2, 3, 0};
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
    COleDateTime date(ft);
    EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
    SYSTEMTIME local = {2024, 3, 5, 15, 10, 2, 3, 0};  // JST is UTC+9
    EXPECT_EQ(date.Format(0, LANG_USER_DEFAULT), UserLocaleText(local));

    SYSTEMTIME lastEvening = {2024, 3, 0, 14, 15, 0, 0, 0};  // 00:00 local on the 15th
    SystemTimeToFileTime(&lastEvening, &ft);
    SYSTEMTIME midnight = {2024, 3, 5, 15, 0, 0, 0, 0};
    EXPECT_EQ(COleDateTime(ft).Format(0, LANG_USER_DEFAULT), UserLocaleText(midnight));
}

TEST(CFile, CompatibilityModeOpensExclusively) {
    ScratchFolder folder;
    std::wstring path = folder.WriteFile(L"f.bin", "xyz");
    CFile file;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    CFile second;
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
    file.Close();
    EXPECT_EQ(file.m_hFile, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(second.Open(path.c_str(), CFile::modeRead));
    CFile missing;
    EXPECT_FALSE(missing.Open((folder / L"none").c_str(), CFile::modeRead));
}

}  // namespace
