// Natively: the number texts straight from the core's stack buffers.
#include <malloc.h>

#include "text_under_test.h"

std::string CommaInt(std::int64_t value) {
    zc::NumberText text;
    return std::string(text, zc::FormatCommaInt(value, text));
}

std::string CommaReal(double value, int decimals) {
    zc::NumberText text;
    return std::string(text, zc::FormatCommaReal(value, decimals, text));
}

std::string ByteSize(std::int64_t size) {
    zc::NumberText text;
    return std::string(text, zc::FormatByteSize(size, text));
}

std::size_t HeapBlockBytes(void* block) { return malloc_usable_size(block); }
