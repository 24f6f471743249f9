// The byte-at-a-time converters the library's bulk steps must match byte for byte: the loops as
// they stood before the bulk steps, kept here as the fuzzers' reference.
#pragma once

#include <cstddef>

#include "kanji_pairs.h"
#include "sjis_bytes.h"

// The loops are the reference; the byte kinds, the arithmetic of one pair and the escapes are the
// library's own, which the Wine tests check against the runtime's conversions over every pair.
namespace reference {

using zc::kanji::IsJisByte;
using zc::kanji::JisPairToSjis;
using zc::kanji::kEsc;
using zc::kanji::PutEscape;
using zc::kanji::PutPair;
using zc::kanji::SjisPairToJis;
using zc::sjis::IsKana;
using zc::sjis::IsLead;

// The conversions write up to the source's terminator and return where the terminator goes.
inline unsigned char* SjisToJis(const unsigned char* src, unsigned char* d) {
    bool kanji = false;
    bool kana = false;
    const unsigned char* s = src;
    for (;;) {
        unsigned char b = *s;
        if (b < 0x80 && b != '\r' && b != 0) {
            *d++ = b;
            ++s;
        } else if (IsLead(b)) {
            if (s[1] == 0) {  // a lead byte cut by the terminator: dropped
                if (kanji) d = PutEscape(d, '(', 'B');
                break;
            }
            if (!kanji) d = PutEscape(d, '$', 'B');
            kanji = true;
            d = PutPair(d, SjisPairToJis(b, s[1]));
            s += 2;
            if (!IsLead(*s)) {
                d = PutEscape(d, '(', 'B');
                kanji = false;
            }
        } else if (b == '\r') {
            *d++ = '\n';
            if (s[1] == 0) break;  // the CR of an unfinished CR LF ends the text
            s += 2;
        } else if (b == 0) {
            break;
        } else if (IsKana(b)) {
            if (!kana) d = PutEscape(d, '(', 'I');
            kana = true;
            *d++ = static_cast<unsigned char>(b - 0x80);
            ++s;
            if (!IsKana(*s)) {
                d = PutEscape(d, '(', 'B');
                kana = false;
            }
        } else {
            *d++ = b;
            ++s;
        }
    }
    return d;
}

inline unsigned char* JisToSjis(const unsigned char* src, unsigned char* d) {
    bool kanji = false;
    bool kana = false;
    const unsigned char* s = src;
    for (;;) {
        unsigned char b = *s;
        if (b == kEsc) {
            if (s[1] == '$' && s[2] == 'B') {
                kanji = true;
                s += 3;
                continue;
            }
            if (s[1] == '(' && (s[2] == 'B' || s[2] == 'I')) {
                if (s[2] == 'B') kanji = false;
                kana = s[2] == 'I';
                s += 3;
                continue;
            }
        }
        if (kanji && IsJisByte(b)) {
            if (s[1] == 0) break;  // half a pair before the terminator: dropped
            d = PutPair(d, JisPairToSjis(b, s[1]));
            s += 2;
        } else if (kana && b >= 0x21 && b <= 0x5F) {
            *d++ = static_cast<unsigned char>(b + 0x80);
            ++s;
        } else if (b == '\n' && (s == src || s[-1] != '\r')) {
            *d++ = '\r';
            *d++ = '\n';
            ++s;
        } else if (b == 0) {
            break;
        } else {
            *d++ = b;
            ++s;
        }
    }
    return d;
}

// Both write the terminator, as the library's entry points do.
inline void SJisToJis(const unsigned char* src, unsigned char* dst) { *SjisToJis(src, dst) = 0; }
inline void JisToSJis(const unsigned char* src, unsigned char* dst) { *JisToSjis(src, dst) = 0; }

}  // namespace reference
