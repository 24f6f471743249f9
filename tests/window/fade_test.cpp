// Fading a real top-level window: after each step the test reads the window's alpha back from the
// system, at the library's own Sleep call, which still sleeps.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <uxtheme.h>

#include <string>
#include <vector>

#include "import_patch.h"

namespace {

struct Observed {
    HWND window = nullptr;
    std::vector<int> alphas;  // the window's alpha at each sleep
    std::vector<DWORD> sleeps;
};
Observed g_observed;

// The window's alpha as the system holds it; -1 unless it was set as a plain alpha (no colour key).
int CurrentAlpha(HWND window) {
    BYTE alpha = 0;
    DWORD flags = 0;
    COLORREF key = 0;
    if (!GetLayeredWindowAttributes(window, &key, &alpha, &flags) || flags != LWA_ALPHA || key != 0) return -1;
    return alpha;
}

void WINAPI ObservingSleep(DWORD ms) {
    g_observed.alphas.push_back(CurrentAlpha(g_observed.window));
    g_observed.sleeps.push_back(ms);
    Sleep(ms);
}

class FadeTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = CreateWindowExW(0, L"STATIC", L"fade", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr, nullptr,
                                   nullptr, nullptr);
        ASSERT_NE(m_window, nullptr);
        g_observed = Observed{};
        g_observed.window = m_window;
    }
    void TearDown() override {
        Cm_DestroySmoothly();
        DestroyWindow(m_window);
    }
    // The alphas seen at the sleeps of one call; every sleep lasted the step.
    std::vector<int> Fade(BOOL show, int step, int level) {
        g_observed.alphas.clear();
        g_observed.sleeps.clear();
        ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "Sleep",
                          reinterpret_cast<void*>(&ObservingSleep));
        EXPECT_TRUE(patch.Applied());
        Cm_ShowSmoothly(m_window, show, step, level);
        for (DWORD ms : g_observed.sleeps) EXPECT_EQ(ms, static_cast<DWORD>(step));
        return g_observed.alphas;
    }
    HWND m_window = nullptr;
};

using Alphas = std::vector<int>;

TEST_F(FadeTest, CreationMakesTheWindowLayeredTransparentAndShown) {
    Cm_CreateSmoothly(m_window, TRUE);
    EXPECT_NE(GetWindowLongW(m_window, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    EXPECT_TRUE(IsWindowVisible(m_window));
    EXPECT_EQ(CurrentAlpha(m_window), 0);
    HWND hidden = CreateWindowExW(0, L"STATIC", L"hidden", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
    Cm_CreateSmoothly(hidden, FALSE);
    EXPECT_FALSE(IsWindowVisible(hidden));
    EXPECT_EQ(CurrentAlpha(hidden), 0);
    EXPECT_NE(GetWindowLongW(hidden, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
    DestroyWindow(hidden);
}

TEST_F(FadeTest, FadeInShowsEveryMultipleOfTheStepUpToTheTopLevel) {
    Cm_CreateSmoothly(m_window, TRUE);
    EXPECT_EQ(Fade(TRUE, 10, 100), (Alphas{0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255}));
    EXPECT_EQ(Fade(TRUE, 30, 100), (Alphas{0, 76, 153, 229}));
    EXPECT_EQ(CurrentAlpha(m_window), 229) << "no final step at the bound";
    EXPECT_EQ(Fade(TRUE, 10, 50), (Alphas{0, 25, 51, 76, 102, 127}));
    EXPECT_EQ(Fade(TRUE, 25, 150), (Alphas{0, 63, 127, 191, 255})) << "stops at 100";
    EXPECT_EQ(Fade(TRUE, 10, -1), Alphas{});
    EXPECT_EQ(CurrentAlpha(m_window), 255);
}

TEST_F(FadeTest, FadeOutCountsDownAndSkipsHiddenOrMinimisedWindows) {
    Cm_CreateSmoothly(m_window, TRUE);
    EXPECT_EQ(Fade(FALSE, 10, 100), (Alphas{255, 229, 204, 178, 153, 127, 102, 76, 51, 25, 0}));
    EXPECT_EQ(Fade(FALSE, 30, 100), (Alphas{255, 178, 102, 25}));
    EXPECT_EQ(CurrentAlpha(m_window), 25) << "the last level stays";
    EXPECT_TRUE(IsWindowVisible(m_window)) << "hiding is the host's business";
    EXPECT_EQ(Fade(FALSE, 50, 300), (Alphas{255, 127, 0})) << "a level above 100 starts at 100";
    EXPECT_EQ(Fade(FALSE, 10, -1), Alphas{});
    ShowWindow(m_window, SW_MINIMIZE);
    EXPECT_EQ(Fade(FALSE, 10, 100), Alphas{});
    ShowWindow(m_window, SW_RESTORE);
    ShowWindow(m_window, SW_HIDE);
    ASSERT_FALSE(IsIconic(m_window));
    EXPECT_EQ(Fade(FALSE, 10, 100), Alphas{}) << "hidden, not minimised";
    EXPECT_EQ(CurrentAlpha(m_window), 0) << "untouched since the last fade";
}

TEST_F(FadeTest, StepsOfZeroOrLessAndDestroyedStateDoNothing) {
    Cm_CreateSmoothly(m_window, TRUE);
    EXPECT_EQ(Fade(TRUE, 0, 100), Alphas{});
    EXPECT_EQ(Fade(FALSE, -5, 100), Alphas{});
    EXPECT_EQ(Fade(TRUE, -1, 100), Alphas{});
    Cm_DestroySmoothly();
    EXPECT_EQ(Fade(TRUE, 10, 100), Alphas{}) << "no fading after the module is released";
    Cm_DestroySmoothly();  // a second release is harmless
    Cm_CreateSmoothly(m_window, TRUE);
    EXPECT_EQ(Fade(TRUE, 50, 100), (Alphas{0, 127, 255})) << "a new creation call fades again";
}

// The flags the library hands to EnableThemeDialogTexture, which it finds by name at run time.
DWORD g_textureFlags = 0;
HRESULT WINAPI RecordTexture(HWND, DWORD flags) {
    g_textureFlags = flags;
    return S_OK;
}
FARPROC WINAPI FindRecordingTexture(HMODULE module, LPCSTR name) {
    if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) && lstrcmpA(name, "EnableThemeDialogTexture") == 0)
        return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(&RecordTexture));
    return GetProcAddress(module, name);
}

TEST(ThemedTab, AsksForTheTabTextureExactly) {
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "GetProcAddress",
                      reinterpret_cast<void*>(&FindRecordingTexture));
    ASSERT_TRUE(patch.Applied());
    Cm_SetXpStyleTab(reinterpret_cast<HWND>(0x1234));
    EXPECT_EQ(g_textureFlags, DWORD(ETDT_ENABLETAB));
}

TEST(ThemedTab, DialogGetsTheTabTexture) {
    HWND dialog = CreateWindowExW(0, L"#32770", L"tab page", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                                  nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsThemeDialogTextureEnabled(dialog));
    Cm_SetXpStyleTab(dialog);
    EXPECT_TRUE(IsThemeDialogTextureEnabled(dialog));
    DestroyWindow(dialog);
}

}  // namespace
