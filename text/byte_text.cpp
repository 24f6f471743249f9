// Small byte and character operations: hexadecimal text to bytes, 16-bit byte order, replacing
// one character.
#include <ZetoCom.h>

#include <cstdlib>
#include <cstring>

unsigned char* Cm_16ToChar(const char* hex) {
    if (!hex) return nullptr;
    size_t n = strlen(hex);
    auto* block = static_cast<unsigned char*>(calloc(n, 1));
    if (!block) return nullptr;
    for (size_t i = 0; i < n; i += 2) {
        char pair[3] = {hex[i], i + 1 < n ? hex[i + 1] : '\0', '\0'};
        block[i / 2] = static_cast<unsigned char>(strtol(pair, nullptr, 16));
    }
    return block;
}

void Cm_ChangeByteOrder(unsigned char* buffer, int length) {
    if (!buffer) return;
    // An odd last byte has no partner and stays as it is.
    for (int i = 0; i + 1 < length; i += 2) {
        unsigned char b = buffer[i];
        buffer[i] = buffer[i + 1];
        buffer[i + 1] = b;
    }
}

int Cm_StrReplace(wchar_t* text, wchar_t from, wchar_t to) {
    if (!text || from == 0) return 0;
    int count = 0;
    for (wchar_t* p = wcschr(text, from); p; p = wcschr(p, from)) {
        ++count;
        *p = to;
        if (to == from) ++p;  // equal characters: counted, nothing changes
    }
    return count;
}
