// The calling thread's locale set to English (United States), whose ANSI code page is 1252 where
// the system's is 932, for the life of the owner.
#pragma once

#include <windows.h>

class EnglishThreadLocale {
public:
    EnglishThreadLocale()
        : m_saved(GetThreadLocale()),
          m_set(SetThreadLocale(MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)) != FALSE) {}
    ~EnglishThreadLocale() { SetThreadLocale(m_saved); }
    EnglishThreadLocale(const EnglishThreadLocale&) = delete;
    EnglishThreadLocale& operator=(const EnglishThreadLocale&) = delete;
    bool IsSet() const { return m_set; }

private:
    LCID m_saved;
    bool m_set;
};
