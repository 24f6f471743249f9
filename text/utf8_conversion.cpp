// UTF-8 to the system's ANSI code page, and UTF-16 to UTF-8. Results come from malloc; an empty
// text, a failed conversion or a failed allocation gives null.
#include <ZetoCom.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

char* Cm_Utf8ToShiftJis(const char* text) {
    if (!text) return nullptr;
    int bytes = static_cast<int>(strlen(text));
    int n = MultiByteToWideChar(CP_UTF8, 0, text, bytes, nullptr, 0);
    if (n == 0) return nullptr;
    auto* wide = static_cast<wchar_t*>(malloc(n * sizeof(wchar_t)));
    if (!wide) return nullptr;
    char* result = nullptr;
    if (MultiByteToWideChar(CP_UTF8, 0, text, bytes, wide, n)) {
        int m = WideCharToMultiByte(CP_ACP, 0, wide, n, nullptr, 0, nullptr, nullptr);
        if (m != 0 && (result = static_cast<char*>(calloc(m + 1, 1)))) {
            if (!WideCharToMultiByte(CP_ACP, 0, wide, n, result, m, nullptr, nullptr)) {
                free(result);
                result = nullptr;
            }
        }
    }
    free(wide);
    return result;
}

char* Cm_UnicodeToUtf8(const wchar_t* text) {
    if (!text) return nullptr;
    int units = static_cast<int>(wcslen(text));
    int m = WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
    if (m == 0) return nullptr;
    auto* result = static_cast<char*>(malloc(m + 1));
    if (!result) return nullptr;
    if (!WideCharToMultiByte(CP_UTF8, 0, text, units, result, m, nullptr, nullptr)) {
        free(result);
        return nullptr;
    }
    result[m] = 0;
    return result;
}
