#include "console.h"

#include <cstdarg>

void Print(LPCWSTR text) {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0, written = 0;
    int length = lstrlenW(text);
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, text, length, &written, nullptr);
        return;
    }
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return;
    char* utf8 = new char[bytes];
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8, bytes, nullptr, nullptr);
    WriteFile(out, utf8, bytes, &written, nullptr);
    delete[] utf8;
}

void PrintLine(LPCWSTR format, ...) {
    CString line;
    va_list args;
    va_start(args, format);
    line.FormatV(format, args);
    va_end(args);
    line += L"\n";
    Print(line);
}
