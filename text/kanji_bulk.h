// Sixteen-byte steps of the kanji conversions: runs of plain bytes copied a block at a time, and
// runs of double-byte characters converted eight pairs at a time. SSE2 where the compiler targets
// it (both Windows builds), 64-bit words and single pairs elsewhere or when ZC_KANJI_NO_SSE2 is
// defined (the fuzzers build both).
//
// The texts are zero-terminated, so a block may start before the terminator and end after it: it is
// read as block_reads.h says, and the terminator stops every scan before the bytes past it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "block_reads.h"
#include "kanji_pairs.h"

#if !defined(ZC_KANJI_NO_SSE2) && (defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2))
#define ZC_KANJI_SSE2 1
#include <emmintrin.h>
#endif

namespace zc::bulk {

constexpr std::size_t kBlock = 16;

inline unsigned LowestBit(unsigned mask) { return static_cast<unsigned>(__builtin_ctz(mask)); }

// Copies n bytes, n below sixteen, in at most two overlapping moves.
inline void CopyShort(unsigned char* d, const unsigned char* s, std::size_t n) {
    if (n >= 8) {
        std::memcpy(d, s, 8);
        std::memcpy(d + n - 8, s + n - 8, 8);
    } else if (n >= 4) {
        std::memcpy(d, s, 4);
        std::memcpy(d + n - 4, s + n - 4, 4);
    } else if (n) {
        d[0] = s[0];
        d[n / 2] = s[n / 2];
        d[n - 1] = s[n - 1];
    }
}

#ifdef ZC_KANJI_SSE2

ZC_BLOCK_READ inline __m128i Load(const unsigned char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Bit i set where byte i lies in lo..hi (unsigned).
inline __m128i InRange(__m128i v, unsigned char lo, unsigned char hi) {
    __m128i shifted = _mm_sub_epi8(v, _mm_set1_epi8(static_cast<char>(lo)));
    return _mm_cmpeq_epi8(_mm_min_epu8(shifted, _mm_set1_epi8(static_cast<char>(hi - lo))), shifted);
}

// Bit i set where byte i of the block at p is zero.
inline unsigned Zeros(const unsigned char* p) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(Load(p), _mm_setzero_si128())));
}

// Bit i set where byte i of the block at p ends a plain Shift_JIS run: zero, CR, or 0x80 and above.
inline unsigned SjisStops(const unsigned char* p) {
    __m128i v = Load(p);
    __m128i plain = _mm_andnot_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8('\r')), _mm_cmpgt_epi8(v, _mm_setzero_si128()));
    return static_cast<unsigned>(_mm_movemask_epi8(plain)) ^ 0xFFFF;
}

// Bit i set where byte i of the block at p ends a plain JIS run: zero, ESC or LF.
inline unsigned JisStops(const unsigned char* p) {
    __m128i v = Load(p);
    __m128i stop = _mm_or_si128(_mm_cmpeq_epi8(v, _mm_setzero_si128()),
                                _mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(kanji::kEsc)), _mm_cmpeq_epi8(v, _mm_set1_epi8('\n'))));
    return static_cast<unsigned>(_mm_movemask_epi8(stop));
}

// Bit i set where byte i of the block at p is LF; CR; ESC; 0x80 or above.
inline unsigned LineEnds(const unsigned char* p) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(Load(p), _mm_set1_epi8('\n'))));
}
inline unsigned Returns(const unsigned char* p) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(Load(p), _mm_set1_epi8('\r'))));
}
inline unsigned Escapes(const unsigned char* p) {
    return static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(Load(p), _mm_set1_epi8(kanji::kEsc))));
}
inline unsigned Highs(const unsigned char* p) { return static_cast<unsigned>(_mm_movemask_epi8(Load(p))); }

// How many of the eight pairs in a byte mask (bit i for byte i) come before the first pair with a
// byte outside it.
inline unsigned LeadingPairs(unsigned byteMask) {
    unsigned broken = ~(byteMask & (byteMask >> 1)) & 0x5555;
    return LowestBit(broken | 0x10000) / 2;
}

