// JIS to Shift_JIS on any bytes: never more than 2 bytes per source byte plus the terminator.
#include "fuzz_input.h"
#include "text_api.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t n = TextLength(data, size);
    HeapBytes src(data, n, n + 1);
    HeapBytes dst(nullptr, 0, 2 * n + 1);
    Cm_JisToSJis(src.bytes, dst.bytes);
    // A text that is ASCII with single LFs comes back with every LF as CR LF and nothing else changed.
    bool plain = true;
    std::size_t lfs = 0;
    for (std::size_t i = 0; i < n && plain; ++i) {
        plain = src.bytes[i] >= 0x20 && src.bytes[i] < 0x7F ? true : src.bytes[i] == '\n';
        lfs += src.bytes[i] == '\n';
    }
    if (plain && std::strlen(reinterpret_cast<char*>(dst.bytes)) != n + lfs) __builtin_trap();
    return 0;
}
