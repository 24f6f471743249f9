// The process's error log: one text-mode stream of time-stamped lines, opened by the host.
#include <ZetoCom.h>

#include <cstdio>

#include "system_text.h"

// The log is written with msvcrt's own fwprintf (%s of a wide format takes a wide string); the
// MinGW runtime's C99 fwprintf would take it for an 8-bit string.

namespace {

FILE* g_log = nullptr;

CString TimeStamp() { return CTime::GetCurrentTime().Format(L"%Y/%m/%d %H:%M:%S"); }

}  // namespace

int Cm_OpenErrorFile(const wchar_t* path, int append) {
    Cm_CloseErrorFile();
    if (!path) return 0;
    g_log = _wfopen(path, append ? L"at" : L"wt");
    return g_log ? 1 : 0;
}

int Cm_WriteErrorString(const wchar_t* text) {
    if (!g_log) return 0;
    int written = __ms_fwprintf(g_log, L"[%s] %s\n", TimeStamp().GetString(), text ? text : L"");
    fflush(g_log);
    return written;
}

long Cm_WriteErrorMessage(long code, long noError) {
    code = zc::ResolveErrorCode(code);
    if (!g_log) return code;
    if (code == noError) return 0;
    zc::SystemText system(code);
    CString text(system.Text());
    text.Remove(L'\r');
    // Not flushed: the line reaches the file at the stream's next flush.
    __ms_fwprintf(g_log, L"[%s] [Error:%d] %s", TimeStamp().GetString(), static_cast<int>(code), text.GetString());
    return code;
}

void Cm_CloseErrorFile(void) {
    if (g_log) fclose(g_log);
    g_log = nullptr;
}
