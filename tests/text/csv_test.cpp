// Both CSV splitters against the rule table, the block growth, and the Shift_JIS quote rule
// against a slow reference that asks the byte-kind query about every quote.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "csv_reference.h"
#include "text_under_test.h"

namespace {

using Fields = std::vector<std::string>;

struct Row {
    const char* line;
    int count;
    int result;
    Fields fields;
};

// Owns a field buffer array for the duration of a test.
template <class Ch>
struct Slots {
    explicit Slots(int n) : count(n), slot(n) { Cm_CSVAlloc(reinterpret_cast<zc::WideUnit**>(slot.data()), n); }
    ~Slots() { Cm_CSVFree(reinterpret_cast<zc::WideUnit**>(slot.data()), count); }
    int count;
    std::vector<Ch*> slot;
};

std::string Narrow(const zc::WideUnit* text) {
    std::string out;
    for (; *text; ++text) out += static_cast<char>(*text);
    return out;
}

csvref::Split SplitWide(const std::string& text, Slots<zc::WideUnit>& slots, char separator = ',', char quote = '\'') {
    WideText line(text.begin(), text.end());
    line.resize(std::max<std::size_t>(line.size() + 1, 2), 0);
    csvref::Split out;
    out.count = Cm_CSVAnalyze(&line[0], slots.slot.data(), slots.count, separator, quote);
    for (int i = 0; i < out.count; ++i) out.fields.push_back(Narrow(slots.slot[i]));
    return out;
}

csvref::Split SplitSjis(const std::string& text, Slots<char>& slots, char separator = ',', char quote = '\'') {
    std::string line = text;
    line.resize(std::max<std::size_t>(line.size() + 1, 4), 0);
    csvref::Split out;
    out.count = Cm_CSVAnalyzeSjis(&line[0], slots.slot.data(), slots.count, separator, quote);
    for (int i = 0; i < out.count; ++i) out.fields.emplace_back(slots.slot[i]);
    return out;
}

const Row kRows[] = {
    {"a,b,c\n", 8, 3, {"a", "b", "c"}},
    {"a,,b", 8, 3, {"a", "", "b"}},
    {"a,b,", 8, 3, {"a", "b", ""}},
    {",", 8, 2, {"", ""}},
    {"'x',y", 8, 2, {"x", "y"}},
    {"a,'x'", 8, 2, {"a", "x"}},
    {"'a,b',z", 8, 2, {"a,b", "z"}},
    {"'a''b',x", 8, 2, {"a''b", "x"}},
    {"'x'y,z", 8, 0, {}},
    {"'a'b,'z'", 8, 1, {"a'b,'z"}},
    {"a,'", 8, 1, {"a"}},
    {"a,b\r\n", 8, 2, {"a", "b\r"}},
    {"a,b\nz", 8, 2, {"a", "b"}},
    {"a,b,z,w", 2, 2, {"a", "b"}},
    {"'x'\ny\n", 8, 2, {"x", "y"}},
    {"a\nb,c\nd", 8, 2, {"a\nb", "c"}},
};

TEST(CsvTable, BothSplittersGiveEveryRow) {
    for (const Row& row : kRows) {
        Slots<zc::WideUnit> wide(row.count);
        Slots<char> sjis(row.count);
        csvref::Split w = SplitWide(row.line, wide);
        csvref::Split s = SplitSjis(row.line, sjis);
        EXPECT_EQ(w.count, row.result) << row.line;
        EXPECT_EQ(w.fields, row.fields) << row.line;
        EXPECT_EQ(s.count, row.result) << row.line;
        EXPECT_EQ(s.fields, row.fields) << row.line;
        // Slots past the result are emptied, the unterminated field's slot included.
        for (int i = row.result; i < row.count; ++i) {
            EXPECT_EQ(wide.slot[i][0], 0) << row.line << " slot " << i;
            EXPECT_EQ(sjis.slot[i][0], 0) << row.line << " slot " << i;
        }
    }
}

TEST(CsvLine, IsEmptiedUnlessItHadNoText) {
    Slots<zc::WideUnit> slots(2);
    WideText line = Wide(u"ab,cd");
    EXPECT_EQ(Cm_CSVAnalyze(&line[0], slots.slot.data(), 2, ',', '"'), 2);
    EXPECT_EQ(line[0], 0);
    EXPECT_EQ(line[1], 0);
    WideText lf = Wide(u"\nx");
    lf.resize(4, 0);
    EXPECT_EQ(Cm_CSVAnalyze(&lf[0], slots.slot.data(), 2, ',', '"'), 0);
    EXPECT_EQ(lf[1], 'x') << "a line that is only a line end is left as the cut made it";

    Slots<char> bytes(2);
    char sjis[] = "abc";
    EXPECT_EQ(Cm_CSVAnalyzeSjis(sjis, bytes.slot.data(), 2, ',', '"'), 1);
    EXPECT_EQ(std::string(sjis, 4), std::string(4, '\0'));
}

TEST(CsvBlocks, AllocGivesBlocksOf1024BytesAndGrowsExactly) {
    Slots<zc::WideUnit> slots(3);
    for (zc::WideUnit* block : slots.slot) EXPECT_EQ(HeapBlockBytes(block), 1024u);
    std::string field(600, 'q');
    csvref::Split w = SplitWide("x," + field, slots);
    ASSERT_EQ(w.count, 2);
    EXPECT_EQ(w.fields[1], field);
    EXPECT_EQ(HeapBlockBytes(slots.slot[1]), 1202u);
    EXPECT_EQ(HeapBlockBytes(slots.slot[0]), 1024u);

    // The grown block stays: no allocation for the same line again, nor for smaller ones.
    zc::WideUnit* grown = slots.slot[1];
    SplitWide("x," + field, slots);
    SplitWide("x,y", slots);
    EXPECT_EQ(slots.slot[1], grown);
    EXPECT_EQ(HeapBlockBytes(slots.slot[1]), 1202u);

    Slots<char> bytes(1);
    std::string big(5000, 'z');
    csvref::Split s = SplitSjis(big, bytes);
    ASSERT_EQ(s.count, 1);
    EXPECT_EQ(s.fields[0], big);
    EXPECT_EQ(HeapBlockBytes(bytes.slot[0]), 5001u);
}

TEST(CsvBlocks, NullSlotIsAllocatedWhenAFieldArrives) {
    std::vector<char*> slot(2, nullptr);
    char line[] = "ab,cd";
    EXPECT_EQ(Cm_CSVAnalyzeSjis(line, slot.data(), 2, ',', '"'), 2);
    EXPECT_STREQ(slot[0], "ab");
    EXPECT_STREQ(slot[1], "cd");
    Cm_CSVFree(reinterpret_cast<zc::WideUnit**>(slot.data()), 2);
    Cm_CSVAlloc(nullptr, 3);  // nothing to fill: no crash
    EXPECT_EQ(Cm_CSVAnalyzeSjis(nullptr, slot.data(), 2, ',', '"'), 0);
}

TEST(CsvSjis, TrailByteThatEqualsTheQuoteDoesNotCloseTheField) {
    Slots<char> slots(4);
    csvref::Split s = SplitSjis("\x5C\x83\x5C\x2C\x78\x5C\x2C\x79", slots, ',', '\x5C');
    EXPECT_EQ(s.count, 2);
    EXPECT_EQ(s.fields, (Fields{"\x83\x5C\x2C\x78", "\x79"}));
    // The wide splitter has no double-byte characters: the same units close at the first quote.
    Slots<zc::WideUnit> wide(4);
    EXPECT_EQ(SplitWide("\x5C\x41\x5C\x2C\x78", wide, ',', '\x5C').fields, (Fields{"A", "x"}));
    // The separator is found by plain byte search: a trail byte equal to it splits the pair.
    EXPECT_EQ(SplitSjis("\x83\x5C" "a", slots, '\x5C').fields, (Fields{"\x83", "a"}));
}

TEST(CsvReference, BothSplittersAgreeOnRandomLines) {
    std::mt19937 random(20261206);
    const unsigned char alphabet[] = {',', '\'', '\n', 'a', 0x5C, 0x83, 0x88, 0x9F, 0xB1, 0xE0, 0xFF, 0x7F, ' '};
    for (int round = 0; round < 20000; ++round) {
        std::string line;
        int length = random() % 72;  // several sixteen-byte steps, with the step boundaries anywhere
        for (int i = 0; i < length; ++i) line += static_cast<char>(alphabet[random() % sizeof alphabet]);
        char quote = random() % 2 ? '\'' : '\x5C';
        char separator = random() % 4 ? ',' : '\x5C';
        int count = random() % 6;
        csvref::Split expected = csvref::SplitSjis(line, count, separator, quote);
        Slots<char> slots(count);
        csvref::Split actual = SplitSjis(line, slots, separator, quote);
        ASSERT_EQ(actual.count, expected.count) << ::testing::PrintToString(line);
        ASSERT_EQ(actual.fields, expected.fields) << ::testing::PrintToString(line);
        // The same bytes as wide units, where every quote unit is a quote.
        csvref::BasicSplit<std::u16string> wideExpected =
            csvref::SplitWide(std::u16string(line.begin(), line.end()), count, static_cast<char16_t>(separator),
                              static_cast<char16_t>(quote));
        Slots<zc::WideUnit> wideSlots(count);
        csvref::Split wide = SplitWide(line, wideSlots, separator, quote);
        ASSERT_EQ(wide.count, wideExpected.count) << ::testing::PrintToString(line);
        for (int i = 0; i < wide.count; ++i)
            ASSERT_EQ(wide.fields[i], std::string(wideExpected.fields[i].begin(), wideExpected.fields[i].end()));
    }
}

}  // namespace
