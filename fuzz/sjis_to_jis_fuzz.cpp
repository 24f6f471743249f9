// Shift_JIS to JIS on any bytes: never more than 7 bytes per source byte plus the terminator.
#include "fuzz_input.h"
#include "text_api.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t n = TextLength(data, size);
    HeapBytes src(data, n, n + 1);
    HeapBytes dst(nullptr, 0, 7 * n + 1);
    Cm_SJisToJis(src.bytes, dst.bytes);
    // A text without double-byte characters converts without early zeros: its whole length is there.
    bool singles = true;
    for (std::size_t i = 0; i < n && singles; ++i) singles = src.bytes[i] < 0x81 || (src.bytes[i] > 0x9F && src.bytes[i] < 0xE0);
    if (singles && std::strlen(reinterpret_cast<char*>(dst.bytes)) < n / 2) __builtin_trap();
    return 0;
}
