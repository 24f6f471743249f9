// The MFC layer where only these tests reach it: CFile's sharing, the local time texts (Japan Standard
// Time), CString's code page, the list's search and extension modules; the rest runs under the library's own tests.
#include <afxdisp.h>
#include <afxwin.h>
#include <gtest/gtest.h>
#include "cstring_print.h"
#include "english_thread_locale.h"
#include "scratch_folder.h"
TEST(CFile, CompatibilityModeOpensExclusively) {
    ScratchFolder folder;
    std::wstring path = folder.WriteFile(L"f.bin", "xyz");
    CFile file, second, missing;
    ASSERT_TRUE(file.Open(path.c_str(), CFile::modeRead));
    EXPECT_FALSE(second.Open(path.c_str(), CFile::modeRead | CFile::shareDenyNone));
    file.Close();
    EXPECT_TRUE(file.m_hFile == INVALID_HANDLE_VALUE && second.Open(path.c_str(), CFile::modeRead));
    EXPECT_FALSE(missing.Open((folder / L"none").c_str(), CFile::modeRead));
}
TEST(Times, LocalTextsInJapanStandardTime) {
    CTime epoch(0);
    EXPECT_EQ(epoch.Format(L"%Y/%m/%d %H:%M:%S"), L"1970/01/01 09:00:00");
    EXPECT_EQ(epoch.Format(CString(L'x', 127)).GetLength(), 127);
    EXPECT_TRUE(epoch.Format(CString(L'x', 128)).IsEmpty()) << "longer than the 127 units MFC allows";
    // A file time is UTC; the text is the user locale's short date, then its time unless at midnight.
    for (SYSTEMTIME utc : {SYSTEMTIME{2024, 3, 0, 15, 1, 2, 3, 0}, SYSTEMTIME{2024, 3, 0, 14, 15, 0, 0, 0}}) {
        FILETIME ft;
        SYSTEMTIME local = {2024, 3, 5, 15, WORD((utc.wHour + 9) % 24), utc.wMinute, utc.wSecond, 0};
        wchar_t date[64], time[64];
        GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, 64);
        GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &local, nullptr, time, 64);
        ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
        EXPECT_EQ(COleDateTime(ft).Format(0, LANG_USER_DEFAULT), local.wHour ? CString(date) + L" " + time : date);
    }
}
TEST(CString, EightBitTextWidensThroughTheThreadsCodePage) {
    CString kana("\x82\xa0\xb1" "A"), western;  // code page 932 here, 1252 for an en-US thread
    EnglishThreadLocale english;
    ASSERT_TRUE(english.IsSet());
    western = "\x82\xa0";
    EXPECT_TRUE(kana == L"\u3042\uff71A" && L"\u201a\u00a0" == western && !(kana < kana) && western < kana);
    CStringList list;  // Find gives the node holding the value, or none
    list.AddTail(kana), list.AddTail(western);
    EXPECT_TRUE(list.GetAt(list.Find(western)) == western && !list.Find(L"x"));
}
// A second initialisation of an extension module keeps the first; run-time classes know their own kind.
TEST(ExtensionModule, InitialisedOnceAndOfItsOwnKind) {
    AFX_EXTENSION_MODULE module = {}, other = {};
    EXPECT_TRUE(AfxInitExtensionModule(module, GetModuleHandleW(L"ZetoMfc.dll")) &&
                AfxInitExtensionModule(module, GetModuleHandleW(nullptr)) &&
                module.hModule == GetModuleHandleW(L"ZetoMfc.dll") && !AfxInitExtensionModule(other, nullptr));
    CRuntimeClass unrelated = {"Unrelated", 1, 0xFFFF, nullptr};
    EXPECT_TRUE(CStringList().IsKindOf(&CObject::classCObject) && !CStringList().IsKindOf(&unrelated));
}
