// The error text of a code: shown in a box, returned, or written to the log with a time stamp.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <regex>
#include "scratch_folder.h"
#include "system_text_for_test.h"
TEST(ErrorMessage, ShowsAndReturnsTheTextOfTheResolvedCodeUnlessItIsTheNoErrorCode) {
    const struct { long code, noError; DWORD lastError; long resolved; } rows[] = {{2, 0, 0, 2}, {-1, 0, 5, 5},
        {-1, 0, 0, 0}, {5, 5, 0, 5}, {-1, -1, 2, 2}, {0, -1, 0, 0}, {long(0x80070005), 0, 0, long(0x80070005)},
        {0x2345678, 0, 0, 0x2345678} /* no system text */};
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.code << ", " << row.noError << ", last error " << row.lastError);
        const SeenMessageBox box = row.resolved != row.noError ? ErrorBoxOf(row.resolved) : SeenMessageBox{};
        MessageBoxWatcher watcher;
        SetLastError(row.lastError);
        EXPECT_EQ(Cm_ErrorMessage(row.code, row.noError), row.resolved);
        EXPECT_EQ(watcher.Finish(), box);
        SetLastError(row.lastError);
        EXPECT_EQ(std::wstring(Cm_GetErrorMessage(row.code, row.noError).GetString()), box.text);
    }
    EXPECT_EQ(ErrorBoxOf(2).text.back(), L'\n') << "the line end that the texts above keep";
}
// The log read in code page 932, with each stamp "[YYYY/MM/DD hh:mm:ss] " written as "[T] ".
static std::wstring Unstamped(const std::wstring& log) {
    const std::string bytes = ReadFileBytes(log);
    std::wstring text(bytes.size(), L'\0');
    text.resize(MultiByteToWideChar(932, 0, bytes.data(), int(bytes.size()), &text[0], int(text.size())));
    return std::regex_replace(text, std::wregex(LR"(\[\d{4}/\d\d/\d\d \d\d:\d\d:\d\d\] )"), L"[T] ");
}
// The line of a code: its error text without CRs, each LF written as CR LF.
static std::wstring LineOf(DWORD code) {
    const std::wstring text = std::regex_replace(ErrorBoxOf(code).text, std::wregex(L"\r"), L"");
    return L"[T] " + std::regex_replace(text, std::wregex(L"\n"), L"\r\n");
}
TEST(ErrorLog, TextIsFlushedAtOnceErrorLinesAtTheNextFlushAndOpeningClosesTheLogFirst) {
    setlocale(LC_ALL, ".932");  // the host's, in whose multibyte code the runtime writes
    ScratchFolder folder;
    const std::wstring log = folder / L"error.log", other = folder / L"other.log", bad = folder / L"no\\x.log";
    EXPECT_EQ(std::pair(Cm_WriteErrorString(L"lost"), Cm_WriteErrorMessage(5, 5)), std::pair(0, 5L)) << "no log";
    EXPECT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    const CString before = CTime::GetCurrentTime().Format(L"%Y/%m/%d %H:%M:%S");
    EXPECT_EQ(Cm_WriteErrorString(L"disk full \u3042"), 22 + 12);
    const std::string stamp = ReadFileBytes(log).substr(1, 19);
    EXPECT_LE(std::wstring(before.GetString()), std::wstring(stamp.begin(), stamp.end())) << "the local time";
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ((std::tuple{Cm_WriteErrorMessage(-1, 0), Cm_WriteErrorMessage(2, 0), Cm_WriteErrorMessage(7, 7)}),
              std::tuple(5L, 2L, 0L));
    std::wstring written = L"[T] disk full \u3042\r\n";
    EXPECT_EQ(Unstamped(log), written);
    EXPECT_EQ(Cm_WriteErrorString(nullptr), 23);
    EXPECT_EQ(Unstamped(log), written += LineOf(5) + LineOf(2) + L"[T] \r\n");
    EXPECT_EQ((std::pair{Cm_WriteErrorMessage(2, 0), Cm_OpenErrorFile(other.c_str(), 1)}), std::pair(2L, 1)) << "made";
    EXPECT_EQ(Unstamped(log), written += LineOf(2)) << "closed by the next open";
    EXPECT_EQ((std::pair{Cm_OpenErrorFile(log.c_str(), 1), Cm_WriteErrorString(L"b")}), std::pair(1, 22 + 2));
    EXPECT_EQ((std::pair{Cm_OpenErrorFile(nullptr, 0), Cm_WriteErrorString(L"gone")}), std::pair(0, 0));
    EXPECT_EQ(Unstamped(log), written + L"[T] b\r\n") << "appended";
    EXPECT_EQ(Cm_OpenErrorFile(log.c_str(), 0), 1);
    EXPECT_EQ((std::pair{Cm_OpenErrorFile(bad.c_str(), 1), Cm_WriteErrorString(L"gone")}), std::pair(0, 0));
    EXPECT_EQ(Unstamped(log) + Unstamped(other), L"") << "emptied, and nothing after the failed open";
    setlocale(LC_ALL, "C");
}
