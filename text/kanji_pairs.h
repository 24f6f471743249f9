// The arithmetic of one double-byte character between Shift_JIS and JIS X 0208, and the escape
// sequences that switch JIS text between its character sets.
#pragma once

namespace zc::kanji {

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

static_assert(SjisPairToJis(0x82, 0xA0) == 0x2422, "hiragana a");
static_assert(JisPairToSjis(0x24, 0x22) == 0x82A0, "hiragana a");
static_assert(SjisPairToJis(0x82, 0x20) == 0, "no trail byte");

inline unsigned char* PutPair(unsigned char* d, unsigned code) {
    d[0] = static_cast<unsigned char>(code >> 8);
    d[1] = static_cast<unsigned char>(code);
    return d + 2;
}

constexpr unsigned char kEsc = 0x1B;

// Writes ESC a b: "$B" for JIS X 0208, "(B" for ASCII, "(I" for half-width katakana.
inline unsigned char* PutEscape(unsigned char* d, unsigned char a, unsigned char b) {
    d[0] = kEsc;
    d[1] = a;
    d[2] = b;
    return d + 3;
}

}  // namespace zc::kanji
