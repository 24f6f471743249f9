// The text functions as the tests see them: the exported functions of the real DLL under Wine,
// the core built with sanitizers natively. The number texts come back as std::string on both.
#pragma once

#include "text_api.h"

#include <cstdint>
#include <string>
#include <vector>

std::string CommaInt(std::int64_t value);
std::string CommaReal(double value, int decimals);
std::string ByteSize(std::int64_t size);
// Size of a runtime heap block as the library's allocator reports it.
std::size_t HeapBlockBytes(void* block);

using Bytes = std::vector<unsigned char>;
using WideText = std::basic_string<zc::WideUnit>;

// The same characters in the unit type of the platform.
inline WideText Wide(const char16_t* text) {
    WideText out;
    for (; *text; ++text) out += static_cast<zc::WideUnit>(*text);
    return out;
}
