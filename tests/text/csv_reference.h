// A slow splitter written straight from the rules, for differential tests: it searches the
// closing quote step by step; for Shift_JIS lines it asks the byte-kind query about every quote
// byte it meets, for wide lines every quote unit is a quote.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "text_api.h"

namespace csvref {

template <class Text>
struct BasicSplit {
    int count = 0;
    std::vector<Text> fields;
};
using Split = BasicSplit<std::string>;

// isQuote(text, i): whether the quote unit at index i of the field text counts as a quote.
template <class Ch, class IsQuote>
BasicSplit<std::basic_string<Ch>> SplitUnits(std::basic_string<Ch> line, int slots, Ch separator, Ch quote,
                                             IsQuote isQuote) {
    BasicSplit<std::basic_string<Ch>> out;
    std::size_t length = line.find(Ch(0));
    if (length != std::basic_string<Ch>::npos) line.resize(length);
    std::size_t lf = line.rfind(Ch('\n'));
    if (lf != std::basic_string<Ch>::npos) line.resize(lf);
    length = line.size();
    if (length == 0) return out;
    line.push_back(0);
    std::size_t start = 0, mark = 0;
    while (out.count < slots && mark < length) {
        std::size_t textAt;
        bool haveMark = true;
        if (quote != 0 && line[start] == quote) {
            textAt = start + 1;
            std::size_t closing = std::basic_string<Ch>::npos;
            for (std::size_t i = 0; line[textAt + i] != 0; ++i) {
                if (line[textAt + i] != quote || !isQuote(&line[textAt], i)) continue;
                Ch next = line[textAt + i + 1];
                if (next == separator || next == Ch('\n') || next == 0) {
                    closing = textAt + i;
                    break;
                }
            }
            if (closing == std::basic_string<Ch>::npos) break;
            line[closing] = 0;
            mark = closing + 1;
        } else {
            textAt = start;
            std::size_t sep = separator != 0 ? line.find(separator, start) : std::basic_string<Ch>::npos;
            haveMark = sep != std::basic_string<Ch>::npos && sep < length;
            mark = haveMark ? sep : length;
        }
        if (haveMark) line[mark] = 0;
        out.fields.emplace_back(&line[textAt]);
        ++out.count;
        if (!haveMark) break;
        start = mark + 1;
    }
    return out;
}

inline Split SplitSjis(const std::string& line, int slots, char separator, char quote) {
    return SplitUnits<char>(line, slots, separator, quote, [](const char* text, std::size_t i) {
        unsigned short kind = 0;
        Cm_CheckKanjiCode(reinterpret_cast<const unsigned char*>(text), static_cast<int>(i + 1), &kind);
        return kind == 0;
    });
}

inline BasicSplit<std::u16string> SplitWide(const std::u16string& line, int slots, char16_t separator, char16_t quote) {
    return SplitUnits<char16_t>(line, slots, separator, quote, [](const char16_t*, std::size_t) { return true; });
}

}  // namespace csvref
