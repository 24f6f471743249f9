// CRegistry: the organisation name, the key-path grammar and the text form of stored data.
#include <ZetoCom.h>

#include <cstring>

#include "registry_key.h"

CRegistry::CRegistry(const CString& organisation) : m_strOrganisation(organisation) {}

CRegistry::~CRegistry() {}

void CRegistry::SetOrganisation(const CString& organisation) { m_strOrganisation = organisation; }

CString CRegistry::GetOrganisation() { return m_strOrganisation; }

int CRegistry::SplitKeyName(const CString& path, CString& key, CString& name) {
    const int slash = path.ReverseFind(L'\\');
    if (slash < 0) {
        key.Empty();
        name = path;
    } else {
        key = path.Left(slash);
        name = path.Mid(slash + 1);
    }
    return 1;
}

int CRegistry::ConvertToString(const unsigned char* const data, unsigned long type, CString& text) {
    // No data at all is treated like a type without text.
    if (!data) type = REG_NONE;
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        zc::AssignThroughAnsi(reinterpret_cast<const wchar_t*>(data), text);
        return 1;
    case REG_BINARY:
        text = L"Binary data";
        return 0;
    case REG_DWORD: {
        INT32 number;
        std::memcpy(&number, data, sizeof number);
        text.Format(L"%ld", static_cast<long>(number));
        return 1;
    }
    default:
        text = L"Can't convert to string";
        return 0;
    }
}
