// CRegistry's system, user and machine scopes: each composes its key path and calls a primitive.
#include <ZetoCom.h>

namespace {

constexpr int kSystem = 1;
constexpr int kUser = 2;
constexpr int kMachine = 3;

// key\name below HKEY_CLASSES_ROOT; the organisation name plays no part.
CString SystemPath(const CString& key, const CString& name) { return key + L"\\" + name; }

// SOFTWARE\[organisation\]key\name, the same below HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE.
CString SoftwarePath(const CString& organisation, const CString& key, const CString& name) {
    CString path(L"SOFTWARE\\");
    if (!organisation.IsEmpty()) {
        path += organisation;
        path += L"\\";
    }
    path += key;
    path += L"\\";
    path += name;
    return path;
}

}  // namespace

int CRegistry::SetSystemEntry(const CString& key, const CString& name, const CString& text) {
    return SetEntry(kSystem, SystemPath(key, name), text);
}

int CRegistry::SetSystemEntry(const CString& key, const CString& name, long number) {
    return SetEntry(kSystem, SystemPath(key, name), number);
}

int CRegistry::HasSystemKey(const CString& key, const CString& name) {
    return HasKey(kSystem, SystemPath(key, name));
}

int CRegistry::GetSystemEntry(const CString& key, const CString& name, CString& text) {
    return GetEntry(kSystem, SystemPath(key, name), text);
}

int CRegistry::GetSystemEntry(const CString& key, const CString& name, long& number) {
    return GetEntry(kSystem, SystemPath(key, name), number);
}

int CRegistry::SetUserEntry(const CString& key, const CString& name, const CString& text) {
    return SetEntry(kUser, SoftwarePath(m_strOrganisation, key, name), text);
}

int CRegistry::SetUserEntry(const CString& key, const CString& name, long number) {
    return SetEntry(kUser, SoftwarePath(m_strOrganisation, key, name), number);
}

int CRegistry::HasUserKey(const CString& key, const CString& name) {
    return HasKey(kUser, SoftwarePath(m_strOrganisation, key, name));
}

int CRegistry::GetUserEntry(const CString& key, const CString& name, CString& text) {
    return GetEntry(kUser, SoftwarePath(m_strOrganisation, key, name), text);
}

int CRegistry::GetUserEntry(const CString& key, const CString& name, long& number) {
    return GetEntry(kUser, SoftwarePath(m_strOrganisation, key, name), number);
}

int CRegistry::SetMachineEntry(const CString& key, const CString& name, const CString& text) {
    return SetEntry(kMachine, SoftwarePath(m_strOrganisation, key, name), text);
}

int CRegistry::SetMachineEntry(const CString& key, const CString& name, long number) {
    return SetEntry(kMachine, SoftwarePath(m_strOrganisation, key, name), number);
}

int CRegistry::HasMachineKey(const CString& key, const CString& name) {
    return HasKey(kMachine, SoftwarePath(m_strOrganisation, key, name));
}

int CRegistry::GetMachineEntry(const CString& key, const CString& name, CString& text) {
    return GetEntry(kMachine, SoftwarePath(m_strOrganisation, key, name), text);
}

int CRegistry::GetMachineEntry(const CString& key, const CString& name, long& number) {
    return GetEntry(kMachine, SoftwarePath(m_strOrganisation, key, name), number);
}

int CRegistry::DeleteMachineEntry(const CString& key, const CString& name) {
    return DeleteEntry(kMachine, SoftwarePath(m_strOrganisation, key, name));
}
