// JIS to Shift_JIS on any bytes and on the JIS the reference makes of text shaped around block
// boundaries: byte for byte what the byte-at-a-time reference writes, within 2 bytes per source
// byte plus the terminator; ASCII with single LFs comes back with every LF as CR LF.
#include "kanji_fuzz.h"
#include "text_api.h"

namespace {

std::string ToSjis(const std::string& text) {
    return kanjifuzz::Compare(text, 2, Cm_JisToSJis, reference::JisToSJis);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string shaped = kanjifuzz::ShapedSjis(data, size);
    std::vector<unsigned char> jis(7 * shaped.size() + 1);
    reference::SJisToJis(reinterpret_cast<const unsigned char*>(shaped.c_str()), jis.data());
    ToSjis(reinterpret_cast<const char*>(jis.data()));

    std::string raw(reinterpret_cast<const char*>(data), TextLength(data, size));
    std::string got = ToSjis(raw);
    std::string expected;
    for (unsigned char b : raw) {
        if (b == '\n')
            expected += "\r\n";
        else if (b >= 0x20 && b < 0x7F)
            expected += static_cast<char>(b);
        else
            return 0;
    }
    if (expected != got) __builtin_trap();
    return 0;
}
