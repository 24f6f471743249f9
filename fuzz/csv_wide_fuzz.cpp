// The wide splitter on any units: fields must be the pieces of the line between the separators
// it chose, within their blocks. Input: separator, quote, count (0 to 8) as units, then the line.
#include <string>

#include "fuzz_input.h"
#include "text_api.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 6) return 0;
    std::size_t units = size / 2;
    auto unit = [data](std::size_t i) { return static_cast<char16_t>(data[2 * i] | (data[2 * i + 1] << 8)); };
    char16_t separator = unit(0), quote = unit(1);
    int count = unit(2) % 9;
    std::u16string text;
    for (std::size_t i = 3; i < units && unit(i) != 0; ++i) text += unit(i);
    std::size_t bytes = (text.size() + 1) * 2 < 4 ? 4 : (text.size() + 1) * 2;
    auto* line = static_cast<char16_t*>(std::calloc(bytes, 1));
    std::memcpy(line, text.data(), text.size() * 2);
    char16_t* fields[8];
    Cm_CSVAlloc(fields, count);
    int got = Cm_CSVAnalyze(line, fields, count, separator, quote);
    if (got < 0 || got > count) __builtin_trap();
    // Every stored field is a piece of the original text, in order.
    std::size_t at = 0;
    for (int i = 0; i < got; ++i) {
        std::u16string field(fields[i]);
        std::size_t found = text.find(field, at);
        if (found == std::u16string::npos) __builtin_trap();
        at = found + field.size();
    }
    Cm_CSVFree(fields, count);
    std::free(line);
    return 0;
}
