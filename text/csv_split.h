// One splitter for both line widths: a wide line of UTF-16 units or a Shift_JIS line of bytes.
// The line is split in place; each field is copied into its slot's heap block, which grows
// through realloc when the field does not fit and is never shrunk.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

namespace zc::csv {

// Allocated size of a runtime heap block; 0 for null.
std::size_t BlockBytes(void* block);

template <class Ch>
const Ch* FindUnit(const Ch* from, const Ch* end, Ch c) {
    if constexpr (sizeof(Ch) == 1) {
        return static_cast<const Ch*>(std::memchr(from, static_cast<unsigned char>(c), end - from));
    } else {
        return std::char_traits<Ch>::find(from, end - from, c);
    }
}

template <class Ch>
Ch* FindLastUnit(Ch* begin, Ch* end, Ch c) {
    while (end > begin)
        if (*--end == c) return end;
    return nullptr;
}

// Copies text[0, length) and a terminator into the slot, growing its block first when needed.
// False when the block cannot be grown; the slot then keeps its old block.
template <class Ch>
bool StoreField(Ch*& slot, const Ch* text, std::size_t length) {
    std::size_t need = (length + 1) * sizeof(Ch);
    if (BlockBytes(slot) < need) {
        void* grown = std::realloc(slot, need);
        if (!grown) return false;
        slot = static_cast<Ch*>(grown);
    }
    std::memcpy(slot, text, length * sizeof(Ch));
    slot[length] = 0;
    return true;
}

// Finds the quote that closes a quoted field whose text starts at text: the first quote followed by
// the separator, LF or the end of the line that the quote rule accepts. Null when there is none.
template <class Ch, class QuoteRule>
Ch* FindClosingQuote(Ch* text, Ch* end, Ch separator, Ch quote, QuoteRule& rule) {
    for (Ch* q = text;; ++q) {
        // Quotes often come close together (doubled quotes, or a trail byte that equals the quote
        // in every character of a kanji run): the next few units are looked at in place.
        Ch* near = end - q > 4 ? q + 4 : end;
        while (q < near && *q != quote) ++q;
        if (q == near) q = const_cast<Ch*>(FindUnit<Ch>(q, end, quote));
        if (!q) return nullptr;
        if (!rule.IsQuote(q)) continue;
        Ch next = q[1];
        if (next == separator || next == Ch('\n') || next == 0) return q;
    }
}

// Every unit equal to the quote character is a quote.
struct AnyQuote {
    template <class Ch>
    explicit AnyQuote(const Ch*) {}
    template <class Ch>
    bool IsQuote(const Ch*) const { return true; }
};

// The splitter. QuoteRule is built from the field text of each quoted field and asked about each
// quote character found in it, in increasing order.
template <class Ch, class QuoteRule>
int SplitLine(Ch* line, Ch** fields, int count, Ch separator, Ch quote) {
    if (!line) return 0;
    if (!fields) count = 0;
    for (int i = 0; i < count; ++i)
        if (fields[i]) fields[i][0] = 0;

    Ch* end = line + std::char_traits<Ch>::length(line);
    if (Ch* lf = FindLastUnit<Ch>(line, end, Ch('\n'))) {
        *lf = 0;
        end = lf;
    }
    if (end == line) return 0;

    int n = 0;
    Ch* start = line;
    while (n < count) {
        Ch* text = start;
        Ch* stop;           // where the field's text ends (now a terminator)
        Ch* next = nullptr;  // where the next field starts, if there is one
        if (quote != 0 && *start == quote) {
            text = start + 1;
            QuoteRule rule(text);
            stop = FindClosingQuote<Ch>(text, end, separator, quote, rule);
            if (!stop) break;
            Ch* mark = stop + 1;
            *stop = 0;
            if (mark < end) {
                *mark = 0;
                next = mark + 1;
            }
        } else {
            Ch* mark = separator != 0 ? const_cast<Ch*>(FindUnit<Ch>(start, end, separator)) : nullptr;
            stop = mark ? mark : end;
            if (mark) {
                *mark = 0;
                next = mark + 1;
            }
        }
        if (!StoreField<Ch>(fields[n], text, static_cast<std::size_t>(stop - text))) break;
        ++n;
        if (!next) break;
        start = next;
    }
    std::memset(line, 0, 4);
    return n;
}

}  // namespace zc::csv
