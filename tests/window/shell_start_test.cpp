// Elevated restart through the shell's "runas" verb, with a probe program whose arguments decide
// whether it is the elevated copy. Every probe and copy has ended before a test is over.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "child_process.h"
#include "import_patch.h"
#include "scratch_folder.h"

namespace {

using Lines = std::vector<std::string>;

// The probe log's lines in sorted order (a copy may log before the probe that started it),
// once there are at least the given number of them or after ten seconds.
Lines WaitForLog(const std::wstring& path, size_t count) {
    Lines lines;
    for (int i = 0; i < 100; ++i) {
        lines.clear();
        std::istringstream log(ReadFileBytes(path));
        for (std::string line; std::getline(log, line);) lines.push_back(line);
        if (lines.size() >= count) break;
        Sleep(100);
    }
    std::sort(lines.begin(), lines.end());
    return lines;
}

class RunAsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetEnvironmentVariableW(L"ZC_RUNAS_LOG", m_log.c_str());
        SetEnvironmentVariableW(L"ZC_RUNAS_DEPTH", nullptr);
    }
    void TearDown() override {
        EXPECT_EQ(EndLeftoverProcesses(L"runas_probe.exe"), 0) << "a probe was still running";
        SetEnvironmentVariableW(L"ZC_RUNAS_LOG", nullptr);
    }
    // The probe's exit code: its Cm_RunAsStart answer.
    DWORD Probe(const std::wstring& arguments) {
        std::wstring probe = ProgramFolder() + L"\\runas_probe.exe";
        return RunProgram(probe, L"\"" + probe + L"\"" + (arguments.empty() ? L"" : L" " + arguments));
    }
    ScratchFolder m_folder;
    std::wstring m_log = m_folder / L"runas.log";
};

TEST_F(RunAsTest, ElevatedCopyKnowsItselfByItsFirstArgument) {
    EXPECT_EQ(Probe(L"runas"), 0u);
    EXPECT_EQ(Probe(L"runas more words"), 0u) << "only the first argument counts";
    EXPECT_EQ(Probe(L"\"runas\""), 0u) << "quotes are taken off by the split";
    Sleep(500);  // time for a copy that should not exist to write its line
    EXPECT_EQ(WaitForLog(m_log, 3), (Lines{"runas -> 0", "runas -> 0", "runas more words -> 0"}));
}

TEST_F(RunAsTest, OtherCaseStartsOneCopyWithOnlyRunas) {
    EXPECT_EQ(Probe(L"RunAs"), 1u);
    EXPECT_EQ(WaitForLog(m_log, 2), (Lines{"RunAs -> 1", "runas -> 0"}));
}

TEST_F(RunAsTest, OtherArgumentsAreNotPassedOn) {
    EXPECT_EQ(Probe(L"/open file.txt runas"), 1u);
    EXPECT_EQ(WaitForLog(m_log, 2), (Lines{"/open file.txt runas -> 1", "runas -> 0"}));
}

TEST_F(RunAsTest, WithoutArgumentsTheCopyGetsOnlyRunas) {
    EXPECT_EQ(Probe(L""), 1u);
    EXPECT_EQ(WaitForLog(m_log, 2), (Lines{"(none) -> 1", "runas -> 0"}));
}

// Wine's shell starts a program for any verb, so the request itself is watched: the library's
// ShellExecuteW import answers from the test instead of starting anything.
struct ShellRequest {
    std::wstring verb, file, parameters;
    bool folderGiven = true;
    int show = -1;
};
ShellRequest g_request;
INT_PTR g_shellAnswer = 0;

HINSTANCE WINAPI AnswerShellExecute(HWND, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder, INT show) {
    g_request = {verb ? verb : L"(null)", file ? file : L"(null)", parameters ? parameters : L"(null)", folder != nullptr,
                 show};
    return reinterpret_cast<HINSTANCE>(g_shellAnswer);
}

TEST(RunAsRequest, AsksTheShellToRunThisProgramElevatedAndReadsItsAnswer) {
    ImportPatch patch(GetModuleHandleW(L"ZetoCom.dll"), "shell32.dll", "ShellExecuteW",
                      reinterpret_cast<void*>(&AnswerShellExecute));
    ASSERT_TRUE(patch.Applied());
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    g_shellAnswer = 33;  // the first value the shell uses for success
    EXPECT_EQ(Cm_RunAsStart(), 1);
    EXPECT_EQ(g_request.verb, L"runas");
    EXPECT_EQ(g_request.file, self);
    EXPECT_EQ(g_request.parameters, L"runas");
    EXPECT_FALSE(g_request.folderGiven);
    EXPECT_EQ(g_request.show, SW_SHOWNORMAL);
    for (INT_PTR failure : {INT_PTR(32), INT_PTR(SE_ERR_FNF)}) {
        g_shellAnswer = failure;
        EXPECT_EQ(Cm_RunAsStart(), 0) << failure;
    }
}

}  // namespace
