// Restarting the program elevated: the copy is started with "runas" as its only argument, which
// is how it knows that it is the elevated one.
#include <ZetoCom.h>
#include <shellapi.h>

#include <cwchar>

#include "../sysinfo/name_work_area.h"

namespace {

class ArgumentList {
public:
    ArgumentList() : m_argv(CommandLineToArgvW(GetCommandLineW(), &m_argc)) {}
    ~ArgumentList() {
        if (m_argv) LocalFree(m_argv);
    }
    ArgumentList(const ArgumentList&) = delete;
    ArgumentList& operator=(const ArgumentList&) = delete;
    bool Split() const { return m_argv != nullptr; }
    bool IsElevatedCopy() const { return m_argc >= 2 && wcscmp(m_argv[1], L"runas") == 0; }

private:
    int m_argc = 0;
    LPWSTR* m_argv;
};

}  // namespace

// A command line that cannot be split starts nothing.
int Cm_RunAsStart() {
    ArgumentList arguments;
    if (!arguments.Split() || arguments.IsElevatedCopy()) return 0;
    wchar_t* path = zc::NameWorkArea();
    if (GetModuleFileNameW(nullptr, path, MAX_PATH) == 0) return 0;
    auto started = reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, L"runas", path, L"runas", nullptr, SW_SHOWNORMAL));
    return started > 32 ? 1 : 0;
}
