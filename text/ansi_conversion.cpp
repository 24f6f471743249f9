// ANSI (the calling thread's code page) to UTF-16 and back; results from operator new.
#include <ZetoCom.h>

#include <cstring>
#include <cwchar>
#include <new>

wchar_t* Cm_ToUnicode(const char* text) {
    int n = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    auto* buffer = new (std::nothrow) wchar_t[n + 1];
    if (!buffer) return nullptr;
    if (!MultiByteToWideChar(CP_THREAD_ACP, 0, text, static_cast<int>(strlen(text)) + 1, buffer, n)) {
        delete[] buffer;
        return nullptr;
    }
    return buffer;
}

char* Cm_FromUnicode(const wchar_t* text) {
    int m = WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    auto* buffer = new (std::nothrow) char[m];
    if (!buffer) return nullptr;
    if (!WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(wcslen(text)) + 1, buffer, m, nullptr,
                             nullptr)) {
        delete[] buffer;
        return nullptr;
    }
    return buffer;
}
