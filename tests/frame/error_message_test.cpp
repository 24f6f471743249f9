#include <ZetoCom.h>
#include <gtest/gtest.h>

#include "message_box_watcher.h"
#include "system_text_for_test.h"

namespace {

TEST(ErrorMessage, ShowsTheSystemTextInAnInformationBox) {
    MessageBoxWatcher watcher;
    EXPECT_EQ(Cm_ErrorMessage(2, 0), 2);
    EXPECT_EQ(watcher.Finish(), ErrorBoxOf(2));
}

TEST(ErrorMessage, ResolvesMinusOneFromTheLastErrorFirst) {
    MessageBoxWatcher watcher;
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(Cm_ErrorMessage(-1, 0), 5);
    EXPECT_EQ(watcher.Finish(), ErrorBoxOf(5)) << "the text of the resolved code";
}

TEST(ErrorMessage, ShowsNothingForTheNoErrorCode) {
    MessageBoxWatcher watcher;
    SetLastError(0);
    EXPECT_EQ(Cm_ErrorMessage(-1, 0), 0);
    EXPECT_EQ(Cm_ErrorMessage(5, 5), 5);
    EXPECT_FALSE(watcher.Finish(200).found);
}

TEST(ErrorMessage, MinusOneAsNoErrorCodeComparesTheLastError) {
    MessageBoxWatcher watcher;
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Cm_ErrorMessage(-1, -1), 2);
    EXPECT_EQ(watcher.Finish(), ErrorBoxOf(2));
}

TEST(ErrorMessage, CodeZeroIsReportedWhenNotTheNoErrorCode) {
    MessageBoxWatcher watcher;
    EXPECT_EQ(Cm_ErrorMessage(0, -1), 0);
    SeenMessageBox box = watcher.Finish();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.text, L"[Error:0] " + SystemTextOf(0));
}

TEST(GetErrorMessage, KeepsTheSystemLineEnd) {
    CString text = Cm_GetErrorMessage(2, 0);
    std::wstring system = SystemTextOf(2);
    ASSERT_GE(system.size(), 2u);
    EXPECT_EQ(std::wstring(text.GetString()), L"[Error:2] " + system);
    EXPECT_EQ(system.substr(system.size() - 2), L"\r\n");
}

TEST(GetErrorMessage, WritesCodesInSignedDecimal) {
    CString text = Cm_GetErrorMessage(static_cast<long>(0x80070005), 0);
    EXPECT_EQ(std::wstring(text.GetString()).rfind(L"[Error:-2147024891] ", 0), 0u) << text.GetString();
}

TEST(GetErrorMessage, EmptyForTheNoErrorCodeAndShowsNothing) {
    MessageBoxWatcher watcher;
    SetLastError(0);
    EXPECT_TRUE(Cm_GetErrorMessage(-1, 0).IsEmpty());
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(std::wstring(Cm_GetErrorMessage(-1, 0).GetString()), L"[Error:5] " + SystemTextOf(5));
    EXPECT_FALSE(watcher.Finish(100).found);
}

TEST(GetErrorMessage, CodeWithoutSystemTextHasAnEmptyTextPart) {
    EXPECT_EQ(std::wstring(Cm_GetErrorMessage(0x2345678, 0).GetString()), L"[Error:36984440] ");
}

}  // namespace
