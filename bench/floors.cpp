#include "floors.h"

#include <emmintrin.h>

#include <cstring>

namespace bench {

namespace {

inline unsigned Mask(const unsigned char* p, char c) {
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, _mm_set1_epi8(c))));
}

inline unsigned Lowest(unsigned mask) { return static_cast<unsigned>(__builtin_ctz(mask)); }

}  // namespace

// Sixteen bytes a step, each CR taken out by storing the rest of the block again one byte back,
// two per block without a branch: the library's plain-line step without its checks.
std::size_t DropReturns(const unsigned char* s, std::size_t n, unsigned char* d) {
    unsigned char* start = d;
    for (const unsigned char* end = s + n; s < end; s += 16) {
        unsigned returns = Mask(s, '\r');
        std::memcpy(d, s, 16);
        unsigned second = returns & (returns - 1), rest = second & (second - 1);
        unsigned k1 = Lowest(returns | 0x10000), k2 = Lowest(second | 0x10000);
        std::size_t from1 = returns ? k1 + 1 : 0, to1 = returns ? k1 : 0;
        std::size_t from2 = second ? k2 + 1 : from1, to2 = second ? k2 - 1 : to1;
        std::memcpy(d + to1, s + from1, 16);
        std::memcpy(d + to2, s + from2, 16);
        std::size_t dropped = (returns != 0) + (second != 0);
        for (; rest; rest &= rest - 1, ++dropped) std::memcpy(d + Lowest(rest) - dropped, s + Lowest(rest) + 1, 16);
        d += 16 - dropped;
    }
    return static_cast<std::size_t>(d - start);
}

// The same shape the other way: for each LF the rest of the block again one byte further on, with
// CR LF put in front, two per block without a branch.
std::size_t AddReturns(const unsigned char* s, std::size_t n, unsigned char* d) {
    unsigned char* start = d;
    auto put = [&](std::ptrdiff_t out, std::ptrdiff_t at, std::ptrdiff_t shift, unsigned first) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + at - shift));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + out), _mm_insert_epi16(v, static_cast<int>(first), 0));
        std::memcpy(d + out + shift, s + at, 16);
    };
    for (const unsigned char* end = s + n; s < end; s += 16) {
        unsigned lines = Mask(s, '\n');
        std::memcpy(d, s, 16);
        unsigned second = lines & (lines - 1), rest = second & (second - 1);
        unsigned k1 = Lowest(lines | 0x10000), k2 = Lowest(second | 0x10000);
        unsigned plain = s[0] | s[1] << 8, first1 = lines ? 0x0A0Du : plain, first2 = second ? 0x0A0Du : first1;
        std::ptrdiff_t at1 = lines ? k1 : 0, shift1 = lines ? 1 : 0;
        std::ptrdiff_t at2 = second ? k2 : at1, out2 = second ? k2 + 1 : at1, shift2 = second ? 1 : shift1;
        put(at1, at1, shift1, first1);
        put(out2, at2, shift2, first2);
        std::size_t added = (lines != 0) + (second != 0);
        for (; rest; rest &= rest - 1, ++added) put(Lowest(rest) + added, Lowest(rest), 1, 0x0A0D);
        d += 16 + added;
    }
    return static_cast<std::size_t>(d - start);
}

// One branch per run: where the next escape is.
std::size_t SkipEscapes(const unsigned char* s, std::size_t n, unsigned char* d) {
    unsigned char* start = d;
    for (const unsigned char* end = s + n; s < end;) {
        unsigned escapes = Mask(s, 0x1B);
        std::memcpy(d, s, 16);
        if (!escapes) {
            s += 16;
            d += 16;
            continue;
        }
        unsigned at = Lowest(escapes);
        d += at;
        s += at + 3;
    }
    return static_cast<std::size_t>(d - start);
}

// The same runs from the Shift_JIS side: the bytes copied as they are, ESC $ B written where a run
// of pairs begins and ESC ( B where it ends, one branch per run on where it ends.
std::size_t MarkRuns(const unsigned char* s, std::size_t n, unsigned char* d) {
    unsigned char* start = d;
    for (const unsigned char* end = s + n; s < end;) {
        auto highs = static_cast<unsigned>(_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s))));
        std::memcpy(d, s, 16);
        if (!highs) {
            s += 16;
            d += 16;
            continue;
        }
        unsigned at = Lowest(highs);
        s += at;
        d += at;
        std::memcpy(d, "\x1B$B", 3);
        d += 3;
        for (;;) {  // pairs: a lead byte at every even offset
            highs = static_cast<unsigned>(_mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s))));
            std::memcpy(d, s, 16);
            unsigned plain = ~highs & 0x5555;
            if (!plain) {
                s += 16;
                d += 16;
                continue;
            }
            at = Lowest(plain);
            s += at;
            d += at;
            break;
        }
        std::memcpy(d, "\x1B(B", 3);
        d += 3;
    }
    return static_cast<std::size_t>(d - start);
}

}  // namespace bench
