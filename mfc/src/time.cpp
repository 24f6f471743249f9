// CTime: the clock of the C runtime, formatted in local time.
#include <afx.h>

#include <ctime>
#include <cwchar>

CTime WINAPI CTime::GetCurrentTime() { return CTime(_time64(nullptr)); }

// As in MFC, the text has room for 127 units; a longer one, or a time that cannot be converted,
// gives an empty string. Wine's wcsftime fills a buffer that is one unit too small completely,
// without the terminator, and answers its size, so the count is checked as well.
CString CTime::Format(LPCWSTR pszFormat) const {
    constexpr std::size_t kRoom = 128;
    wchar_t text[kRoom];
    struct tm local;
    if (_localtime64_s(&local, &m_time) != 0) return CString();
    std::size_t length = wcsftime(text, kRoom, pszFormat, &local);
    if (length == 0 || length >= kRoom) return CString();
    return CString(text, static_cast<int>(length));
}