// Writes the first count pairs of v (count below eight) to d.
inline void StorePairs(unsigned char* d, __m128i v, unsigned count) {
    if (count & 4) {
        _mm_storel_epi64(reinterpret_cast<__m128i*>(d), v);
        v = _mm_srli_si128(v, 8);
        d += 8;
    }
    if (count & 2) {
        std::uint32_t four = static_cast<std::uint32_t>(_mm_cvtsi128_si32(v));
        std::memcpy(d, &four, 4);
        v = _mm_srli_si128(v, 4);
        d += 4;
    }
    if (count & 1) {
        std::uint16_t two = static_cast<std::uint16_t>(_mm_cvtsi128_si32(v));
        std::memcpy(d, &two, 2);
    }
}

// Stores the sixteen bytes at p to d with the first two replaced by first (low byte first).
inline void StoreWithFirst(unsigned char* d, const unsigned char* p, unsigned first) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm_insert_epi16(Load(p), static_cast<int>(first), 0));
}

// All ones in each byte of v that is an ordinary lead byte (0x81-0x9F, 0xE0-0xEF); a trail byte
// (0x40-0x7E, 0x80-0xFC).
inline __m128i OrdinaryLeads(__m128i v) { return _mm_or_si128(InRange(v, 0x81, 0x9F), InRange(v, 0xE0, 0xEF)); }
inline __m128i Trails(__m128i v) { return _mm_or_si128(InRange(v, 0x40, 0x7E), InRange(v, 0x80, 0xFC)); }

// The JIS codes of the eight pairs of v, right for each ordinary pair.
inline __m128i SjisLanesToJis(__m128i v) {
    // In 16-bit lanes: l the lead, t the trail. r = l - 0x81, less 0x40 from 0xE0 on; a trail from
    // 0x9F on starts the even row.
    __m128i even = _mm_set1_epi16(0x00FF);
    __m128i l = _mm_and_si128(v, even);
    __m128i t = _mm_srli_epi16(v, 8);
    __m128i upper = _mm_cmpgt_epi16(l, _mm_set1_epi16(0x9F));
    __m128i r = _mm_sub_epi16(_mm_sub_epi16(l, _mm_set1_epi16(0x81)), _mm_and_si128(upper, _mm_set1_epi16(0x40)));
    __m128i evenRow = _mm_cmpgt_epi16(t, _mm_set1_epi16(0x9E));
    __m128i pastDel = _mm_cmpgt_epi16(t, _mm_set1_epi16(0x7E));
    __m128i j1 = _mm_sub_epi16(_mm_add_epi16(_mm_add_epi16(r, r), _mm_set1_epi16(0x21)), evenRow);
    __m128i oddOffset = _mm_sub_epi16(_mm_set1_epi16(0x1F), pastDel);
    __m128i offset = _mm_or_si128(_mm_and_si128(evenRow, _mm_set1_epi16(0x7E)), _mm_andnot_si128(evenRow, oddOffset));
    __m128i j2 = _mm_sub_epi16(t, offset);
    return _mm_or_si128(j1, _mm_slli_epi16(j2, 8));
}

// Converts the Shift_JIS pairs at s to JIS at d up to the first of the eight that is not an
// ordinary pair (lead 0x81-0x9F or 0xE0-0xEF, trail 0x40-0x7E or 0x80-0xFC); returns how many.
// When whole() allows it, the block is stored whole even where fewer pairs are kept: the caller
// knows that the output to come reaches past it.
template <class Whole>
inline unsigned SjisPairsToJis(const unsigned char* s, unsigned char* d, Whole whole) {
    __m128i v = Load(s);
    __m128i even = _mm_set1_epi16(0x00FF);
    __m128i fits = _mm_or_si128(_mm_and_si128(OrdinaryLeads(v), even), _mm_andnot_si128(even, Trails(v)));
    unsigned count = LeadingPairs(static_cast<unsigned>(_mm_movemask_epi8(fits)));
    if (count == 0) return 0;
    __m128i out = SjisLanesToJis(v);
    // whole() first: it holds nearly always, so the store costs no branch on where a run ends.
    if (whole() || count == 8)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), out);
    else
        StorePairs(d, out, count);
    return count;
}

