// The current directory and a module's path, through the name work area. A path that does not fit
// in the work area's 512 units gives the empty string rather than a cut path.
#include <ZetoCom.h>

#include "name_work_area.h"

CString Cm_CurrentDirectory() {
    wchar_t* area = zc::NameWorkArea();
    DWORD n = GetCurrentDirectoryW(zc::kNameWorkAreaUnits, area);
    if (n == 0 || n >= zc::kNameWorkAreaUnits) return CString();
    return CString(area, static_cast<int>(n));
}

CString Cm_GetModuleFileName(HINSTANCE hModule) {
    wchar_t* area = zc::NameWorkArea();
    DWORD n = GetModuleFileNameW(hModule, area, zc::kNameWorkAreaUnits);
    if (n == 0 || n >= zc::kNameWorkAreaUnits) return CString();
    return CString(area, static_cast<int>(n));
}
