// The temporary directory and new temporary files ("zto" prefix); failures are always shown.
#include <ZetoCom.h>

#include "path_work_area.h"

namespace {

// The temporary directory, with its trailing backslash, in the path work area; null on failure.
const wchar_t* TempDirectory() {
    wchar_t* area = zc::PathWorkArea();
    DWORD length = GetTempPathW(MAX_PATH, area);
    if (length == 0) return nullptr;
    if (length >= MAX_PATH) {  // the size it would need: nothing was written
        SetLastError(ERROR_BUFFER_OVERFLOW);
        return nullptr;
    }
    return area;
}

}  // namespace

BOOL Cm_GetTempPathName(LPWSTR buffer) {
    const wchar_t* directory = TempDirectory();
    if (!directory) {
        Cm_ErrorMessage(-1, 0);
        return FALSE;
    }
    lstrcpynW(buffer, directory, MAX_PATH);
    return TRUE;
}

BOOL Cm_GetTempFileName(LPWSTR buffer) {
    const wchar_t* directory = TempDirectory();
    if (!directory || !GetTempFileNameW(directory, L"zto", 0, buffer)) {
        Cm_ErrorMessage(-1, 0);
        return FALSE;
    }
    return TRUE;
}
