// Shift_JIS byte kinds and the conversions between Shift_JIS and JIS (ISO-2022-JP style escapes).
#include "kanji_bulk.h"
#include "sjis_bytes.h"
#include "text_api.h"

#include <cstring>

namespace {

using zc::sjis::IsKana;
using zc::sjis::IsLead;

using zc::kanji::IsJisByte;
using zc::kanji::JisPairToSjis;
using zc::kanji::kEsc;
using zc::kanji::PutEscape;
using zc::kanji::PutPair;
using zc::kanji::SjisPairToJis;

}  // namespace

int Cm_CheckKanjiCode(const unsigned char* text, int pos, unsigned short* kind) {
    if (!text || pos < 1) return 0;
    std::size_t n = std::strlen(reinterpret_cast<const char*>(text));
    if (n < static_cast<std::size_t>(pos)) return 0;
    // Walk character by character up to the position; a pair's second byte lies within the text
    // whenever the position does, because the position is at most the length.
    std::size_t target = static_cast<std::size_t>(pos) - 1;
    std::size_t i = 0;
    while (true) {
        if (zc::sjis::StartsPair(text[i])) {
            if (target == i || target == i + 1) {
                if (kind) *kind = target == i ? zc::sjis::kLead : zc::sjis::kTrail;
                return 1;
            }
            i += 2;
        } else {
            if (target == i) {
                if (kind) *kind = zc::sjis::kSingle;
                return 1;
            }
            ++i;
        }
    }
}

namespace {

// The conversions write up to the source's terminator and return where the terminator goes. Each
// turn of the loop first takes what it can in bulk (plain runs, runs of pairs, or lines mixing the
// two), then one character byte by byte: an escape, a line end, half-width katakana, an unusual
// pair, or the bytes near the end of a page.
unsigned char* SjisToJis(const unsigned char* src, unsigned char* d) {
    // The escape back to ASCII after pairs or katakana is written before the next byte that is not
    // of the same kind, or before the terminator.
    bool kanji = false;
    bool kana = false;
    const unsigned char* s = src;
    zc::bulk::Unterminated clean(src);
    // A block of pairs may be stored whole when the 32 bytes at it hold no terminator: the
    // characters after the last pair kept give at least as many bytes as the block has left.
    auto whole = [&clean](const unsigned char* at) { return clean.Before(at + 2 * zc::bulk::kBlock); };
    for (;;) {
        if (!kana) zc::bulk::SjisMixedLines(s, d, kanji, clean);
        if (!kanji && !kana && !zc::bulk::CopySjisLines(s, d, clean)) {
            std::size_t plain = zc::bulk::CopyRun<zc::bulk::SjisStops>(s, d);
            s += plain;
            d += plain;
        }
        unsigned char b = *s;
        if (IsLead(b)) {
            if (s[1] == 0) {  // a lead byte cut by the terminator: dropped
                if (kanji || kana) d = PutEscape(d, '(', 'B');
                break;
            }
            if (kana) d = PutEscape(d, '(', 'B');
            if (!kanji) d = PutEscape(d, '$', 'B');
            kanji = true;
            kana = false;
            // The ordinary pairs go in bulk; a pair the bulk step leaves (a trail byte out of range,
            // the user-defined area) goes alone.
            std::size_t pairs = zc::bulk::ConvertPairs<true>(s, d, whole);
            if (pairs) {
                s += 2 * pairs;
                d += 2 * pairs;
            } else {
                d = PutPair(d, SjisPairToJis(b, s[1]));
                s += 2;
            }
            continue;
        }
        if (kanji || (kana && !IsKana(b))) {
            d = PutEscape(d, '(', 'B');
            kanji = kana = false;
        }
        if (b < 0x80 && b != '\r' && b != 0) {
            *d++ = b;
            ++s;
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
        } else {
            *d++ = b;
            ++s;
        }
    }
    return d;
}

unsigned char* JisToSjis(const unsigned char* src, unsigned char* d) {
    bool kanji = false;
    bool kana = false;
    const unsigned char* s = src;
    zc::bulk::Unterminated clean(src);
    // A block of pairs may be stored whole when the 48 bytes at it hold no terminator and the 32
    // after it at most four escapes: those give at least 16 bytes of output.
    auto whole = [&clean](const unsigned char* at) {
        return clean.Before(at + 3 * zc::bulk::kBlock) && zc::bulk::FewEscapes(at + zc::bulk::kBlock);
    };
    for (;;) {
        if (kanji) {
            std::size_t pairs = zc::bulk::ConvertPairs<false>(s, d, whole);
            s += 2 * pairs;
            d += 2 * pairs;
        } else if (!kana) {
            if (!zc::bulk::CopyJisLines(src, s, d, clean)) {
                std::size_t plain = zc::bulk::CopyRun<zc::bulk::JisStops>(s, d);
                s += plain;
                d += plain;
            }
        }
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

}  // namespace

void Cm_SJisToJis(const unsigned char* src, unsigned char* dst) {
    if (dst) *(src ? SjisToJis(src, dst) : dst) = 0;
}

void Cm_JisToSJis(const unsigned char* src, unsigned char* dst) {
    if (dst) *(src ? JisToSjis(src, dst) : dst) = 0;
}
