// Scans of a range of 8- or 16-bit units: forward for the first unit equal to c that a predicate
// accepts, optionally copying the units passed over, and backward for the last unit equal to c.
// Fields are short, so the scans are inline: sixteen bytes at a time with SSE2 where the target
// has it, one unit at a time elsewhere and for the last units of the range.
#pragma once

#include <cstddef>

#include "block_reads.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace zc::csv {

// A unit that ends a field when it follows a closing quote.
template <class Ch>
constexpr bool EndsField(Ch unit, Ch separator) {
    return unit == separator || unit == Ch('\n') || unit == 0;
}

#ifdef __SSE2__
template <class Ch>
inline __m128i Spread(Ch c) {
    return sizeof(Ch) == 1 ? _mm_set1_epi8(static_cast<char>(c)) : _mm_set1_epi16(static_cast<short>(c));
}

template <class Ch>
inline __m128i Same(__m128i units, __m128i wanted) {
    return sizeof(Ch) == 1 ? _mm_cmpeq_epi8(units, wanted) : _mm_cmpeq_epi16(units, wanted);
}

inline __m128i Load(const void* at) { return _mm_loadu_si128(static_cast<const __m128i*>(at)); }

// The sixteen bytes at `at`, some of them past the end of the line (see block_reads.h).
ZC_BLOCK_READ inline __m128i LoadPastEnd(const void* at) {
    return _mm_loadu_si128(static_cast<const __m128i*>(at));
}
#endif

// Units a copying scan may store past the end of the line's text: a block's room for the rest of
// the line must be this much larger.
template <class Ch>
constexpr std::size_t kCopySlack = 16 / sizeof(Ch);

// Returns the first position p in [from, end) with *p == c and accept(p), or end when there is
// none; with kClosing, only positions followed by a unit that ends a field count. With kCopy,
// the units from `from` up to that position are copied to `to`, which must have room for
// end + 1 - from + kCopySlack units. The last units of the range go in one more block when it lies
// within a page; its units from end on are not used.
template <bool kCopy, bool kClosing, class Ch, class Accept>
inline Ch* ScanFor(Ch* from, Ch* end, Ch c, Ch separator, Accept&& accept, Ch* to = nullptr) {
    static_assert(sizeof(Ch) == 1 || sizeof(Ch) == 2, "8- or 16-bit units");
#ifdef __SSE2__
    constexpr std::ptrdiff_t kLane = 16 / sizeof(Ch);
    constexpr unsigned kUnitBits = (1u << sizeof(Ch)) - 1;  // mask bits of one unit
    const __m128i wanted = Spread(c);
    for (; end + 1 - from >= kLane; from += kLane) {
        __m128i block = Load(from);
        if constexpr (kCopy) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(to), block);
            to += kLane;
        }
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(Same<Ch>(block, wanted)));
        // A Shift_JIS field can hold long runs of quote bytes that are second bytes of kanji, so
        // for a closing quote there the bytes after the matches are checked sixteen at a time
        // (where they are in the range). A wide quote unit is always a quote, rare enough that
        // checking the unit after each one alone is cheaper.
        bool followersKnown = kClosing && sizeof(Ch) == 1 && mask != 0 && end - from >= kLane;
        if (followersKnown) {
            __m128i next = Load(from + 1);
            __m128i ends = _mm_or_si128(_mm_or_si128(Same<Ch>(next, Spread(separator)), Same<Ch>(next, Spread(Ch('\n')))),
                                        Same<Ch>(next, _mm_setzero_si128()));
            mask &= static_cast<unsigned>(_mm_movemask_epi8(ends));
        }
        while (mask != 0) {
            unsigned bit = static_cast<unsigned>(__builtin_ctz(mask));
            Ch* at = from + bit / sizeof(Ch);
            if (at >= end) return end;
            if ((followersKnown || !kClosing || EndsField(at[1], separator)) && accept(at)) return at;
            mask &= ~(kUnitBits << bit);
        }
    }
    if (from < end && WithinPage(from)) {
        __m128i block = LoadPastEnd(from);
        if constexpr (kCopy) _mm_storeu_si128(reinterpret_cast<__m128i*>(to), block);
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(Same<Ch>(block, wanted)));
        mask &= (1u << (end - from) * sizeof(Ch)) - 1;
        while (mask != 0) {
            unsigned bit = static_cast<unsigned>(__builtin_ctz(mask));
            Ch* at = from + bit / sizeof(Ch);
            if ((!kClosing || EndsField(at[1], separator)) && accept(at)) return at;
            mask &= ~(kUnitBits << bit);
        }
        return end;
    }
#endif
    for (; from < end; ++from) {
        if (*from == c && (!kClosing || EndsField(from[1], separator)) && accept(from)) return from;
        if constexpr (kCopy) *to++ = *from;
    }
    return end;
}

// The last position in [begin, end) holding c, or null.
template <class Ch>
inline Ch* FindLast(Ch* begin, Ch* end, Ch c) {
    if (end > begin && end[-1] == c) return end - 1;  // the usual line, ending in its LF
#ifdef __SSE2__
    constexpr std::ptrdiff_t kLane = 16 / sizeof(Ch);
    const __m128i wanted = Spread(c);
    for (; end - begin >= kLane; end -= kLane) {
        auto mask = static_cast<unsigned>(_mm_movemask_epi8(Same<Ch>(Load(end - kLane), wanted)));
        if (mask != 0) return end - kLane + (31 - __builtin_clz(mask)) / sizeof(Ch);
    }
#endif
    while (end > begin)
        if (*--end == c) return end;
    return nullptr;
}

}  // namespace zc::csv
