// The calling thread's locale set to English (United States), code page 1252 where the system's is 932.
#pragma once
#include <windows.h>
class EnglishThreadLocale {
public:
    EnglishThreadLocale() : m_set(SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), 0))) {}
    ~EnglishThreadLocale() { SetThreadLocale(m_saved); }
    bool IsSet() const { return m_set; }
private:
    LCID m_saved = GetThreadLocale();
    bool m_set;
};
