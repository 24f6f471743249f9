// Started by the elevated-start tests: asks for an elevated restart and appends its own command
// line and the answer to the file named by ZC_RUNAS_LOG.
#include <ZetoCom.h>

#include <cstdio>

int wmain(int argc, wchar_t** argv) {
    int result = Cm_RunAsStart();
    wchar_t log[MAX_PATH];
    if (GetEnvironmentVariableW(L"ZC_RUNAS_LOG", log, MAX_PATH)) {
        if (FILE* file = _wfopen(log, L"ab")) {
            std::fprintf(file, "%ls -> %d\n", argc > 1 ? argv[1] : L"(none)", result);
            std::fclose(file);
        }
    }
    return result;
}
