// Integer, real and byte-size display texts against their reference values.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "text_under_test.h"

namespace {

TEST(AddCommaInt, GroupsThreeDigitsFromTheRight) {
    EXPECT_EQ(CommaInt(0), "0");
    EXPECT_EQ(CommaInt(999), "999");
    EXPECT_EQ(CommaInt(1000), "1,000");
    EXPECT_EQ(CommaInt(1000000), "1,000,000");
    EXPECT_EQ(CommaInt(1234567), "1,234,567");
    EXPECT_EQ(CommaInt(-5), "-5");
    EXPECT_EQ(CommaInt(-1234567), "-1,234,567");
    EXPECT_EQ(CommaInt(std::numeric_limits<std::int64_t>::min()), "-9,223,372,036,854,775,808");
    EXPECT_EQ(CommaInt(std::numeric_limits<std::int64_t>::max()), "9,223,372,036,854,775,807");
}

TEST(AddCommaReal, RoundsTheWholeValueHalfAwayFromZero) {
    EXPECT_EQ(CommaReal(1234.5, 2), "1,234.50");
    EXPECT_EQ(CommaReal(1234567.891, 1), "1,234,567.9");
    EXPECT_EQ(CommaReal(-1234.35, 2), "-1,234.35");
    EXPECT_EQ(CommaReal(0.5, 0), "1");
    EXPECT_EQ(CommaReal(2.6, 0), "3");
    EXPECT_EQ(CommaReal(-2.5, 0), "-3");
    EXPECT_EQ(CommaReal(1.999, 2), "2.00");
    EXPECT_EQ(CommaReal(999999.9996, 3), "1,000,000.000");
    EXPECT_EQ(CommaReal(0.125, 2), "0.13");
    EXPECT_EQ(CommaReal(-0.001, 2), "-0.00");
    EXPECT_EQ(CommaReal(0.1, 20), "0.10000000000000000555");
}

TEST(AddCommaReal, EdgesOfTheDomainStayInsideTheBuffer) {
    EXPECT_EQ(CommaReal(9223372036854774784.0, 36),
              "9,223,372,036,854,774,784.000000000000000000000000000000000000");
    EXPECT_EQ(CommaReal(-9223372036854774784.0, 36).size(), 63u);
    EXPECT_EQ(CommaReal(5e-324, 36), "0." + std::string(36, '0'));
    EXPECT_EQ(CommaReal(0.5, 80), "0." + std::string(1, '5') + std::string(35, '0')) << "decimals above 36 count as 36";
    EXPECT_EQ(CommaReal(2.5, -4), "3") << "negative decimals count as 0";
    EXPECT_EQ(CommaReal(9223372036854775808.0, 2), "");
    EXPECT_EQ(CommaReal(std::nan(""), 2), "");
    EXPECT_EQ(CommaReal(-std::numeric_limits<double>::infinity(), 2), "");
}

TEST(DispByteSize, GivesEveryReferenceValue) {
    const struct {
        std::int64_t size;
        const char* text;
    } rows[] = {
        {0, "0 Byte"},
        {1023, "1,023 Byte"},
        {1024, "1.00 KB"},
        {1536, "1.50 KB"},
        {1050, "1.02 KB"},     // 1.0254: rounds up only without the 0.0005 taken off
        {1054719, "1.00 MB"},  // from 1029 whole kilobytes; 1.01 from the bytes
        {1048575, "1,024.00 KB"},
        {1048576, "1.00 MB"},
        {5366336, "5.12 MB"},
        {1073741824, "1.00 GB"},
        {1610612736, "1.50 GB"},
        {123456789012, "114.98 GB"},
        {1099511627776, "1,024.00 GB"},
        {4398046511104, "4,096.00 GB"},
        {5497558138880, "5,120.00 GB"},
        {-5, "-5 Byte"},
    };
    for (const auto& row : rows) EXPECT_EQ(ByteSize(row.size), row.text) << row.size;
}

}  // namespace
