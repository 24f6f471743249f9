// ANSI (the calling thread's code page) to UTF-16 and back. The results come from the global
// operator new, and the caller releases them with the global operator delete.
#include <ZetoCom.h>

#include <cstring>
#include <cwchar>
#include <new>

wchar_t* Cm_ToUnicode(const char* text) {
    if (!text) return nullptr;
    int n = MultiByteToWideChar(CP_THREAD_ACP, 0, text, -1, nullptr, 0);
    if (n == 0) return nullptr;  // the size query failed: a second call would only ask it again
    auto* buffer = static_cast<wchar_t*>(::operator new((n + 1) * sizeof(wchar_t), std::nothrow));
    if (!buffer) return nullptr;
    if (!MultiByteToWideChar(CP_THREAD_ACP, 0, text, static_cast<int>(strlen(text)) + 1, buffer, n)) {
        ::operator delete(buffer);
        return nullptr;
    }
    return buffer;
}

char* Cm_FromUnicode(const wchar_t* text) {
    if (!text) return nullptr;
    int m = WideCharToMultiByte(CP_THREAD_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (m == 0) return nullptr;
    auto* buffer = static_cast<char*>(::operator new(m, std::nothrow));
    if (!buffer) return nullptr;
    if (!WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(wcslen(text)) + 1, buffer, m, nullptr,
                             nullptr)) {
        ::operator delete(buffer);
        return nullptr;
    }
    return buffer;
}
