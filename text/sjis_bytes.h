// Byte classes of Shift_JIS text (code page 932).
#pragma once

namespace zc::sjis {

// Lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
// Half-width katakana: 0xA1-0xDF.
constexpr bool IsKana(unsigned char b) { return b >= 0xA1 && b <= 0xDF; }
// The wider rule of the byte-kind query: every byte above 0x7E outside 0xA0-0xDF starts a pair.
constexpr bool StartsPair(unsigned char b) { return b > 0x7E && !(b >= 0xA0 && b <= 0xDF); }

// Kinds reported for a byte position.
enum Kind : unsigned short { kSingle = 0, kLead = 1, kTrail = 2 };

}  // namespace zc::sjis
