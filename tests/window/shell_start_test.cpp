// Elevated restart through the shell's "runas" verb, with a probe program whose first argument
// decides whether it is the elevated copy; and fading refused on a version 6 server.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include <string>

#include "scratch_folder.h"
#include "wine_version.h"

namespace {

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    *wcsrchr(path, L'\\') = 0;
    return path;
}

// Starts a program with the command line and waits for its exit code.
DWORD RunProgram(const std::wstring& program, std::wstring command) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return 0xFFFFFFFF;
    WaitForSingleObject(info.hProcess, 60000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return code;
}

// The probe's log, once it holds the given number of lines (or after ten seconds).
std::string WaitForLog(const std::wstring& path, int lines) {
    std::string log;
    for (int i = 0; i < 100; ++i) {
        log = ReadFileBytes(path);
        int n = 0;
        for (char c : log) n += c == '\n';
        if (n >= lines) break;
        Sleep(100);
    }
    return log;
}

class RunAsTest : public ::testing::Test {
protected:
    void SetUp() override { SetEnvironmentVariableW(L"ZC_RUNAS_LOG", m_log.c_str()); }
    void TearDown() override { SetEnvironmentVariableW(L"ZC_RUNAS_LOG", nullptr); }
    DWORD Probe(const std::wstring& argument) {
        std::wstring probe = ProgramFolder() + L"\\runas_probe.exe";
        return RunProgram(probe, L"\"" + probe + L"\"" + (argument.empty() ? L"" : L" " + argument));
    }
    ScratchFolder m_folder;
    std::wstring m_log = m_folder / L"runas.log";
};

TEST_F(RunAsTest, ElevatedCopyKnowsItselfByTheRunasArgument) {
    EXPECT_EQ(Probe(L"runas"), 0u);
    Sleep(500);
    EXPECT_EQ(ReadFileBytes(m_log), "runas -> 0\n") << "no further copy is started";
}

TEST_F(RunAsTest, OtherCaseStartsAnElevatedCopy) {
    EXPECT_EQ(Probe(L"RunAs"), 1u);
    EXPECT_EQ(WaitForLog(m_log, 2), "RunAs -> 1\nrunas -> 0\n");
}

TEST_F(RunAsTest, WithoutArgumentsTheCopyGetsOnlyRunas) {
    EXPECT_EQ(Probe(L""), 1u);
    EXPECT_EQ(WaitForLog(m_log, 2), "(none) -> 1\nrunas -> 0\n");
}

TEST(ServerFade, RefusedOnVersionSixServers) {
    WineVersionOverride server(L"win2008");
    ASSERT_TRUE(server.IsSet());
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    SetEnvironmentVariableW(L"ZC_SERVER_CHILD", L"1");
    DWORD code = RunProgram(self, L"\"" + std::wstring(self) + L"\" --gtest_brief=1 --gtest_filter=ServerFade.ChildLeavesTheWindowAlone");
    SetEnvironmentVariableW(L"ZC_SERVER_CHILD", nullptr);
    EXPECT_EQ(code, 0u);
}

}  // namespace
