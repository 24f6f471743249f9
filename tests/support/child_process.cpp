#include "child_process.h"

#include "scratch_folder.h"

#include <tlhelp32.h>

#include <cwchar>
#include <vector>

namespace {

class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) {}
    ~Handle() {
        if (m_handle && m_handle != INVALID_HANDLE_VALUE) CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    Handle(Handle&& other) noexcept : m_handle(other.m_handle) { other.m_handle = nullptr; }
    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

std::vector<Handle> OpenProcessesNamed(const wchar_t* exeName) {
    std::vector<Handle> found;
    Handle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid()) return found;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more; more = Process32NextW(snapshot.Get(), &entry)) {
        if (_wcsicmp(entry.szExeFile, exeName) != 0) continue;
        Handle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
        if (process.Valid()) found.push_back(std::move(process));
    }
    return found;
}

}  // namespace

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    *wcsrchr(path, L'\\') = 0;
    return path;
}

DWORD RunProgram(const std::wstring& program, std::wstring command) {
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return 0xFFFFFFFF;
    Handle process(info.hProcess), thread(info.hThread);
    DWORD code = 0xFFFFFFFF;
    if (WaitForSingleObject(info.hProcess, 60000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(info.hProcess, &code);
    } else {
        TerminateProcess(info.hProcess, code);
        WaitForSingleObject(info.hProcess, 5000);
    }
    return code;
}

bool RunChildTest(const std::wstring& test, const wchar_t* variable, const std::wstring& value) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    ScratchFolder folder;
    const std::wstring report = folder / L"child.json";
    SetEnvironmentVariableW(variable, value.c_str());
    DWORD code = RunProgram(path, L"\"" + std::wstring(path) + L"\" --gtest_brief=1 --gtest_filter=" + test +
                                      L" --gtest_output=json:" + report);
    SetEnvironmentVariableW(variable, nullptr);
    const std::string json = ReadFileBytes(report);
    const std::wstring name = test.substr(test.find(L'.') + 1);
    return code == 0 && json.find("\"name\": \"" + std::string(name.begin(), name.end()) + "\"") != std::string::npos &&
           json.find("\"result\": \"COMPLETED\"") != std::string::npos;
}

int EndLeftoverProcesses(const wchar_t* exeName) {
    int ended = 0;
    DWORD deadline = GetTickCount() + 10000;
    for (Handle& process : OpenProcessesNamed(exeName)) {
        DWORD left = static_cast<LONG>(deadline - GetTickCount()) > 0 ? deadline - GetTickCount() : 0;
        if (WaitForSingleObject(process.Get(), left) == WAIT_OBJECT_0) continue;
        TerminateProcess(process.Get(), 0xDEAD);
        WaitForSingleObject(process.Get(), 5000);
        ++ended;
    }
    return ended;
}
