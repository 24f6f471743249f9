// CTime: the clock of the C runtime, formatted in local time.
#include <afx.h>

#include <ctime>
#include <cwchar>

CTime WINAPI CTime::GetCurrentTime() { return CTime(_time64(nullptr)); }

CString CTime::Format(LPCWSTR pszFormat) const {
    wchar_t text[256] = L"";
    struct tm local;
    if (_localtime64_s(&local, &m_time) == 0) wcsftime(text, 256, pszFormat, &local);
    return CString(text);
}