// Converts the JIS X 0208 pairs at s to Shift_JIS at d up to the first of the eight with a byte
// outside 0x21-0x7E; returns how many. whole() as above.
template <class Whole>
inline unsigned JisPairsToSjis(const unsigned char* s, unsigned char* d, Whole whole) {
    __m128i v = Load(s);
    __m128i fits = _mm_and_si128(_mm_cmpgt_epi8(v, _mm_set1_epi8(0x20)), _mm_cmplt_epi8(v, _mm_set1_epi8(0x7F)));
    unsigned count = LeadingPairs(static_cast<unsigned>(_mm_movemask_epi8(fits)));
    if (count == 0) return 0;
    // s1 = (j1 + 1) / 2 + 0x70, or + 0xB0 past row 0x5E; s2 = j2 + 0x7E on even rows, on odd rows
    // j2 + 0x1F, or + 0x20 past 0x5F.
    __m128i j1 = _mm_and_si128(v, _mm_set1_epi16(0x00FF));
    __m128i j2 = _mm_srli_epi16(v, 8);
    __m128i upper = _mm_cmpgt_epi16(j1, _mm_set1_epi16(0x5E));
    __m128i s1 = _mm_add_epi16(_mm_srli_epi16(_mm_add_epi16(j1, _mm_set1_epi16(1)), 1),
                               _mm_add_epi16(_mm_set1_epi16(0x70), _mm_and_si128(upper, _mm_set1_epi16(0x40))));
    __m128i one = _mm_set1_epi16(1);
    __m128i oddRow = _mm_cmpeq_epi16(_mm_and_si128(j1, one), one);
    __m128i oddOffset = _mm_sub_epi16(_mm_set1_epi16(0x1F), _mm_cmpgt_epi16(j2, _mm_set1_epi16(0x5F)));
    __m128i offset = _mm_or_si128(_mm_and_si128(oddRow, oddOffset), _mm_andnot_si128(oddRow, _mm_set1_epi16(0x7E)));
    __m128i s2 = _mm_add_epi16(j2, offset);
    __m128i out = _mm_or_si128(s1, _mm_slli_epi16(s2, 8));
    if (count == 8 || whole())
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), out);
    else
        StorePairs(d, out, count);
    return count;
}

#else  // 64-bit words

// The eight bytes at p as a little-endian word, whatever the machine's order.
ZC_BLOCK_READ inline std::uint64_t Word(const unsigned char* p) {
    std::uint64_t w = 0;
    for (int i = 0; i < 8; ++i) w |= static_cast<std::uint64_t>(p[i]) << (8 * i);
    return w;
}

constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;
constexpr std::uint64_t kHigh = 0x8080808080808080ull;

// The high bit of each zero byte of w.
inline std::uint64_t ZeroBytes(std::uint64_t w) { return ~(((w & kLow7) + kLow7) | w) & kHigh; }

// The high bits of a word's bytes gathered into bits 0-7.
inline unsigned Gather(std::uint64_t highBits) { return static_cast<unsigned>(((highBits >> 7) * 0x0102040810204080ull) >> 56); }

inline unsigned SjisStops8(std::uint64_t w) {
    return Gather((w & kHigh) | ZeroBytes(w) | ZeroBytes(w ^ 0x0D0D0D0D0D0D0D0Dull));
}

inline unsigned JisStops8(std::uint64_t w) {
    return Gather(ZeroBytes(w) | ZeroBytes(w ^ 0x1B1B1B1B1B1B1B1Bull) | ZeroBytes(w ^ 0x0A0A0A0A0A0A0A0Aull));
}

inline unsigned Zeros(const unsigned char* p) { return Gather(ZeroBytes(Word(p))) | Gather(ZeroBytes(Word(p + 8))) << 8; }
inline unsigned SjisStops(const unsigned char* p) { return SjisStops8(Word(p)) | SjisStops8(Word(p + 8)) << 8; }
inline unsigned JisStops(const unsigned char* p) { return JisStops8(Word(p)) | JisStops8(Word(p + 8)) << 8; }
inline unsigned Equal(const unsigned char* p, std::uint64_t repeated) {
    return Gather(ZeroBytes(Word(p) ^ repeated)) | Gather(ZeroBytes(Word(p + 8) ^ repeated)) << 8;
}
inline unsigned LineEnds(const unsigned char* p) { return Equal(p, 0x0A0A0A0A0A0A0A0Aull); }
inline unsigned Returns(const unsigned char* p) { return Equal(p, 0x0D0D0D0D0D0D0D0Dull); }
inline unsigned Escapes(const unsigned char* p) { return Equal(p, 0x1B1B1B1B1B1B1B1Bull); }
inline unsigned Highs(const unsigned char* p) { return Gather(Word(p) & kHigh) | Gather(Word(p + 8) & kHigh) << 8; }

