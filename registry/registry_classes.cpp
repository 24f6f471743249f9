// CRegistry's registrations under HKEY_CLASSES_ROOT: application classes and extension values.
#include <ZetoCom.h>

#include "registry_key.h"

int CRegistry::RegisterApp(CString subkey, CString text) {
    const DWORD bytes = static_cast<DWORD>(lstrlenW(text)) * sizeof(wchar_t);
    return RegSetValueW(HKEY_CLASSES_ROOT, subkey, REG_SZ, text, bytes) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::HaveRegistered(CString subkey) const {
    zc::RegKey handle;
    return RegOpenKeyExW(HKEY_CLASSES_ROOT, subkey, 0, zc::kReadAccess, handle.Receive()) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::GetExtension(CString name, CString& text) {
    // A value of the root itself, taken as text whatever its type.
    zc::ValueData data;
    if (zc::QueryValue(HKEY_CLASSES_ROOT, name, data) != ERROR_SUCCESS) return 0;
    zc::AssignThroughAnsi(data.units, text);
    return 1;
}
