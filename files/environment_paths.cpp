// Expansion of %NAME% references and its reverse, through the path work area; the input comes
// back unchanged when the platform call fails.
#include <ZetoCom.h>

#include <shlwapi.h>

#include "path_work_area.h"

CString Cm_ExpandEnvironmentStrings(LPCWSTR text) {
    wchar_t* area = zc::ClearedPathWorkArea();
    if (ExpandEnvironmentStringsW(text, area, zc::kPathWorkAreaUnits) == 0) return CString(text);
    return CString(area);
}

CString Cm_PathUnExpandEnvStrings(LPCWSTR path) {
    wchar_t* area = zc::ClearedPathWorkArea();
    if (!PathUnExpandEnvStringsW(path, area, zc::kPathWorkAreaUnits)) return CString(path);
    return CString(area);
}
