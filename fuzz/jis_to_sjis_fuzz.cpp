// JIS to Shift_JIS on any bytes: never more than 2 bytes per source byte plus the terminator.
#include <string>

#include "fuzz_input.h"
#include "text_api.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t n = TextLength(data, size);
    HeapBytes src(data, n, n + 1);
    HeapBytes dst(nullptr, 0, 2 * n + 1);
    Cm_JisToSJis(src.bytes, dst.bytes);
    // A text that is ASCII with single LFs comes back with every LF as CR LF and nothing else changed.
    std::string expected;
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char b = src.bytes[i];
        if (b == '\n')
            expected += "\r\n";
        else if (b >= 0x20 && b < 0x7F)
            expected += static_cast<char>(b);
        else
            return 0;
    }
    if (expected != reinterpret_cast<char*>(dst.bytes)) __builtin_trap();
    return 0;
}
