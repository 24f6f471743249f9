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
    SeenMessageBox box = watcher.Finish();
    ASSERT_TRUE(box.found);
    EXPECT_EQ(box.caption, L"Zeto Test");
    EXPECT_EQ(box.text, L"\u30c6\u30b9\u30c8");
    EXPECT_EQ(box.style, UINT(MB_OK));
}

}  // namespace
