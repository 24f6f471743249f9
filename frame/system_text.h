// The system's text for a Win32 error code, as the error box and the error log show it.
#pragma once

#include <windows.h>

namespace zc {

// -1 stands for the calling thread's last error; call this before any other system call.
inline long ResolveErrorCode(long code) { return code == -1 ? static_cast<long>(GetLastError()) : code; }

// FormatMessageW's own allocation for one code (user's default language), released on scope exit.
// Text() is "" when the system has no text for the code.
class SystemText {
public:
    explicit SystemText(long code);
    ~SystemText();
    SystemText(const SystemText&) = delete;
    SystemText& operator=(const SystemText&) = delete;

    LPCWSTR Text() const { return m_text ? m_text : L""; }

private:
    LPWSTR m_text = nullptr;
};

}  // namespace zc
