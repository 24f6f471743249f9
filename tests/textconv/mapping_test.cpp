// Kana, width and case mapping through the system's locale mapping.
#include <ZetoCom.h>
#include <gtest/gtest.h>

#include "cstring_print.h"

namespace {

CString Map(const wchar_t* text, unsigned char flags) {
    return Cm_ConvStr(reinterpret_cast<const unsigned short*>(text), flags);
}

TEST(ConvStr, KanaAndWidthAndCase) {
    ASSERT_EQ(GetSystemDefaultLCID(), 0x411u);
    EXPECT_EQ(Map(L"\u3042\u3044", 0x02), CString(L"\u30A2\u30A4")) << "hiragana to katakana";
    EXPECT_EQ(Map(L"\u30A2\u30A4", 0x01), CString(L"\u3042\u3044")) << "katakana to hiragana";
    EXPECT_EQ(Map(L"\uFF21\uFF22\uFF23", 0x14), CString(L"abc")) << "half-width and lower case";
    EXPECT_EQ(Map(L"abc", 0x08 | 0x20), CString(L"\uFF21\uFF22\uFF23")) << "full-width and upper case";
}

// Wine 8 answers the size query for LCMAP_BYTEREV with 0 (Windows with 3); the result follows
// what the system answers.
TEST(ConvStr, ByteReversalAsTheSystemDoesIt) {
    if (LCMapStringW(GetSystemDefaultLCID(), LCMAP_BYTEREV, L"Ab", -1, nullptr, 0) == 0)
        EXPECT_TRUE(Map(L"Ab", 0x80).IsEmpty());
    else
        EXPECT_EQ(Map(L"Ab", 0x80), CString(L"\u4100\u6200"));
}

TEST(ConvStr, NullOrRefusedFlagsGiveEmpty) {
    EXPECT_TRUE(Cm_ConvStr(nullptr, 0x02).IsEmpty());
    EXPECT_TRUE(Map(L"abc", 0x10 | 0x20).IsEmpty()) << "lower and upper case at once is refused";
    EXPECT_TRUE(Map(L"", 0x02).IsEmpty());
}

TEST(ConvStr, SortKeyBytesBecomeCharactersThatCompareAsTheKeys) {
    CString a = Map(L"apple", 0x40);
    CString b = Map(L"banana", 0x40);
    ASSERT_FALSE(a.IsEmpty());
    ASSERT_FALSE(b.IsEmpty());
    for (int i = 0; i < a.GetLength(); ++i) EXPECT_LT(a[i], 0x100) << "one byte per character";
    EXPECT_LT(a.Compare(b), 0);
    EXPECT_EQ(Map(L"apple", 0x40), a);
}

}  // namespace
