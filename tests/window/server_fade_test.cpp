// Fading on the servers: a child copy of this test program runs with Wine told to report another
// Windows version, fades a window and writes what it saw to a report file; the parent checks it.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "child_process.h"
#include "import_patch.h"
#include "scratch_folder.h"
#include "wine_version.h"

namespace {

int g_sleeps = 0;

void WINAPI CountingSleep(DWORD ms) {
    ++g_sleeps;
    Sleep(ms);
}

// What a child reports: "kind=K visible=V layered=L sleeps=S" after creating, fading in and out.
std::string RunChildAs(const wchar_t* version, const ScratchFolder& folder) {
    WineVersionOverride override(version);
    EXPECT_TRUE(override.IsSet());
    std::wstring report = folder / (std::wstring(version) + L".txt");
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SetEnvironmentVariableW(L"ZC_FADE_REPORT", report.c_str());
    DWORD code = RunProgram(self, L"\"" + std::wstring(self) + L"\" --gtest_filter=ServerFadeChild.Report");
    SetEnvironmentVariableW(L"ZC_FADE_REPORT", nullptr);
    EXPECT_EQ(code, 0u);
    return ReadFileBytes(report);
}

TEST(ServerFade, RefusedOnVersionSixServersOnly) {
    ScratchFolder folder;
    EXPECT_EQ(RunChildAs(L"win2008", folder), "kind=10 visible=0 layered=0 sleeps=0");
    // Server 2003 is kind 8: a server, but fading is allowed there (11 levels in, 11 out).
    EXPECT_EQ(RunChildAs(L"win2003", folder), "kind=8 visible=1 layered=1 sleeps=22");
}

// The child's half; does nothing when the test program is run directly.
TEST(ServerFadeChild, Report) {
    wchar_t report[MAX_PATH];
    if (!GetEnvironmentVariableW(L"ZC_FADE_REPORT", report, MAX_PATH)) GTEST_SKIP() << "run by ServerFade only";
    HWND window = CreateWindowExW(0, L"STATIC", L"server", WS_OVERLAPPEDWINDOW, 0, 0, 50, 50, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    {
        ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "Sleep",
                          reinterpret_cast<void*>(&CountingSleep));
        ASSERT_TRUE(patch.Applied());
        Cm_CreateSmoothly(window, TRUE);
        Cm_ShowSmoothly(window, TRUE, 10, 100);
        Cm_ShowSmoothly(window, FALSE, 10, 100);
        Cm_DestroySmoothly();
    }
    bool layered = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
    FILE* file = _wfopen(report, L"wb");
    ASSERT_NE(file, nullptr);
    std::fprintf(file, "kind=%d visible=%d layered=%d sleeps=%d", COsInfo().GetKind(), IsWindowVisible(window) ? 1 : 0,
                 layered ? 1 : 0, g_sleeps);
    std::fclose(file);
    DestroyWindow(window);
}

}  // namespace
