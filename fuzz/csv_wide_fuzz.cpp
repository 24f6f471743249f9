// The wide splitter against the slow reference, on any units: fields, count and the emptied slots
// must agree. Input: separator, quote, count (0 to 8) as units, then the line.
#include <string>

#include "csv_reference.h"
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
    csvref::BasicSplit<std::u16string> expected = csvref::SplitWide(text, count, separator, quote);
    if (got != expected.count) __builtin_trap();
    for (int i = 0; i < got; ++i)
        if (expected.fields[i] != fields[i]) __builtin_trap();
    for (int i = got; i < count; ++i)
        if (fields[i][0] != 0) __builtin_trap();
    // A line with text before its last LF reads as empty (its first two units zero); one without
    // keeps everything but the LF it lost.
    std::size_t lf = text.rfind(u'\n');
    if (lf != 0 && !text.empty()) {
        if (line[0] != 0 || line[1] != 0) __builtin_trap();
    } else if (!text.empty() && text.compare(1, std::u16string::npos, line + 1, text.size() - 1) != 0) {
        __builtin_trap();
    }
    Cm_CSVFree(fields, count);
    std::free(line);
    return 0;
}
