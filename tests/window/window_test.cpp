// Fading a real window, refused on a version 6 server, and the elevated start, watched at the library's imports.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include "import_patch.h"
#include "program_path.h"
using Alphas = std::vector<int>;
static struct { HWND window; Alphas alphas; DWORD step; } g;  // the faded window and what its fade showed
// The alpha the system holds for the window; -1 unless the window is layered with a plain alpha.
static int AlphaOf(HWND window) {
    BYTE alpha;
    DWORD flags, key;
    return GetLayeredWindowAttributes(window, &key, &alpha, &flags) && flags == LWA_ALPHA && !key ? alpha : -1;
}
static auto StateOf(HWND window) { return std::pair(IsWindowVisible(window) != FALSE, AlphaOf(window)); }
// The alphas at the library's sleeps during one fade; -2 for a sleep that does not last the step.
static void WINAPI ObservingSleep(DWORD ms) { g.alphas.push_back(ms == g.step ? AlphaOf(g.window) : -2), Sleep(ms); }
static Alphas Fade(BOOL in, int step, int level) {
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "Sleep", (void*)&ObservingSleep);
    g.alphas = patch.Applied() ? Alphas{} : Alphas{-3}, g.step = step;
    Cm_ShowSmoothly(g.window, in, step, level);
    return g.alphas;
}
static BOOL WINAPI Server2008(OSVERSIONINFOEXW* os) {  // GetVersionExW as a version 6.0 server answers
    *os = {os->dwOSVersionInfoSize, 6, 0, 6002, VER_PLATFORM_WIN32_NT, L"", 0, 0, 0, VER_NT_SERVER, 0};
    return TRUE;
}
TEST(Fade, ShowsEachMultipleOfTheStepUpToOrDownFromTheLevel) {
    g.window = CreateWindowExW(0, L"STATIC", L"fade", WS_OVERLAPPEDWINDOW, 9, 9, 99, 99, 0, 0, 0, 0);
    Cm_CreateSmoothly(g.window, TRUE);
    EXPECT_EQ(StateOf(g.window), std::pair(true, 0));
    const struct { BOOL in; int step, level; Alphas seen; } fades[] = {
        {FALSE, 10, 100, {255, 229, 204, 178, 153, 127, 102, 76, 51, 25, 0}}, {FALSE, 30, 100, {255, 178, 102, 25}},
        {FALSE, 50, 300, {255, 127, 0}}, {FALSE, 10, -1, {}}, {FALSE, -5, 100, {}}, {TRUE, 0, 100, {}},
        {TRUE, 10, 100, {0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255}}, {TRUE, 30, 100, {0, 76, 153, 229}},
        {TRUE, 10, 50, {0, 25, 51, 76, 102, 127}}, {TRUE, 10, -1, {}}, {TRUE, 25, 150, {0, 63, 127, 191, 255}}};
    int alpha = 0;
    for (const auto& f : fades) {
        EXPECT_EQ(Fade(f.in, f.step, f.level), f.seen) << "in " << f.in << ", step " << f.step << ", level " << f.level;
        EXPECT_EQ(AlphaOf(g.window), alpha = f.seen.empty() ? alpha : f.seen.back()) << "the last level stays";
    }
    ShowWindow(g.window, SW_HIDE);
    EXPECT_EQ(Fade(FALSE, 10, 100), Alphas{}) << "hidden";
    ShowWindow(g.window, SW_MINIMIZE);
    EXPECT_EQ(Fade(FALSE, 10, 100), Alphas{}) << "minimised";
    Cm_DestroySmoothly();
    EXPECT_EQ(Fade(TRUE, 10, 100), Alphas{}) << "released";
    Cm_CreateSmoothly(g.window, FALSE);
    EXPECT_EQ(StateOf(g.window), std::pair(false, 0));
    EXPECT_EQ(Fade(TRUE, 50, 100), (Alphas{0, 127, 255})) << "made again";
    Cm_DestroySmoothly();
    ImportPatch server(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "GetVersionExW", (void*)&Server2008);
    Cm_CreateSmoothly(g.window, TRUE);
    EXPECT_EQ((std::pair{StateOf(g.window), Fade(TRUE, 10, 100)}), std::pair(std::pair(false, 255), Alphas{}));
    DestroyWindow(g.window);
}
static struct { std::wstring commandLine, request; INT_PTR answer; } g_shell;  // what the test and the shell say
static LPWSTR WINAPI GivenCommandLine() { return &g_shell.commandLine[0]; }
static HINSTANCE WINAPI AnswerShell(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR args, LPCWSTR dir, INT show) {
    g_shell.request = verb + (L"|" + std::wstring(file)) + L"|" + args + L"|" + std::to_wstring(show);
    g_shell.request += owner || dir ? L"|with an owner or a folder" : L"";
    return HINSTANCE(g_shell.answer);
}
// Only a first argument "runas" marks the elevated copy; any other process asks the shell for one.
TEST(RunAsStart, AsksForAnElevatedCopyWithOnlyRunasUnlessItIsThatCopy) {
    ImportPatch line(GetModuleHandleW(L"ZetoCom.dll"), "kernel32.dll", "GetCommandLineW", (void*)&GivenCommandLine);
    ImportPatch shell(GetModuleHandleW(L"ZetoCom.dll"), "shell32.dll", "ShellExecuteW", (void*)&AnswerShell);
    ASSERT_TRUE(line.Applied() && shell.Applied());
    const std::wstring request = L"runas|" + ProgramPath() + L"|runas|" + std::to_wstring(SW_SHOWNORMAL);
    const struct { const wchar_t* line; INT_PTR answer; int started; bool asked; } rows[] = {
        {L"a runas", 33, 0, false}, {L"\"C:\\b c\\a.exe\" runas more", 33, 0, false}, {L"a \"runas\"", 33, 0, false},
        {L"a RunAs", 33, 1, true}, {L"a /open f.txt runas", 33, 1, true}, {L"a", 33, 1, true}, {L"a", 32, 0, true},
        {L"a", SE_ERR_FNF, 0, true}};
    for (const auto& row : rows) {
        g_shell.commandLine = row.line, g_shell.answer = row.answer, g_shell.request.clear();
        EXPECT_EQ(Cm_RunAsStart(), row.started) << row.line << ", shell answer " << row.answer;
        EXPECT_EQ(g_shell.request, row.asked ? request : L"") << row.line;
    }
}
