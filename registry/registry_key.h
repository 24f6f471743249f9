// Shared pieces of CRegistry: root selection, an owned key handle, the value read buffer and the
// ANSI round trip that text values take on their way out.
#pragma once

#include <ZetoCom.h>

namespace zc {

// Registry access rights of the class: writing and deleting, reading and testing.
constexpr REGSAM kWriteAccess = KEY_WRITE;
constexpr REGSAM kReadAccess = KEY_READ;
static_assert(KEY_WRITE == 0x20006 && KEY_READ == 0x20019, "the access rights the class asks for");

// Root selectors 1, 2 and 3; null for any other number.
HKEY RootKey(int selector);

// An open registry key, closed when the owner goes out of scope (or earlier by Close).
class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    HKEY* Receive() { return &m_hKey; }  // for the Win32 call that opens or creates the key
    HKEY Get() const { return m_hKey; }
    void Close();

private:
    HKEY m_hKey = nullptr;
};

// RegOpenKeyExW, and on failure RegCreateKeyExW creating every missing key along the path.
bool OpenOrCreateForWrite(HKEY root, const CString& key, RegKey& handle);

// Data of one value as read by the class: 1024 bytes, and one unit more so that text data that
// fills them, or that other software stored without its terminator, still ends.
struct ValueData {
    static constexpr DWORD kCapacity = 1024;
    union {
        BYTE bytes[kCapacity];
        wchar_t units[kCapacity / 2 + 1];
    };
    DWORD type = REG_NONE;
    DWORD size = kCapacity;
};

// RegQueryValueExW into the buffer; a successful read is terminated after the bytes it returned.
LONG QueryValue(HKEY key, LPCWSTR name, ValueData& data);

// The text narrowed to the thread's ANSI code page and widened back through the system's:
// characters the code page lacks do not survive. Empty when the narrowing fails.
void AssignThroughAnsi(const wchar_t* source, CString& text);

}  // namespace zc
