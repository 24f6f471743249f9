// Shift_JIS to JIS on any bytes: never more than 7 bytes per source byte plus the terminator, and
// text of printable ASCII, half-width katakana and pairs outside the user-defined area comes back
// unchanged through JIS to Shift_JIS.
#include "fuzz_input.h"
#include "text_api.h"

namespace {

// Printable ASCII, katakana and well-formed pairs with a lead byte below 0xF0, nothing else.
bool RoundTrips(const unsigned char* text, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char b = text[i];
        if ((b >= 0x20 && b < 0x7F) || (b >= 0xA1 && b <= 0xDF)) continue;
        bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF);
        if (!lead || i + 1 == n) return false;
        unsigned char trail = text[++i];
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::size_t n = TextLength(data, size);
    HeapBytes src(data, n, n + 1);
    HeapBytes dst(nullptr, 0, 7 * n + 1);
    Cm_SJisToJis(src.bytes, dst.bytes);
    if (!RoundTrips(src.bytes, n)) return 0;
    std::size_t jis = std::strlen(reinterpret_cast<char*>(dst.bytes));
    HeapBytes back(nullptr, 0, 2 * jis + 1);
    Cm_JisToSJis(dst.bytes, back.bytes);
    if (std::strcmp(reinterpret_cast<char*>(back.bytes), reinterpret_cast<char*>(src.bytes)) != 0) __builtin_trap();
    return 0;
}
