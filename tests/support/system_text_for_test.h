// The system's own text for a code, asked for independently of the library.
#pragma once

#include <windows.h>

#include <string>

inline std::wstring SystemTextOf(DWORD code) {
    LPWSTR text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0,
                   nullptr);
    std::wstring result = text ? text : L"";
    LocalFree(text);
    return result;
}
