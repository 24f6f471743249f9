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

// The system's sort key of a text, one character per byte up to its terminating zero byte.
CString SortKeyOf(const wchar_t* text) {
    BYTE key[256] = {};
    LCMapStringW(GetSystemDefaultLCID(), LCMAP_SORTKEY, text, -1, reinterpret_cast<LPWSTR>(key), sizeof key);
    CString units;
    for (const BYTE* b = key; *b; ++b) units += static_cast<wchar_t>(*b);
    return units;
}

TEST(ConvStr, SortKeyBytesBecomeCharactersThatCompareAsTheKeys) {
    for (const wchar_t* text : {L"apple", L"B", L"\u3042"}) EXPECT_EQ(Map(text, 0x40), SortKeyOf(text));
    // "a" sorts before "B" although its code unit is larger.
    EXPECT_LT(Map(L"a", 0x40).Compare(Map(L"B", 0x40)), 0);
}

}  // namespace
