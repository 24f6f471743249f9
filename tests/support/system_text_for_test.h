// The box of Cm_ErrorMessage: "[Error:code] " (signed) and the system's own text, with the information icon.
#pragma once
#include "message_box_watcher.h"
inline SeenMessageBox ErrorBoxOf(DWORD code) {
    LPWSTR text = nullptr;
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr,
                   code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    const std::wstring shown = L"[Error:" + std::to_wstring(LONG(code)) + L"] " + (text ? text : L"");
    LocalFree(text);
    return {true, L"Error Message", shown, UINT(MB_OK | MB_ICONINFORMATION)};
}
