// CRegistry's primitives: one value set, read, tested or deleted per call, by root and key path.
#include <ZetoCom.h>

#include <cwchar>

#include "registry_key.h"

namespace {

// Where an entry path leads: the root key (null for an unknown root selector), the key path below
// it and the value's name.
struct Entry {
    HKEY root = nullptr;
    CString key, name;
};

Entry Locate(int root, const CString& path) {
    Entry entry;
    entry.root = zc::RootKey(root);
    if (entry.root) CRegistry::SplitKeyName(path, entry.key, entry.name);
    return entry;
}

}  // namespace

int CRegistry::SetEntry(int root, CString path, CString text) {
    const Entry entry = Locate(root, path);
    if (!entry.root) return 0;

    zc::RegKey handle;
    if (!zc::OpenOrCreateForWrite(entry.root, entry.key, handle)) return 0;
    const DWORD bytes = static_cast<DWORD>(text.GetLength() + 1) * sizeof(wchar_t);
    const LONG result = RegSetValueExW(handle.Get(), entry.name, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.GetString()), bytes);
    handle.Close();
    return result == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::SetEntry(int root, CString path, long number) {
    CString text;
    text.Format(L"%ld", number);
    return SetEntry(root, path, text);
}

int CRegistry::GetEntry(int root, const CString& path, CString& text) {
    const Entry entry = Locate(root, path);
    if (!entry.root) return 0;

    zc::RegKey handle;
    if (RegOpenKeyExW(entry.root, entry.key, 0, zc::kReadAccess, handle.Receive()) != ERROR_SUCCESS) return 0;
    zc::ValueData data;
    const LONG result = zc::QueryValue(handle.Get(), entry.name, data);
    handle.Close();
    if (result != ERROR_SUCCESS) return 0;
    return ConvertToString(data.bytes, data.type, text);
}

int CRegistry::GetEntry(int root, const CString& path, long& number) {
    CString text;
    if (!GetEntry(root, path, text)) return 0;
    number = _wtol(text);
    return 1;
}

int CRegistry::HasKey(int root, const CString& path) {
    const Entry entry = Locate(root, path);
    if (!entry.root) return 0;

    zc::RegKey handle;
    return RegOpenKeyExW(entry.root, entry.key, 0, zc::kReadAccess, handle.Receive()) == ERROR_SUCCESS ? 1 : 0;
}

int CRegistry::DeleteEntry(int root, const CString& path) {
    const Entry entry = Locate(root, path);
    if (!entry.root) return 0;

    zc::RegKey handle;
    if (!zc::OpenOrCreateForWrite(entry.root, entry.key, handle)) return 0;
    const LONG result = RegDeleteValueW(handle.Get(), entry.name);
    handle.Close();
    return result == ERROR_SUCCESS ? 1 : 0;
}
