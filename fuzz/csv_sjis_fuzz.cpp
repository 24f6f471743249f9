// The Shift_JIS splitter against the slow reference that classifies every quote with the
// byte-kind query; fields, count and the emptied line must agree. Input: separator, quote, count
// (0 to 8), then the line.
#include <string>

#include "csv_reference.h"
#include "fuzz_input.h"
#include "text_api.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    char separator = static_cast<char>(data[0]);
    char quote = static_cast<char>(data[1]);
    int count = data[2] % 9;
    data += 3;
    size -= 3;
    std::size_t n = TextLength(data, size);
    HeapBytes line(data, n, n + 1 > 4 ? n + 1 : 4);
    char* fields[8];
    Cm_CSVAlloc(reinterpret_cast<zc::WideUnit**>(fields), count);
    int got = Cm_CSVAnalyzeSjis(reinterpret_cast<char*>(line.bytes), fields, count, separator, quote);
    csvref::Split expected = csvref::SplitSjis(std::string(reinterpret_cast<const char*>(data), n), count, separator, quote);
    if (got != expected.count) __builtin_trap();
    for (int i = 0; i < got; ++i)
        if (expected.fields[i] != fields[i]) __builtin_trap();
    for (int i = got; i < count; ++i)
        if (fields[i][0] != 0) __builtin_trap();
    // A line with text before its last LF reads as empty (its first four bytes zero); one without
    // keeps everything but the LF it lost.
    std::string text(reinterpret_cast<const char*>(data), n);
    std::size_t lf = text.rfind('\n');
    if (lf != 0 && n != 0) {
        if (std::memcmp(line.bytes, "\0\0\0\0", 4) != 0) __builtin_trap();
    } else if (n != 0 && std::memcmp(line.bytes + 1, data + 1, n - 1) != 0) {
        __builtin_trap();
    }
    Cm_CSVFree(reinterpret_cast<zc::WideUnit**>(fields), count);
    return 0;
}