inline void StoreWithFirst(unsigned char* d, const unsigned char* p, unsigned first) {
    std::memcpy(d, p, kBlock);
    d[0] = static_cast<unsigned char>(first);
    d[1] = static_cast<unsigned char>(first >> 8);
}

// One pair at a time, the same pairs as the vector path takes.
template <class Whole>
inline unsigned SjisPairsToJis(const unsigned char* s, unsigned char* d, Whole) {
    unsigned count = 0;
    for (; count < 8; ++count, s += 2, d += 2) {
        unsigned char lead = s[0];
        if (!(lead >= 0x81 && lead <= 0x9F) && !(lead >= 0xE0 && lead <= 0xEF)) break;
        if (!kanji::IsTrail(s[1])) break;
        kanji::PutPair(d, kanji::SjisPairToJis(lead, s[1]));
    }
    return count;
}

template <class Whole>
inline unsigned JisPairsToSjis(const unsigned char* s, unsigned char* d, Whole) {
    unsigned count = 0;
    for (; count < 8 && kanji::IsJisByte(s[0]) && kanji::IsJisByte(s[1]); ++count, s += 2, d += 2)
        kanji::PutPair(d, kanji::JisPairToSjis(s[0], s[1]));
    return count;
}

#endif

// How far a text is known to hold no terminator: the bytes from the start up to end() were read in
// sixteen-byte blocks on sixteen-byte boundaries (such a block never crosses a page) and hold no
// zero. Every byte before end() may be read, and blocks within that range need no page check.
class Unterminated {
public:
    explicit Unterminated(const unsigned char* src) {
        const unsigned char* base = src - (reinterpret_cast<std::uintptr_t>(src) & (kBlock - 1));
        open_ = (Zeros(base) >> (src - base)) == 0;
        end_ = open_ ? base + kBlock : src;
    }
    // Whether the bytes before p hold no terminator.
    bool Before(const unsigned char* p) { return end_ >= p || Extend(p); }

private:
    // Four blocks at a time while they lie in one page and hold no zero, so that the callers,
    // which move on by varying amounts, rarely find the end short; block by block where a zero is
    // near or a page ends (the four are read before any is looked at).
    bool Extend(const unsigned char* p) {
        while (end_ < p && open_) {
            bool onePage = (reinterpret_cast<std::uintptr_t>(end_) & 4095) <= 4096 - 4 * kBlock;
            if (onePage && !(Zeros(end_) | Zeros(end_ + kBlock) | Zeros(end_ + 2 * kBlock) | Zeros(end_ + 3 * kBlock))) {
                end_ += 4 * kBlock;
                continue;
            }
            if (Zeros(end_)) {
                open_ = false;
                return false;
            }
            end_ += kBlock;
        }
        return end_ >= p;
    }

    const unsigned char* end_;
    bool open_;
};

// Whether the 32 bytes at p hold at most four escapes. Each escape may take three bytes that give
// no output; every other byte gives at least one.
inline bool FewEscapes(const unsigned char* p) {
    unsigned escapes = Escapes(p) | Escapes(p + kBlock) << 16;
    for (int i = 0; i < 4; ++i) escapes &= escapes - 1;
    return escapes == 0;
}

