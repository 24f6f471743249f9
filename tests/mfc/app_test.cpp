#include <afxwin.h>
#include <gtest/gtest.h>

#include "cstring_print.h"

#include "message_box_watcher.h"

namespace {

TEST(CWinApp, RegistersAsTheApplicationOfTheModuleState) {
    EXPECT_EQ(AfxGetApp(), nullptr);
    {
        CWinApp app(L"Zeto Test");
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_STREQ(app.m_pszAppName, L"Zeto Test");
        EXPECT_EQ(app.m_hInstance, GetModuleHandleW(nullptr));
        EXPECT_EQ(AfxGetModuleState()->m_hCurrentInstanceHandle, GetModuleHandleW(nullptr));
        EXPECT_TRUE(app.InitInstance());
    }
    EXPECT_EQ(AfxGetApp(), nullptr);
    CWinApp unnamed;
    EXPECT_STREQ(unnamed.m_pszAppName, L"mfc_tests");
}

TEST(AfxMessageBox, UsesTheApplicationTitleAndTheGivenType) {
    CWinApp app(L"Zeto Test");
    MessageBoxWatcher watcher;
    EXPECT_EQ(AfxMessageBox(L"\u30c6\u30b9\u30c8", MB_OK, 0), IDOK);
    EXPECT_EQ(watcher.Finish(), (SeenMessageBox{true, L"Zeto Test", L"\u30c6\u30b9\u30c8", UINT(MB_OK)}));
}

}  // namespace
