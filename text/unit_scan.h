// Forward scan of a range of 8- or 16-bit units for the first unit equal to c that a predicate
// accepts, optionally copying the units passed over. Fields are short, so the scan is inline:
// sixteen bytes at a time with SSE2 where the target has it, one unit at a time elsewhere and
// for the last units of the range.
#pragma once

#include <cstddef>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace zc::csv {

// Returns the first position p in [from, end) with *p == c and accept(p), or end when there is
// none. With kCopy, the units from `from` up to that position are copied to `to`, which must have
// room for end + 1 - from units; loads and stores never go past end (which must be readable).
template <bool kCopy, class Ch, class Accept>
inline Ch* ScanFor(Ch* from, Ch* end, Ch c, Accept&& accept, Ch* to = nullptr) {
    static_assert(sizeof(Ch) == 1 || sizeof(Ch) == 2, "8- or 16-bit units");
#ifdef __SSE2__
    constexpr std::ptrdiff_t kLane = 16 / sizeof(Ch);
    constexpr unsigned kUnitBits = (1u << sizeof(Ch)) - 1;  // mask bits of one unit
    const __m128i wanted = sizeof(Ch) == 1 ? _mm_set1_epi8(static_cast<char>(c))
                                           : _mm_set1_epi16(static_cast<short>(c));
    for (; end + 1 - from >= kLane; from += kLane) {
        __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        if constexpr (kCopy) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to), block);
            to += kLane;
        }
        __m128i same = sizeof(Ch) == 1 ? _mm_cmpeq_epi8(block, wanted) : _mm_cmpeq_epi16(block, wanted);
        for (unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(same)); mask != 0;) {
            unsigned bit = static_cast<unsigned>(__builtin_ctz(mask));
            Ch* at = from + bit / sizeof(Ch);
            if (at >= end) return end;
            if (accept(at)) return at;
            mask &= ~(kUnitBits << bit);
        }
    }
#endif
    for (; from < end; ++from) {
        if (*from == c && accept(from)) return from;
        if constexpr (kCopy) *to++ = *from;
    }
    return end;
}

}  // namespace zc::csv
