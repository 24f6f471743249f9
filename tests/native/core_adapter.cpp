// Natively: the number texts straight from the core's stack buffers.
#include <malloc.h>
#include <string>
#include "text_api.h"
#define ZC_TEXT(format) zc::NumberText t; return std::string(t, format)
std::string CommaInt(std::int64_t value) { ZC_TEXT(zc::FormatCommaInt(value, t)); }
std::string CommaReal(double value, int decimals) { ZC_TEXT(zc::FormatCommaReal(value, decimals, t)); }
std::string ByteSize(std::int64_t size) { ZC_TEXT(zc::FormatByteSize(size, t)); }
std::size_t HeapBlockBytes(void* block) { return malloc_usable_size(block); }
