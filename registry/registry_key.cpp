// Root selection, key handles and value reading shared by the members of CRegistry.
#include "registry_key.h"

#include <cstring>
#include <memory>

namespace zc {

HKEY RootKey(int selector) {
    switch (selector) {
    case 1: return HKEY_CLASSES_ROOT;
    case 2: return HKEY_CURRENT_USER;
    case 3: return HKEY_LOCAL_MACHINE;
    default: return nullptr;
    }
}

void RegKey::Close() {
    if (m_hKey) RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

bool OpenOrCreateForWrite(HKEY root, const CString& key, RegKey& handle) {
    if (RegOpenKeyExW(root, key, 0, kWriteAccess, handle.Receive()) == ERROR_SUCCESS) return true;
    DWORD disposition = 0;
    return RegCreateKeyExW(root, key, 0, nullptr, REG_OPTION_NON_VOLATILE, kWriteAccess, nullptr,
                           handle.Receive(), &disposition) == ERROR_SUCCESS;
}

LONG QueryValue(HKEY key, LPCWSTR name, ValueData& data) {
    std::memset(data.bytes, 0, sizeof data.units);
    data.size = ValueData::kCapacity;
    LONG result = RegQueryValueExW(key, name, nullptr, &data.type, data.bytes, &data.size);
    if (result == ERROR_SUCCESS) data.units[data.size / sizeof(wchar_t)] = L'\0';
    return result;
}

void AssignThroughAnsi(const wchar_t* source, CString& text) {
    struct OperatorDelete {
        void operator()(char* p) const { ::operator delete(p); }
    };
    std::unique_ptr<char, OperatorDelete> narrowed(Cm_FromUnicode(source));
    // Widened explicitly: CString's own 8-bit assignment takes the thread's code page.
    const int units = narrowed ? MultiByteToWideChar(CP_ACP, 0, narrowed.get(), -1, nullptr, 0) : 0;
    if (units <= 0) return text.Empty();
    MultiByteToWideChar(CP_ACP, 0, narrowed.get(), -1, text.GetBuffer(units), units);
    text.ReleaseBuffer();
}

}  // namespace zc
