// Tells whether a quote byte found in a Shift_JIS field is a character of its own or a byte of a
// double-byte character, with the same answer as the byte-kind query over the field's text, but
// without walking the field from its start for every quote.
#pragma once

#include "sjis_bytes.h"

namespace zc::csv {

class SjisQuoteRule {
public:
    explicit SjisQuoteRule(const char* text) : boundary_(reinterpret_cast<const unsigned char*>(text)) {}

    // Quotes are asked about in increasing order of position.
    bool IsQuote(const char* at) {
        const auto* q = reinterpret_cast<const unsigned char*>(at);
        // A byte outside the pair-starting class ends a character (alone or as a second byte),
        // so the byte after it starts one; the bytes from there to q pair up from the left.
        const unsigned char* r = q;
        while (r > boundary_ && sjis::StartsPair(r[-1])) --r;
        if ((q - r) & 1) {  // second byte of a pair
            boundary_ = q + 1;
            return false;
        }
        if (sjis::StartsPair(*q)) {  // first byte of a pair: q itself starts a character
            boundary_ = q;
            return false;
        }
        boundary_ = q + 1;
        return true;
    }

private:
    const unsigned char* boundary_;  // a known character start at or before the next quote asked about
};

}  // namespace zc::csv