// Stores the block at s to d without the bytes that returns marks (bit i for byte i), each by
// storing the rest of the block again one byte further back, up to two without a branch; returns
// how many it left out. The stores reach sixteen bytes past the last byte kept, and read up to
// the byte after the block.
inline std::size_t StoreWithoutReturns(unsigned char* d, const unsigned char* s, unsigned returns) {
    std::memcpy(d, s, kBlock);
    unsigned second = returns & (returns - 1), rest = second & (second - 1);
    unsigned k1 = LowestBit(returns | 0x10000), k2 = LowestBit(second | 0x10000);
    std::size_t from1 = returns ? k1 + 1 : 0, to1 = returns ? k1 : 0;
    std::size_t from2 = second ? k2 + 1 : from1, to2 = second ? k2 - 1 : to1;
    std::memcpy(d + to1, s + from1, kBlock);
    std::memcpy(d + to2, s + from2, kBlock);
    std::size_t dropped = (returns != 0) + (second != 0);
    for (; rest; rest &= rest - 1, ++dropped) {
        unsigned k = LowestBit(rest);
        std::memcpy(d + k - dropped, s + k + 1, kBlock);
    }
    return dropped;
}

// Stores the block at s to d with every CR left out, when the block holds no byte of 0x80 and above
// and each of its CRs is followed by LF (the next block's first byte included): a CR with the LF
// after it becomes that LF, as in the byte step. The CRs are taken out by storing the rest of the
// block again one byte further back per CR, up to two without a branch. The source advances by a
// whole block whatever it holds; the stores reach at most sixteen bytes past the output, so the
// 48 bytes at s must hold no terminator (the 32 after the block then give at least 16 bytes).
inline bool SjisLineBlock(const unsigned char*& s, unsigned char*& d) {
    unsigned returns = Returns(s);
    if (Highs(s) | (returns & ~LineEnds(s + 1))) return false;
    std::size_t dropped = StoreWithoutReturns(d, s, returns);
    s += kBlock;
    d += kBlock - dropped;
    return true;
}

// Copies plain Shift_JIS lines from s to d, each CR with the byte after it becoming one LF as in
// the byte step, while the 48 bytes at s hold no terminator. Blocks of ASCII whose CRs all come
// before LF go through SjisLineBlock; in others the run is copied up to its first stop: those 32
// bytes give at least 16 bytes of output (no character of one or two bytes gives none), so a whole
// block may be stored at d even where only its first bytes are kept, the rest being written over.
// Returns true at a byte the caller's step must take (0x80 and above), false near the
// terminator, where CopyRun goes on.
inline bool CopySjisLines(const unsigned char*& src, unsigned char*& dst, Unterminated& clean) {
    // Local copies: the byte stores could otherwise alias the caller's pointers.
    const unsigned char* s = src;
    unsigned char* d = dst;
    bool stopped = false;
    while (clean.Before(s + 3 * kBlock)) {
        if (SjisLineBlock(s, d)) continue;
        unsigned stops = SjisStops(s);
        std::memcpy(d, s, kBlock);
        unsigned at = LowestBit(stops);
        s += at;
        d += at;
        if (*s != '\r') {
            stopped = true;
            break;
        }
        *d++ = '\n';
        s += 2;
    }
    src = s;
    dst = d;
    return stopped;
}

// Stores the block at s to d with CR LF in place of each LF that lines marks (bit i for byte i):
// for each, the rest of the block is stored again one byte further on, twice, from the byte before
// the LF with CR LF put in front and from the LF itself (a lone CR byte store among the block
// stores would stall them). Up to two LFs go without a branch. Returns how many CRs it added; the
// stores reach sixteen bytes past the last byte kept, and read from the byte before s.
inline std::size_t StoreWithCrLf(unsigned char* d, const unsigned char* s, unsigned lines) {
    std::memcpy(d, s, kBlock);
    unsigned second = lines & (lines - 1), rest = second & (second - 1);
    unsigned k1 = LowestBit(lines | 0x10000), k2 = LowestBit(second | 0x10000);
    constexpr unsigned kCrLf = '\r' | '\n' << 8;
    // Without an LF the first pair of stores repeats the plain one, without a second the first.
    unsigned plain = s[0] | s[1] << 8;
    unsigned first1 = lines ? kCrLf : plain;
    std::ptrdiff_t at1 = lines ? k1 : 0, out1 = at1, shift1 = lines ? 1 : 0;
    unsigned first2 = second ? kCrLf : first1;
    std::ptrdiff_t at2 = second ? k2 : at1, out2 = second ? k2 + 1 : out1, shift2 = second ? 1 : shift1;
    StoreWithFirst(d + out1, s + at1 - shift1, first1);
    std::memcpy(d + out1 + shift1, s + at1, kBlock);
    StoreWithFirst(d + out2, s + at2 - shift2, first2);
    std::memcpy(d + out2 + shift2, s + at2, kBlock);
    std::size_t added = (lines != 0) + (second != 0);
    for (; rest; rest &= rest - 1, ++added) {
        unsigned k = LowestBit(rest);
        StoreWithFirst(d + k + added, s + k - 1, kCrLf);
        std::memcpy(d + k + added + 1, s + k, kBlock);
    }
    return added;
}

