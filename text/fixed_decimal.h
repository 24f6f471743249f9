// Exact decimal rounding of a double to a count of decimals, halves away from zero.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zc {

struct FixedDecimal {
    bool negative = false;       // the sign bit, so -0.001 keeps its minus as printf writes it
    std::uint64_t integer = 0;   // integer digits after rounding
    int decimals = 0;            // count of the digits below
    char digits[36] = {};        // ASCII decimal digits, not terminated
};

// False for NaN, infinities and magnitudes of 2^63 and more; decimals runs from 0 to 36.
bool ToFixedDecimal(double value, int decimals, FixedDecimal& out);

}  // namespace zc
