#include "floors.h"

#include <cstring>

#include "kanji_bulk.h"

namespace bench {

using zc::bulk::Escapes;
using zc::bulk::Highs;
using zc::bulk::LowestBit;

// Sixteen bytes a step through the library's own store that leaves each CR out: its plain-line
// step without the checks around it.
std::size_t DropReturns(const unsigned char* s, std::size_t n, unsigned char* d) {
    unsigned char* start = d;
    for (const unsigned char* end = s + n; s < end; s += 16)
        d += 16 - zc::bulk::StoreWithoutReturns(d, s, zc::bulk::Returns(s));
    return static_cast<std::size_t>(d - start);
}

// The same the other way, through the library's store that puts CR LF for each LF.
std::size_t AddReturns(const unsigned char* s, std::size_t n, unsigned char* d) {
    unsigned char* start = d;
    for (const unsigned char* end = s + n; s < end; s += 16)
        d += 16 + zc::bulk::StoreWithCrLf(d, s, zc::bulk::LineEnds(s));
    return static_cast<std::size_t>(d - start);
}

// One branch per run: where the next escape is.
std::size_t SkipEscapes(const unsigned char* s, std::size_t n, unsigned char* d) {
    unsigned char* start = d;
    for (const unsigned char* end = s + n; s < end;) {
        unsigned escapes = Escapes(s);
        std::memcpy(d, s, 16);
        if (!escapes) {
            s += 16;
            d += 16;
            continue;
        }
        unsigned at = LowestBit(escapes);
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
        unsigned highs = Highs(s);
        std::memcpy(d, s, 16);
        if (!highs) {
            s += 16;
            d += 16;
            continue;
        }
        unsigned at = LowestBit(highs);
        s += at;
        d += at;
        std::memcpy(d, "\x1B$B", 3);
        d += 3;
        for (;;) {  // pairs: a lead byte at every even offset
            highs = Highs(s);
            std::memcpy(d, s, 16);
            unsigned plain = ~highs & 0x5555;
            if (!plain) {
                s += 16;
                d += 16;
                continue;
            }
            at = LowestBit(plain);
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
