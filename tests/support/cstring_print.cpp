#include "cstring_print.h"

#include <string>

void PrintTo(const CString& text, std::ostream* os) {
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    std::string utf8(bytes, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, text.GetLength(), utf8.data(), bytes, nullptr, nullptr);
    *os << "L\"" << utf8 << "\"";
}
