// Shift_JIS to JIS on any bytes and on text shaped around block boundaries: byte for byte what the
// byte-at-a-time reference writes, within 7 bytes per source byte plus the terminator; text of
// printable ASCII, half-width katakana and pairs outside the user-defined area comes back
// unchanged through JIS to Shift_JIS.
#include "kanji_fuzz.h"
#include "text_api.h"

namespace {

// Printable ASCII, katakana and well-formed pairs with a lead byte below 0xF0, nothing else.
bool RoundTrips(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        if ((b >= 0x20 && b < 0x7F) || (b >= 0xA1 && b <= 0xDF)) continue;
        bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xEF);
        if (!lead || i + 1 == text.size()) return false;
        unsigned char trail = static_cast<unsigned char>(text[++i]);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
    }
    return true;
}

std::string ToJis(const std::string& text) {
    return kanjifuzz::Compare(text, 7, Cm_SJisToJis, reference::SJisToJis);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string raw(reinterpret_cast<const char*>(data), TextLength(data, size));
    std::string shaped = kanjifuzz::ShapedSjis(data, size);
    ToJis(shaped);
    std::string jis = ToJis(raw);
    if (!RoundTrips(raw)) return 0;
    HeapBytes src(reinterpret_cast<const std::uint8_t*>(jis.c_str()), jis.size(), jis.size() + 1);
    HeapBytes back(nullptr, 0, 2 * jis.size() + 1);
    Cm_JisToSJis(src.bytes, back.bytes);
    if (raw != reinterpret_cast<char*>(back.bytes)) __builtin_trap();
    return 0;
}
