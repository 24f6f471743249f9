// Lets GoogleTest show CString values (as UTF-8) in failure messages.
#pragma once
#include <afx.h>
#include <ostream>
inline void PrintTo(const CString& text, std::ostream* os) {
    std::string utf8(text.GetLength() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, text, text.GetLength(), &utf8[0], int(utf8.size()), nullptr, nullptr));
    *os << "L\"" << utf8 << "\"";
}
