// The byte-at-a-time converters the library's bulk steps must match byte for byte: the loops as
// they stood before the bulk steps, kept here as the fuzzers' reference.
#pragma once

#include <cstddef>

namespace reference {

constexpr bool IsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool IsKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }
constexpr unsigned char kEsc = 0x1B;
// The geta mark, written for a pair of the user-defined area, which has no JIS code.
constexpr unsigned kGeta = 0x222E;

constexpr bool IsTrail(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }
constexpr bool IsJisByte(unsigned char b) { return b >= 0x21 && b <= 0x7E; }

// The JIS X 0208 code of a Shift_JIS pair; 0 when the second byte is not a trail byte.
constexpr unsigned SjisPairToJis(unsigned s1, unsigned s2) {
    if (!IsTrail(static_cast<unsigned char>(s2))) return 0;
    if (s1 >= 0xF0) return kGeta;
    unsigned r = s1 <= 0x9F ? s1 - 0x81 : s1 - 0xC1;
    if (s2 >= 0x9F) return ((2 * r + 0x22) << 8) | (s2 - 0x7E);
    return ((2 * r + 0x21) << 8) | (s2 <= 0x7E ? s2 - 0x1F : s2 - 0x20);
}

// The Shift_JIS code of a JIS X 0208 pair; 0 unless both bytes lie in 0x21-0x7E.
constexpr unsigned JisPairToSjis(unsigned j1, unsigned j2) {
    if (!IsJisByte(static_cast<unsigned char>(j1)) || !IsJisByte(static_cast<unsigned char>(j2))) return 0;
    unsigned s1 = (j1 + 1) / 2 + (j1 <= 0x5E ? 0x70 : 0xB0);
    unsigned s2 = (j1 & 1) ? (j2 <= 0x5F ? j2 + 0x1F : j2 + 0x20) : j2 + 0x7E;
    return (s1 << 8) | s2;
}

inline unsigned char* PutPair(unsigned char* d, unsigned code) {
    d[0] = static_cast<unsigned char>(code >> 8);
    d[1] = static_cast<unsigned char>(code);
    return d + 2;
}

inline unsigned char* PutEscape(unsigned char* d, unsigned char a, unsigned char b) {
    d[0] = kEsc;
    d[1] = a;
    d[2] = b;
    return d + 3;
}

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
