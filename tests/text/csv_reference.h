// A slow splitter written straight from the rules, for differential tests: it looks for the closing
// quote unit by unit; in a Shift_JIS line it asks the byte-kind query about every quote byte, in a
// wide line every quote unit is a quote.
#pragma once
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>
#include "text_api.h"
namespace csvref {
template <class Text>
struct BasicSplit { int count = 0; std::vector<Text> fields; };
using Split = BasicSplit<std::string>;
// isQuote(text, i): whether the quote unit at index i of the field text counts as a quote.
template <class Ch, class IsQuote>
BasicSplit<std::basic_string<Ch>> SplitUnits(std::basic_string<Ch> line, int slots, Ch sep, Ch quote, IsQuote isQuote) {
    BasicSplit<std::basic_string<Ch>> out;
    line = line.substr(0, line.find(Ch(0)));
    line = line.substr(0, std::min(line.rfind(Ch('\n')), line.size())) + Ch(0);
    std::size_t length = line.size() - 1, start = 0, mark = 0;
    auto endsField = [&](Ch unit) { return unit == sep || unit == Ch('\n') || unit == 0; };
    for (; length != 0 && out.count < slots && mark < length; ++out.count, start = mark + 1) {
        std::size_t text = start, stop;  // the field is [text, stop), ended by the mark
        if (quote != 0 && line[start] == quote) {
            for (stop = ++text; line[stop] != 0; ++stop)
                if (line[stop] == quote && isQuote(&line[text], stop - text) && endsField(line[stop + 1])) break;
            if (line[stop] == 0) break;  // no quote closes the field
            mark = stop + 1;
        } else {
            stop = mark = std::min(sep != 0 ? line.find(sep, start) : line.npos, length);
        }
        out.fields.push_back(line.substr(text, stop - text));
    }
    return out;
}
inline Split SplitSjis(const std::string& line, int slots, char sep, char quote) {
    return SplitUnits<char>(line, slots, sep, quote, [](const char* text, std::size_t i) {
        unsigned short kind = 0;
        Cm_CheckKanjiCode(reinterpret_cast<const unsigned char*>(text), static_cast<int>(i + 1), &kind);
        return kind == 0;
    });
}
inline BasicSplit<std::u16string> SplitWide(const std::u16string& line, int slots, char16_t sep, char16_t quote) {
    return SplitUnits<char16_t>(line, slots, sep, quote, [](const char16_t*, std::size_t) { return true; });
}
}  // namespace csvref
