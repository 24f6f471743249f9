// A slow splitter written straight from the rules, for differential tests: it searches the
// closing quote step by step and asks the byte-kind query about every quote byte it meets.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "text_api.h"

namespace csvref {

struct Split {
    int count = 0;
    std::vector<std::string> fields;
};

inline Split SplitSjis(std::string line, int slots, char separator, char quote) {
    Split out;
    line.push_back('\0');
    char* s = &line[0];
    if (char* lf = std::strrchr(s, '\n')) *lf = 0;
    std::size_t length = std::strlen(s);
    if (length == 0) return out;
    std::size_t start = 0, mark = 0;
    while (out.count < slots && mark < length) {
        std::size_t textAt;
        bool haveMark = true;
        if (quote != 0 && s[start] == quote) {
            textAt = start + 1;
            const auto* text = reinterpret_cast<const unsigned char*>(s + textAt);
            std::size_t closing = std::string::npos;
            for (std::size_t i = 0; s[textAt + i] != 0; ++i) {
                if (s[textAt + i] != quote) continue;
                unsigned short kind = 0;
                Cm_CheckKanjiCode(text, static_cast<int>(i + 1), &kind);
                if (kind != 0) continue;
                char next = s[textAt + i + 1];
                if (next == separator || next == '\n' || next == 0) {
                    closing = textAt + i;
                    break;
                }
            }
            if (closing == std::string::npos) break;
            s[closing] = 0;
            mark = closing + 1;
        } else {
            textAt = start;
            const char* sep = separator != 0 ? std::strchr(s + start, separator) : nullptr;
            haveMark = sep != nullptr;
            mark = haveMark ? static_cast<std::size_t>(sep - s) : length;
        }
        if (haveMark) s[mark] = 0;
        out.fields.emplace_back(s + textAt);
        ++out.count;
        if (!haveMark) break;
        start = mark + 1;
    }
    return out;
}

}  // namespace csvref
