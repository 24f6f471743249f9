// Byte kinds and the Shift_JIS <-> JIS conversions, byte for byte.
#include <gtest/gtest.h>

#include <cstring>

#include "text_under_test.h"

namespace {

Bytes ToJis(const Bytes& sjis) {
    Bytes src = sjis;
    src.push_back(0);
    Bytes dst(src.size() * 7 + 1, 0xEE);
    Cm_SJisToJis(src.data(), dst.data());
    dst.resize(std::strlen(reinterpret_cast<char*>(dst.data())));
    return dst;
}

// The whole destination up to and including the terminator, so that written zero pairs show.
Bytes ToSjisRaw(const Bytes& jis, std::size_t shown) {
    Bytes src = jis;
    src.push_back(0);
    Bytes dst(src.size() * 2 + 1, 0xEE);
    Cm_JisToSJis(src.data(), dst.data());
    dst.resize(shown);
    return dst;
}

Bytes ToSjis(const Bytes& jis) {
    Bytes all = ToSjisRaw(jis, jis.size() * 2 + 2);
    all.resize(std::strlen(reinterpret_cast<char*>(all.data())));
    return all;
}

int Kind(const char* text, int pos, unsigned short* kind) {
    return Cm_CheckKanjiCode(reinterpret_cast<const unsigned char*>(text), pos, kind);
}

TEST(CheckKanjiCode, ClassifiesEachPositionOfAMixedText) {
    const char text[] = "A\x82\xA0" "B";
    unsigned short kind = 9;
    const unsigned short expected[] = {0, 1, 2, 0};
    for (int pos = 1; pos <= 4; ++pos) {
        ASSERT_EQ(Kind(text, pos, &kind), 1) << pos;
        EXPECT_EQ(kind, expected[pos - 1]) << pos;
    }
    kind = 9;
    EXPECT_EQ(Kind(text, 0, &kind), 0);
    EXPECT_EQ(Kind(text, 5, &kind), 0);
    EXPECT_EQ(Kind(text, -3, &kind), 0);
    EXPECT_EQ(Kind("", 1, &kind), 0);
    EXPECT_EQ(kind, 9) << "a refused position leaves the kind alone";
}

TEST(CheckKanjiCode, UsesItsOwnLeadRuleNotTheCodePage) {
    unsigned short kind = 9;
    ASSERT_EQ(Kind("\xB1", 1, &kind), 1);
    EXPECT_EQ(kind, 0) << "half-width katakana is a single byte";
    for (unsigned char lead : {0x7F, 0x80, 0xFD, 0xFE, 0xFF, 0xA0}) {
        const char text[] = {static_cast<char>(lead), 'x', 'y', 0};
        ASSERT_EQ(Kind(text, 2, &kind), 1);
        EXPECT_EQ(kind, lead == 0xA0 ? 0 : 2) << std::hex << int(lead);
        ASSERT_EQ(Kind(text, 3, &kind), 1);
        EXPECT_EQ(kind, 0);
    }
    // A run of pair-starting bytes pairs up from the left.
    ASSERT_EQ(Kind("\x88\x9F\x88\x9F\x5C", 4, &kind), 1);
    EXPECT_EQ(kind, 2);
    ASSERT_EQ(Kind("\x88\x9F\x88\x9F\x5C", 5, &kind), 1);
    EXPECT_EQ(kind, 0);
}

TEST(SjisToJis, WritesEscapesAroundEachRunAndLfForCrLf) {
    EXPECT_EQ(ToJis({0x82, 0xA0, 0x82, 0xA2, 0xB1, 0x41, 0x0D, 0x0A}),
              (Bytes{0x1B, 0x24, 0x42, 0x24, 0x22, 0x24, 0x24, 0x1B, 0x28, 0x42, 0x1B, 0x28, 0x49, 0x31, 0x1B,
                     0x28, 0x42, 0x41, 0x0A}));
    // Katakana directly followed by kanji closes the katakana run first.
    EXPECT_EQ(ToJis({0xB1, 0x82, 0xA0}),
              (Bytes{0x1B, 0x28, 0x49, 0x31, 0x1B, 0x28, 0x42, 0x1B, 0x24, 0x42, 0x24, 0x22, 0x1B, 0x28, 0x42}));
    EXPECT_EQ(ToJis({}), Bytes{});
}

TEST(SjisToJis, BytesOutsideTheCodePageClassesAreCopied) {
    // Code page 932's classes, not the byte-kind rule: 0x7F, 0x80, 0xA0 and 0xFD-0xFF are singles.
    for (unsigned char b : {0x7F, 0x80, 0xA0, 0xFD, 0xFF}) EXPECT_EQ(ToJis({b, 'a'}), (Bytes{b, 'a'})) << int(b);
    // The byte after a CR is skipped unseen, whatever it is.
    EXPECT_EQ(ToJis({'a', 0x0D, 'b', 'c'}), (Bytes{'a', 0x0A, 'c'}));
}

TEST(SjisToJis, LoneKanaTakesTheWorstCaseOfSevenBytes) {
    EXPECT_EQ(ToJis({'a', 0xB1, 'b'}), (Bytes{'a', 0x1B, 0x28, 0x49, 0x31, 0x1B, 0x28, 0x42, 'b'}));
}

TEST(SjisToJis, PairWithoutTrailByteGivesTwoZeroBytes) {
    Bytes src = {0x82, 0x20, 'x', 0};
    Bytes dst(32, 0xEE);
    Cm_SJisToJis(src.data(), dst.data());
    EXPECT_EQ(Bytes(dst.begin(), dst.begin() + 9), (Bytes{0x1B, 0x24, 0x42, 0, 0, 0x1B, 0x28, 0x42, 'x'}));
    EXPECT_EQ(dst[9], 0);
}

TEST(SjisToJis, CutCharacterBeforeTheTerminatorIsDropped) {
    EXPECT_EQ(ToJis({'a', 0x82}), Bytes{'a'});
    EXPECT_EQ(ToJis({0x82, 0xA0, 0x82}), (Bytes{0x1B, 0x24, 0x42, 0x24, 0x22, 0x1B, 0x28, 0x42}));
    EXPECT_EQ(ToJis({'a', 0x0D}), (Bytes{'a', 0x0A}));
}

TEST(SjisToJis, UserDefinedAreaBecomesTheGetaMark) {
    EXPECT_EQ(ToJis({0xF0, 0x40}), (Bytes{0x1B, 0x24, 0x42, 0x22, 0x2E, 0x1B, 0x28, 0x42}));
}

TEST(JisToSjis, RestoresTheMixedExample) {
    Bytes jis = {0x1B, 0x24, 0x42, 0x24, 0x22, 0x24, 0x24, 0x1B, 0x28, 0x42, 0x1B, 0x28,
                 0x49, 0x31, 0x1B, 0x28, 0x42, 0x41, 0x0A};
    EXPECT_EQ(ToSjis(jis), (Bytes{0x82, 0xA0, 0x82, 0xA2, 0xB1, 0x41, 0x0D, 0x0A}));
    EXPECT_EQ(ToSjis({}), Bytes{});
}

TEST(JisToSjis, LineEndsBecomeCrLfOnce) {
    EXPECT_EQ(ToSjis({0x0A, 'a'}), (Bytes{0x0D, 0x0A, 'a'}));
    EXPECT_EQ(ToSjis({'a', 0x0D, 0x0A, 'b', 0x0A}), (Bytes{'a', 0x0D, 0x0A, 'b', 0x0D, 0x0A}));
}

TEST(JisToSjis, ModesFollowTheEscapes) {
    // Kanji wins over katakana; ESC ( B ends both; an unknown escape is copied.
    EXPECT_EQ(ToSjis({0x1B, 0x28, 0x49, 0x1B, 0x24, 0x42, 0x24, 0x22, 0x1B, 0x28, 0x42, 0x31}),
              (Bytes{0x82, 0xA0, 0x31}));
    EXPECT_EQ(ToSjis({0x1B, 0x28, 0x49, 0x31, 0x60, ' ', 0x5F}), (Bytes{0xB1, 0x60, ' ', 0xDF}));
    EXPECT_EQ(ToSjis({0x1B, 0x28, 0x4A, 'a'}), (Bytes{0x1B, 0x28, 0x4A, 'a'}));
    EXPECT_EQ(ToSjis({0x1B, 0x24, 0x42, 0x90, 0x24, 0x22}), (Bytes{0x90, 0x82, 0xA0}));
    // A line end inside a kanji run does not leave kanji mode.
    EXPECT_EQ(ToSjis({0x1B, 0x24, 0x42, 0x24, 0x22, 0x0A, 0x24, 0x22}), (Bytes{0x82, 0xA0, 0x0D, 0x0A, 0x82, 0xA0}));
}

TEST(JisToSjis, BadPairGivesZerosAndCutPairIsDropped) {
    EXPECT_EQ(ToSjisRaw({0x1B, 0x24, 0x42, 0x24, 0x0A, 0x1B, 0x28, 0x42, 'x'}, 4), (Bytes{0, 0, 'x', 0}));
    EXPECT_EQ(ToSjis({0x1B, 0x24, 0x42, 0x24, 0x22, 0x30}), (Bytes{0x82, 0xA0}));
}

// Every pair of the JIS X 0208 area survives the round trip, and JIS codes stay in 0x21-0x7E.
TEST(KanjiRoundTrip, EveryJisX0208PairComesBack) {
    for (int s1 = 0x81; s1 <= 0xEF; ++s1) {
        if (s1 > 0x9F && s1 < 0xE0) continue;
        for (int s2 = 0x40; s2 <= 0xFC; ++s2) {
            if (s2 == 0x7F) continue;
            Bytes sjis = {static_cast<unsigned char>(s1), static_cast<unsigned char>(s2)};
            Bytes jis = ToJis(sjis);
            ASSERT_EQ(jis.size(), 8u);
            ASSERT_TRUE(jis[3] >= 0x21 && jis[3] <= 0x7E && jis[4] >= 0x21 && jis[4] <= 0x7E) << s1 << " " << s2;
            ASSERT_EQ(ToSjis(jis), sjis) << std::hex << s1 << " " << s2;
        }
    }
}

}  // namespace
