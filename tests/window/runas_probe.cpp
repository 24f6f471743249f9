// Started by the elevated-start tests: asks for an elevated restart and appends its arguments
// (after the program name, joined by blanks) and the answer to the file named by ZC_RUNAS_LOG.
// ZC_RUNAS_DEPTH counts the copies: a third generation only logs "stopped", so a restart that
// does not recognise its own copy ends after one extra line instead of starting copies for ever.
#include <ZetoCom.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

int Depth() {
    wchar_t text[16] = {};
    return GetEnvironmentVariableW(L"ZC_RUNAS_DEPTH", text, 16) ? _wtoi(text) : 0;
}

void Log(const std::wstring& line) {
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"ZC_RUNAS_LOG", path, MAX_PATH)) return;
    if (FILE* file = _wfopen(path, L"ab")) {
        std::fprintf(file, "%ls\n", line.c_str());
        std::fclose(file);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring arguments = argc > 1 ? L"" : L"(none)";
    for (int i = 1; i < argc; ++i) arguments += (i > 1 ? L" " : L"") + std::wstring(argv[i]);
    int depth = Depth();
    if (depth >= 2) {
        Log(arguments + L" -> stopped");
        return 2;
    }
    SetEnvironmentVariableW(L"ZC_RUNAS_DEPTH", std::to_wstring(depth + 1).c_str());
    int result = Cm_RunAsStart();
    Log(arguments + L" -> " + std::to_wstring(result));
    return result;
}