// Stores the block at s to d with a CR before every LF that does not follow a CR (cr: whether the
// byte before the block is a CR), when neither this block nor the next holds an escape. The stores
// reach at most sixteen bytes past the output, which the plain bytes of the next block write over.
// The 48 bytes at s must hold no terminator, and the byte before s must be readable.
inline bool JisLineBlock(const unsigned char*& s, unsigned char*& d, unsigned cr) {
    if (Escapes(s) | Escapes(s + kBlock)) return false;
    std::size_t added = StoreWithCrLf(d, s, LineEnds(s) & ~((Returns(s) << 1) | cr));
    s += kBlock;
    d += kBlock + added;
    return true;
}

// Copies plain JIS lines from s to d, each LF not after a CR becoming CR LF as in the byte step,
// while the block at s holds no terminator and no escape: each of its bytes then gives at least
// one byte of output, so the whole block may be stored at d. src is the start of the text.
// Returns true at an escape (or a zero) the caller's step must take, false where CopyRun goes on.
inline bool CopyJisLines(const unsigned char* src, const unsigned char*& from, unsigned char*& to, Unterminated& clean) {
    // Local copies: the byte stores could otherwise alias the caller's pointers.
    const unsigned char* s = from;
    unsigned char* d = to;
    bool stopped = false;
    while (clean.Before(s + 3 * kBlock)) {
        if (s != src && JisLineBlock(s, d, s[-1] == '\r')) continue;
        unsigned stops = JisStops(s);
        if (!stops) {
            std::memcpy(d, s, kBlock);
            s += kBlock;
            d += kBlock;
            continue;
        }
        // An escape in the block (no zero is this near): what follows writes over the rest of a
        // whole block only when few escapes come after it.
        unsigned at = LowestBit(stops), lineEnds = LineEnds(s);
        if (stops != lineEnds && !FewEscapes(s + kBlock)) break;
        std::memcpy(d, s, kBlock);
        s += at;
        d += at;
        if (!(lineEnds >> at & 1)) {
            stopped = true;
            break;
        }
        if (s == src || s[-1] != '\r') *d++ = '\r';
        *d++ = '\n';
        ++s;
    }
    while (!stopped && WithinPage(s)) {
        unsigned stops = JisStops(s);
        unsigned lineEnds = LineEnds(s);
        if (stops != lineEnds) break;
        std::memcpy(d, s, kBlock);
        if (!stops) {
            s += kBlock;
            d += kBlock;
            continue;
        }
        unsigned at = LowestBit(stops);
        s += at;
        d += at;
        if (s == src || s[-1] != '\r') *d++ = '\r';
        *d++ = '\n';
        ++s;
    }
    from = s;
    to = d;
    return stopped;
}

// Copies the plain run at s (the bytes before the first one that stops(block) marks) to d while
// whole blocks can be read; returns how many bytes it copied. It stops early at the end of a page,
// where the caller's byte step takes over.
template <unsigned (*Stops)(const unsigned char*)>
inline std::size_t CopyRun(const unsigned char* s, unsigned char* d) {
    std::size_t n = 0;
    while (WithinPage(s + n)) {
        unsigned stops = Stops(s + n);
        if (stops) {
            unsigned last = LowestBit(stops);
            CopyShort(d + n, s + n, last);
            return n + last;
        }
        std::memcpy(d + n, s + n, kBlock);
        n += kBlock;
    }
    return n;
}

