// Sixteen-byte reads that may run past the end of a text: such a block is read only when it lies
// within one 4 KB page, which the text's last byte holds, so the read cannot fault. The bytes past
// the end are never used, and the reads are exempt from AddressSanitizer for that reason.
#pragma once

#include <cstdint>

#if defined(__GNUC__) || defined(__clang__)
#define ZC_BLOCK_READ __attribute__((no_sanitize_address))
#else
#define ZC_BLOCK_READ
#endif

namespace zc {

// Whether the sixteen bytes at p lie within one page.
inline bool WithinPage(const void* p) { return (reinterpret_cast<std::uintptr_t>(p) & 4095) <= 4096 - 16; }

}  // namespace zc
