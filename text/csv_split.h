// One splitter for both line widths: a wide line of UTF-16 units or a Shift_JIS line of bytes.
// The line is split in place; each field is copied into its slot's heap block, which grows
// through realloc when the field does not fit and is never shrunk.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include "unit_scan.h"

namespace zc::csv {

// Allocated size of a runtime heap block; 0 for null.
std::size_t BlockBytes(void* block);

// Length of a zero-terminated line: the C library's for bytes, four units a step for 16-bit units,
// whose loop the libraries keep to one unit a step.
template <class Ch>
std::size_t LineLength(const Ch* line) {
    if constexpr (sizeof(Ch) == 1) {
        return std::strlen(line);
    } else {
        const Ch* at = line;
        for (;; at += 4) {
            if (at[0] == 0) return static_cast<std::size_t>(at - line);
            if (at[1] == 0) return static_cast<std::size_t>(at + 1 - line);
            if (at[2] == 0) return static_cast<std::size_t>(at + 2 - line);
            if (at[3] == 0) return static_cast<std::size_t>(at + 3 - line);
        }
    }
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

// Every unit equal to the quote character is a quote.
struct AnyQuote {
    template <class Ch>
    explicit AnyQuote(const Ch*) {}
    template <class Ch>
    bool IsQuote(const Ch*) const { return true; }
};

// The splitter. QuoteRule is built from the field text of each quoted field and asked, in
// increasing order, about the quote characters in it that are followed by a field end.
template <class Ch, class QuoteRule>
int SplitLine(Ch* line, Ch** fields, int count, Ch separator, Ch quote) {
    if (!line) return 0;
    if (!fields) count = 0;
    // Every slot reads as empty after the call unless a field was stored into it: the slots from
    // the last stored field on are emptied at the end, the others are overwritten.
    auto emptyFrom = [&](int first) {
        for (int i = first; i < count; ++i)
            if (fields[i]) fields[i][0] = 0;
    };

    Ch* end = line + LineLength(line);
    if (Ch* lf = FindLast<Ch>(line, end, Ch('\n'))) {
        *lf = 0;
        end = lf;
    }
    if (end == line) {
        emptyFrom(0);
        return 0;
    }

    int n = 0;
    Ch* start = line;
    while (n < count) {
        bool quoted = quote != 0 && *start == quote;
        Ch* text = quoted ? start + 1 : start;
        QuoteRule rule(text);
        auto closes = [&](Ch* q) { return rule.IsQuote(q); };
        auto any = [](Ch*) { return true; };
        // A block with room for the rest of the line takes the field while it is searched for;
        // otherwise the field's end is found first and the block grown to the field's size.
        Ch*& slot = fields[n];
        bool roomy = BlockBytes(slot) >= (static_cast<std::size_t>(end + 1 - text) + kCopySlack<Ch>) * sizeof(Ch);
        Ch* stop;  // where the field's text ends
        if (roomy)
            stop = quoted ? ScanFor<true, true>(text, end, quote, separator, closes, slot)
                          : ScanFor<true, false>(text, end, separator, separator, any, slot);
        else
            stop = quoted ? ScanFor<false, true>(text, end, quote, separator, closes)
                          : ScanFor<false, false>(text, end, separator, separator, any);
        if (quoted && stop == end) break;  // no quote closes the field
        Ch* mark = quoted ? stop + 1 : stop;  // the end mark, or the end of the line when there is none
        *stop = 0;
        std::size_t length = static_cast<std::size_t>(stop - text);
        if (roomy)
            slot[length] = 0;
        else if (!StoreField<Ch>(slot, text, length))
            break;
        ++n;
        if (mark >= end) break;
        *mark = 0;
        start = mark + 1;
    }
    emptyFrom(n);
    std::memset(line, 0, 4);
    return n;
}

}  // namespace zc::csv
