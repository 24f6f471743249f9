// Inputs for the kanji converter fuzzers and the check they share: the library against the
// byte-at-a-time reference, on the raw input and on a text built to put run boundaries everywhere
// in a sixteen-byte block, each placed once in an exact heap block (AddressSanitizer sees any
// stray access) and once against the end of a readable page (the next page is inaccessible, so a
// block read that crossed it would fault).
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "kanji_reference.h"

namespace kanjifuzz {

// Builds Shift_JIS text from the input, one instruction byte at a time:
//   0x00-0x3F  a plain ASCII run of 1-64 bytes (every length modulo the block)
//   0x40-0x7F  1-64 ordinary pairs, their trail bytes walking the edges of the trail ranges
//   0x80-0x8F  CR LF
//   0x90-0x9F  a lone CR
//   0xA0-0xBF  one byte of those that stop a run: katakana, user-defined or broken pairs, a lone
//              lead, ESC, LF, 0x80, 0xA0, 0xFD-0xFF
//   0xC0-0xFF  the next input byte as it is (a zero ends the text)
inline std::string ShapedSjis(const std::uint8_t* data, std::size_t size) {
    static const unsigned char trails[] = {0x40, 0x41, 0x7E, 0x80, 0x9E, 0x9F, 0xA0, 0xFB, 0xFC, 0x5C, 0x60};
    static const unsigned char leads[] = {0x81, 0x88, 0x9F, 0xE0, 0xEA, 0xEF};
    static const char* stops[] = {"\xB1", "\xA1\xDF", "\xF0\x40", "\xFC\xFC", "\x81\x20", "\x81\x7F", "\x82\xFD",
                                  "\x81", "\x1B", "\n", "\x80", "\xA0", "\xFD", "\xFF", "\x1B$B", "\xEF\x0D\x0A"};
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        unsigned op = data[i];
        if (op < 0x40) {
            for (unsigned k = 0; k <= op; ++k) text += static_cast<char>('a' + (k + i) % 26);
        } else if (op < 0x80) {
            for (unsigned k = 0; k <= (op & 0x3F); ++k) {
                text += static_cast<char>(leads[(k + i) % sizeof leads]);
                text += static_cast<char>(trails[(k * 7 + i) % sizeof trails]);
            }
        } else if (op < 0x90) {
            text += "\r\n";
        } else if (op < 0xA0) {
            text += '\r';
        } else if (op < 0xC0) {
            text += stops[op % (sizeof stops / sizeof *stops)];
        } else if (i + 1 < size) {
            if (data[++i] == 0) break;
            text += static_cast<char>(data[i]);
        }
    }
    return text;
}

// A text's bytes and terminator ending exactly at the end of a readable page.
class PageEnd {
public:
    PageEnd() {
        page_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        void* map = mmap(nullptr, kPages * page_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (map == MAP_FAILED) __builtin_trap();
        base_ = static_cast<unsigned char*>(map);
        if (mprotect(base_ + (kPages - 1) * page_, page_, PROT_NONE) != 0) __builtin_trap();
    }
    // The text's copy, or null when it does not fit.
    const unsigned char* Place(const std::string& text) {
        std::size_t room = (kPages - 1) * page_;
        if (text.size() + 1 > room) return nullptr;
        unsigned char* at = base_ + room - text.size() - 1;
        std::memcpy(at, text.c_str(), text.size() + 1);
        return at;
    }

private:
    static constexpr std::size_t kPages = 3;
    std::size_t page_;
    unsigned char* base_;
};

// Converts text with the library and with the reference into buffers of the documented worst
// case, once from a heap block and once from the end of a page; every byte of the buffers must
// agree. Returns the library's output.
template <class Library, class Reference>
std::string Compare(const std::string& text, std::size_t perByte, Library library, Reference reference) {
    static PageEnd pageEnd;
    std::size_t capacity = perByte * text.size() + 1;
    HeapBytes src(reinterpret_cast<const std::uint8_t*>(text.c_str()), text.size(), text.size() + 1);
    HeapBytes got(nullptr, 0, capacity), expected(nullptr, 0, capacity);
    library(src.bytes, got.bytes);
    reference(src.bytes, expected.bytes);
    if (std::memcmp(got.bytes, expected.bytes, capacity) != 0) __builtin_trap();
    if (const unsigned char* atEnd = pageEnd.Place(text)) {
        HeapBytes again(nullptr, 0, capacity);
        library(atEnd, again.bytes);
        if (std::memcmp(again.bytes, expected.bytes, capacity) != 0) __builtin_trap();
    }
    return std::string(reinterpret_cast<const char*>(got.bytes));
}

}  // namespace kanjifuzz
