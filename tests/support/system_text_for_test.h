// The system's own text for a code, asked for independently of the library, and the box the
// library shows for a code.
#pragma once

#include <windows.h>

#include <string>

#include "message_box_watcher.h"

inline std::wstring SystemTextOf(DWORD code) {
    LPWSTR text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0,
                   nullptr);
    std::wstring result = text ? text : L"";
    LocalFree(text);
    return result;
}

// What Cm_ErrorMessage shows for a code: "[Error:code] " (in signed decimal) and the system's text,
// with the information icon.
inline SeenMessageBox ErrorBoxOf(DWORD code) {
    return {true, L"Error Message", L"[Error:" + std::to_wstring(LONG(code)) + L"] " + SystemTextOf(code),
            UINT(MB_OK | MB_ICONINFORMATION)};
}
