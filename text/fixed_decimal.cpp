// A double is m * 2^e with an integer m of at most 53 bits, so its fraction has a finite decimal
// expansion: the digits are produced one at a time by multiplying the binary fraction by ten, in
// a fixed-size big number on the stack, and the remainder decides the rounding exactly.
#include "fixed_decimal.h"

#include <cstring>

namespace zc {
namespace {

// The fraction F / 2^bits, with F held in 32-bit words, least significant first. F * 10 must fit:
// bits is at most 1074 (the smallest subnormal), so 35 words are enough.
class BinaryFraction {
public:
    BinaryFraction(std::uint64_t numerator, int bits) : bits_(bits) {
        words_[0] = static_cast<std::uint32_t>(numerator);
        words_[1] = static_cast<std::uint32_t>(numerator >> 32);
        used_ = bits / 32 + 2;
    }

    // Multiplies by ten and takes off the integer digit that this moves above the point.
    int NextDigit() {
        std::uint64_t carry = 0;
        for (int i = 0; i < used_; ++i) {
            std::uint64_t v = std::uint64_t{words_[i]} * 10 + carry;
            words_[i] = static_cast<std::uint32_t>(v);
            carry = v >> 32;
        }
        int digit = static_cast<int>(BitsFrom(bits_) & 0xF);
        ClearFrom(bits_);
        return digit;
    }

    // True when the remaining fraction is one half or more.
    bool AtLeastHalf() const { return bits_ > 0 && ((words_[(bits_ - 1) / 32] >> ((bits_ - 1) % 32)) & 1); }

private:
    std::uint64_t BitsFrom(int bit) const {
        int w = bit / 32, s = bit % 32;
        std::uint64_t v = words_[w] >> s;
        if (s != 0 && w + 1 < kWords) v |= std::uint64_t{words_[w + 1]} << (32 - s);
        return v;
    }
    void ClearFrom(int bit) {
        int w = bit / 32, s = bit % 32;
        words_[w] &= (std::uint32_t{1} << s) - 1;
        for (int i = w + 1; i < used_; ++i) words_[i] = 0;
    }

    static constexpr int kWords = 36;
    std::uint32_t words_[kWords] = {};
    int bits_;
    int used_;
};

}  // namespace

bool ToFixedDecimal(double value, int decimals, FixedDecimal& out) {
    std::uint64_t raw;
    std::memcpy(&raw, &value, sizeof raw);
    out = FixedDecimal{};
    out.negative = (raw >> 63) != 0;
    out.decimals = decimals;
    int exponentField = static_cast<int>((raw >> 52) & 0x7FF);
    std::uint64_t mantissa = raw & ((std::uint64_t{1} << 52) - 1);
    if (exponentField == 0x7FF || exponentField >= 1023 + 63) return false;  // NaN, infinity, >= 2^63
    int exponent = exponentField == 0 ? -1074 : exponentField - 1075;
    if (exponentField != 0) mantissa |= std::uint64_t{1} << 52;

    std::uint64_t fraction = 0;
    int bits = 0;
    if (exponent >= 0) {
        out.integer = mantissa << exponent;
    } else {
        bits = -exponent;
        out.integer = bits < 64 ? mantissa >> bits : 0;
        fraction = bits < 64 ? mantissa & ((std::uint64_t{1} << bits) - 1) : mantissa;
    }
    for (int i = 0; i < decimals; ++i) out.digits[i] = '0';
    if (fraction == 0) return true;

    BinaryFraction f(fraction, bits);
    for (int i = 0; i < decimals; ++i) out.digits[i] = static_cast<char>('0' + f.NextDigit());
    if (!f.AtLeastHalf()) return true;
    int i = decimals - 1;
    while (i >= 0 && out.digits[i] == '9') out.digits[i--] = '0';
    if (i >= 0)
        ++out.digits[i];
    else
        ++out.integer;
    return true;
}

}  // namespace zc
