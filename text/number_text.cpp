// Display texts of integers, fixed-point reals and byte sizes, in fixed stack buffers.
#include "fixed_decimal.h"
#include "text_api.h"

#include <cstring>

namespace zc {
namespace {

// Appends text to out at length; returns the new length.
std::size_t Append(NumberText& out, std::size_t length, const char* text) {
    std::size_t n = std::strlen(text);
    std::memcpy(out + length, text, n + 1);
    return length + n;
}

// Writes magnitude with "," between groups of three digits and a terminator; returns the length.
std::size_t WriteGrouped(std::uint64_t magnitude, char* out) {
    char digits[32];
    char* p = digits + sizeof digits;
    int inGroup = 0;
    do {
        if (inGroup == 3) {
            *--p = ',';
            inGroup = 0;
        }
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
        ++inGroup;
    } while (magnitude != 0);
    std::size_t n = static_cast<std::size_t>(digits + sizeof digits - p);
    std::memcpy(out, p, n);
    out[n] = 0;
    return n;
}

}  // namespace

std::size_t FormatCommaInt(std::int64_t value, NumberText& out) {
    std::size_t length = 0;
    auto magnitude = static_cast<std::uint64_t>(value);
    if (value < 0) {
        out[length++] = '-';
        magnitude = 0 - magnitude;
    }
    return length + WriteGrouped(magnitude, out + length);
}

std::size_t FormatCommaReal(double value, int decimals, NumberText& out) {
    out[0] = 0;
    FixedDecimal fixed;
    if (!ToFixedDecimal(value, decimals < 0 ? 0 : decimals > 36 ? 36 : decimals, fixed)) return 0;
    std::size_t length = 0;
    if (fixed.negative) out[length++] = '-';
    length += WriteGrouped(fixed.integer, out + length);
    if (fixed.decimals > 0) {
        out[length++] = '.';
        std::memcpy(out + length, fixed.digits, fixed.decimals);
        length += fixed.decimals;
    }
    out[length] = 0;
    return length;
}

std::size_t FormatByteSize(std::int64_t size, NumberText& out) {
    constexpr std::int64_t kKilo = 1024;
    // A value with a fractional part is pulled down by half a thousandth before it is rounded to
    // two decimals, so that it is not rounded up to a larger figure than it has.
    auto units = [&out](double value, bool whole, const char* suffix) {
        return Append(out, FormatCommaReal(whole ? value : value - 0.0005, 2, out), suffix);
    };
    std::int64_t k = size / kKilo;
    std::int64_t m = k / kKilo;
    if (size >= kKilo * kKilo * kKilo) return units(static_cast<double>(m) / kKilo, m % kKilo == 0, " GB");
    if (size >= kKilo * kKilo) return units(static_cast<double>(k) / kKilo, k % kKilo == 0, " MB");
    if (size >= kKilo) return units(static_cast<double>(size) * 0.0009765625, size % kKilo == 0, " KB");
    return Append(out, FormatCommaInt(size, out), " Byte");
}

}  // namespace zc
