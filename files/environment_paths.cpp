// Expansion of %NAME% references and its reverse, through the path work area; the input comes
// back unchanged when the platform call fails, and a null text as an empty one.
#include <ZetoCom.h>

#include <shlwapi.h>

#include "path_work_area.h"

CString Cm_ExpandEnvironmentStrings(LPCWSTR text) {
    if (!text) return CString();
    wchar_t* area = zc::ClearedPathWorkArea();
    if (ExpandEnvironmentStringsW(text, area, zc::kPathWorkAreaUnits) == 0) return CString(text);
    return CString(area);
}

CString Cm_PathUnExpandEnvStrings(LPCWSTR path) {
    if (!path) return CString();
    wchar_t* area = zc::ClearedPathWorkArea();
    if (!PathUnExpandEnvStringsW(path, area, zc::kPathWorkAreaUnits)) return CString(path);
    return CString(area);
}