// Converts the run of ordinary pairs at s to d eight at a time, Shift_JIS to JIS when ToJis and
// back otherwise; returns how many pairs. whole(p) tells whether the block at p may be stored
// whole. A full block steps on by a constant, so the next block's loads need not wait for this
// block's count.
template <bool ToJis, class Whole>
inline std::size_t ConvertPairs(const unsigned char* s, unsigned char* d, Whole whole) {
    std::size_t n = 0;
    while (WithinPage(s + 2 * n)) {
        const unsigned char* at = s + 2 * n;
        const auto store = [&] { return whole(at); };
        unsigned count = ToJis ? SjisPairsToJis(at, d + 2 * n, store) : JisPairsToSjis(at, d + 2 * n, store);
        if (count < 8) return n + count;
        n += 8;
    }
    return n;
}

#ifdef ZC_KANJI_SSE2

// Converts Shift_JIS text that mixes ASCII with ordinary pairs, one step for each stretch of ASCII
// (up to sixteen bytes, its CRs before LF left out as in the byte step) and the pairs after it (up
// to eight), with no branch on where either ends: the 32 bytes at s are classed once, both
// stretches stored as whole blocks, and the escapes stored always and kept by how far the output
// moves on. kanji says whether the output is in JIS X 0208: the escape back to ASCII comes before
// the first ASCII byte after pairs, so a run of pairs that goes on in the next step needs none.
// Stops at a step that makes no headway (half-width katakana, a byte of 0x80 and above that starts
// no ordinary pair), at a CR not followed by LF, and where the 64 bytes at s may hold the
// terminator. A step takes at most 32 bytes and its stores reach at most sixteen bytes past the
// output: the 32 bytes after it give at least that many.
inline void SjisMixedLines(const unsigned char*& src, unsigned char*& dst, bool& kanjiOut, Unterminated& known) {
    // Local copies: the stores could otherwise alias the caller's pointers and what is known.
    const unsigned char* s = src;
    unsigned char* d = dst;
    unsigned kanji = kanjiOut;
    Unterminated clean = known;
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    while (clean.Before(s + 4 * kBlock)) {
        __m128i v0 = Load(s), v1 = Load(s + kBlock);
        unsigned ascii = LowestBit(static_cast<unsigned>(_mm_movemask_epi8(v0)) | 0x10000);
        unsigned returns = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v0, cr))) & ((1u << ascii) - 1);
        unsigned lineEnds = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v0, lf))) |
                            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v1, lf))) << 16;
        unsigned leads = static_cast<unsigned>(_mm_movemask_epi8(OrdinaryLeads(v0))) |
                         static_cast<unsigned>(_mm_movemask_epi8(OrdinaryLeads(v1))) << 16;
        unsigned trails = static_cast<unsigned>(_mm_movemask_epi8(Trails(v0))) |
                          static_cast<unsigned>(_mm_movemask_epi8(Trails(v1))) << 16;
        // Bit 2i of starts: the pair i after the ASCII is an ordinary one.
        unsigned starts = (leads & trails >> 1) >> ascii;
        unsigned pairs = LowestBit((~starts & 0x5555) | 0x10000) / 2;
        if ((returns & ~(lineEnds >> 1)) || ascii + pairs == 0) break;
        std::memcpy(d, "\x1B(B", 4);
        d += 3 * (kanji & (ascii != 0));
        d += ascii - StoreWithoutReturns(d, s, returns);
        kanji &= ascii == 0;
        std::memcpy(d, "\x1B$B", 4);
        d += 3 * (!kanji & (pairs != 0));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), SjisLanesToJis(Load(s + ascii)));
        d += 2 * pairs;
        s += ascii + 2 * pairs;
        kanji |= pairs != 0;
        // Long runs: whole blocks of ASCII, or of pairs, go on by a constant.
        if (ascii == kBlock && pairs == 0) {
            while (clean.Before(s + 3 * kBlock) && SjisLineBlock(s, d)) {
            }
        } else if (ascii == 0 && pairs == 8) {
            std::size_t more = ConvertPairs<true>(s, d, [&clean](const unsigned char* at) { return clean.Before(at + 2 * kBlock); });
            s += 2 * more;
            d += 2 * more;
        }
    }
    src = s;
    dst = d;
    kanjiOut = kanji != 0;
    known = clean;
}

#else

inline void SjisMixedLines(const unsigned char*&, unsigned char*&, bool&, Unterminated&) {}

#endif

}  // namespace zc::bulk
