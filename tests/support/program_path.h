// The running test program's path and folder.
#pragma once
#include <windows.h>
#include <string>
inline std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}
inline std::wstring ProgramFolder() {  // without a trailing backslash
    const std::wstring path = ProgramPath();
    return path.substr(0, path.rfind(L'\\'));
}
