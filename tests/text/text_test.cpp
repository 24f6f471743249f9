// The platform-free text core, on the DLL under Wine and on the sanitized core natively: byte kinds,
// Shift_JIS <-> JIS byte for byte, the number texts, and both CSV splitters against the reference.
#include <gtest/gtest.h>
#include <cmath>
#include <random>
#include "csv_reference.h"
// From each side: the number texts, and a heap block's size as its allocator has it.
std::string CommaInt(std::int64_t value);
std::string CommaReal(double value, int decimals);
std::string ByteSize(std::int64_t size);
std::size_t HeapBlockBytes(void* block);
using namespace std::string_literals;
using Fields = std::vector<std::string>;
TEST(Kanji, KindOfEveryPositionAndRefusedPositionsLeaveIt) {
    // 0 single, 1 first, 2 second byte: 0x7F, 0x80, 0xFD-0xFF start pairs, 0xA0 and kana do not.
    const struct { const char *text, *kinds; } rows[] = {{"A\x82\xA0" "B", "0120"}, {"\xB1", "0"}, {"", ""},
        {"\x7Fx\x80x\xFDx\xFEx\xFFx\xA0x", "121212121200"}, {"\x88\x9F\x88\x9F\x5C", "12120"}};
    for (const auto& row : rows) {
        for (int pos = -1, n = static_cast<int>(std::strlen(row.kinds)); pos <= n + 1; ++pos) {
            unsigned short kind = 9;
            bool in = pos >= 1 && pos <= n;
            EXPECT_EQ(Cm_CheckKanjiCode(reinterpret_cast<const unsigned char*>(row.text), pos, &kind), in);
            EXPECT_EQ(kind, in ? row.kinds[pos - 1] - '0' : 9) << row.kinds << " at " << pos;
        }
    }
}
// Converts into a prefilled destination, so that zero bytes written before the terminator show.
std::string Conv(void (*convert)(const unsigned char*, unsigned char*), const std::string& src) {
    std::string dst(src.size() * 7 + 8, '\xEE');
    convert(reinterpret_cast<const unsigned char*>(src.c_str()), reinterpret_cast<unsigned char*>(&dst[0]));
    return dst.substr(0, dst.find_last_not_of('\xEE'));
}
TEST(Kanji, ConversionRowsInTheirDirections) {
    const struct { char way; std::string sjis, jis; } rows[] = {  // '=' both ways, '>' to JIS, '<' to Shift_JIS
        {'=', "\x82\xA0\x82\xA2\xB1" "A\r\n", "\x1B$B$\"$$\x1B(B\x1B(I1\x1B(BA\n"}, {'=', "", ""},
        {'=', "\xB1\x82\xA0", "\x1B(I1\x1B(B\x1B$B$\"\x1B(B"}, {'=', "a\xB1" "b", "a\x1B(I1\x1B(Bb"},
        {'>', "\x7F\x80\xA0\xFD\xFE\xFF" "a", "\x7F\x80\xA0\xFD\xFE\xFF" "a"},  // single bytes in code page 932
        {'>', "a\rbc", "a\nc"}, {'>', "\x82 x", "\x1B$B\0\0\x1B(Bx"s}, {'>', "\xF0\x40", "\x1B$B\".\x1B(B"},
        {'>', "a\x82", "a"}, {'>', "\x82\xA0\x82", "\x1B$B$\"\x1B(B"}, {'>', "a\r", "a\n"},  // cut at the end
        {'<', "\r\na", "\na"}, {'<', "a\r\nb\r\n", "a\r\nb\n"}, {'<', "\x82\xA0" "1", "\x1B(I\x1B$B$\"\x1B(B1"},
        {'<', "\xB1` \xDF", "\x1B(I1` _"}, {'<', "\x1B(Ja", "\x1B(Ja"}, {'<', "\x90\x82\xA0", "\x1B$B\x90$\""},
        {'<', "\x82\xA0\r\n\x82\xA0", "\x1B$B$\"\n$\""}, {'<', "\0\0x"s, "\x1B$B$\n\x1B(Bx"},
        {'<', "\x82\xA0", "\x1B$B$\"0"}};
    for (const auto& row : rows) {
        if (row.way != '<') { EXPECT_EQ(Conv(Cm_SJisToJis, row.sjis), row.jis) << testing::PrintToString(row.sjis); }
        if (row.way != '>') { EXPECT_EQ(Conv(Cm_JisToSJis, row.jis), row.sjis) << testing::PrintToString(row.jis); }
    }
}
// Text long enough for the block steps: lines of ASCII, pairs and katakana of every length modulo
// a block come back unchanged through JIS.
TEST(Kanji, LongTextRoundTripsThroughJis) {
    std::string sjis;
    for (int i = 0; i < 96; ++i) {
        sjis += std::string(i % 37, char('a' + i % 26));
        for (int k = 0; k < i % 19; ++k) sjis += k % 2 ? "\x88\x9F" : "\x82\xA0";
        sjis += std::string(i % 3, '\xB1') + "\r\n";
    }
    EXPECT_EQ(Conv(Cm_JisToSJis, Conv(Cm_SJisToJis, sjis)), sjis);
}
TEST(NumberText, IntegersSizesAndReals) {
    const struct { std::int64_t value; const char *comma, *size; } rows[] = {{0, "0", "0 Byte"}, {-5, "-5", "-5 Byte"},
        {1023, "1,023", "1,023 Byte"}, {1024, "1,024", "1.00 KB"}, {1050, "1,050", "1.02 KB"},  // 1.0254
        {1048575, "1,048,575", "1,024.00 KB"}, {1048576, "1,048,576", "1.00 MB"}, {5366336, "5,366,336", "5.12 MB"},
        {1054719, "1,054,719", "1.00 MB"}, {1073741824, "1,073,741,824", "1.00 GB"},  // 1.01 MB from the bytes
        {123456789012, "123,456,789,012", "114.98 GB"}, {5497558138880, "5,497,558,138,880", "5,120.00 GB"},
        {INT64_MIN, "-9,223,372,036,854,775,808", ""}, {INT64_MAX, "9,223,372,036,854,775,807", ""}};
    for (const auto& row : rows)
        EXPECT_TRUE(CommaInt(row.value) == row.comma && (!*row.size || ByteSize(row.value) == row.size)) << row.value;
    const std::string big = "9,223,372,036,854,774,784." + std::string(36, '0');  // exact, rounded half away
    const struct { double value; int decimals; std::string text; } reals[] = {{1234567.891, 1, "1,234,567.9"},
        {-1234.35, 2, "-1,234.35"}, {-2.5, 0, "-3"}, {999999.9996, 3, "1,000,000.000"}, {0.125, 2, "0.13"},
        {-0.001, 2, "-0.00"}, {0.1, 20, "0.10000000000000000555"}, {8388608.9, 1, "8,388,608.9"},
        {9223372036854774784.0, 36, big}, {-9223372036854774784.0, 36, "-" + big}, {2.5, -4, "3"},
        {5e-324, 36, "0." + std::string(36, '0')}, {0.5, 80, "0.5" + std::string(35, '0')},  // decimals in 0..36
        {9223372036854775808.0, 2, ""}, {NAN, 2, ""}, {-INFINITY, 2, ""}};
    for (const auto& row : reals) EXPECT_EQ(CommaReal(row.value, row.decimals), row.text) << row.value;
}
// Field buffer arrays of both widths; a line split as Shift_JIS or, unit for byte, as wide.
struct Slots {
    explicit Slots(int n) : wide(n), sjis(n) { Cm_CSVAlloc(wide.data(), n), Cm_CSVAlloc(As(sjis), n); }
    ~Slots() { Cm_CSVFree(wide.data(), int(wide.size())), Cm_CSVFree(As(sjis), int(sjis.size())); }
    static zc::WideUnit** As(std::vector<char*>& v) { return reinterpret_cast<zc::WideUnit**>(v.data()); }
    std::vector<zc::WideUnit*> wide;
    std::vector<char*> sjis;
};
template <class Ch>
Fields Split(std::string text, std::vector<Ch*>& slots, char sep = ',', char q = '\'',
             std::basic_string<Ch>* kept = {}) {
    std::basic_string<Ch> own, &units = kept ? *kept : own;  // the line as the splitter leaves it
    units.assign(text.begin(), text.end());
    units.resize(std::max<std::size_t>(text.size() + 1, 4 / sizeof(Ch)), 0);
    int n = static_cast<int>(slots.size()), count;
    if constexpr (sizeof(Ch) == 1) count = Cm_CSVAnalyzeSjis(&units[0], slots.data(), n, sep, q);
    else count = Cm_CSVAnalyze(&units[0], slots.data(), n, sep, q);
    for (int i = count; i < n; ++i) EXPECT_EQ(slots[i][0], 0) << "slot " << i << " is emptied";
    Fields out;
    for (int i = 0; i < count; ++i) out.emplace_back(slots[i], slots[i] + std::char_traits<Ch>::length(slots[i]));
    return out;
}
TEST(Csv, BothSplittersAndTheReferenceGiveEveryRow) {
    const struct { const char* line; int slots; Fields fields; } rows[] = {{"a,b,c\n", 8, {"a", "b", "c"}},
        {"a,,b", 8, {"a", "", "b"}}, {"a,b,", 8, {"a", "b", ""}}, {",", 8, {"", ""}}, {"'x',y", 8, {"x", "y"}},
        {"a,'x'", 8, {"a", "x"}}, {"'a,b',z", 8, {"a,b", "z"}}, {"'a''b',x", 8, {"a''b", "x"}}, {"'x'y,z", 8, {}},
        {"'a'b,'z'", 8, {"a'b,'z"}}, {"a,'", 8, {"a"}}, {"a,b\r\n", 8, {"a", "b\r"}}, {"a,b\nz", 8, {"a", "b"}},
        {"a,b,z,w", 2, {"a", "b"}}, {"'x'\ny\n", 8, {"x", "y"}}, {"a\nb,c\nd", 8, {"a\nb", "c"}}};
    for (const auto& row : rows) {
        Slots slots(row.slots);
        EXPECT_TRUE(Split(row.line, slots.wide) == row.fields && Split(row.line, slots.sjis) == row.fields &&
                    csvref::SplitSjis(row.line, row.slots, ',', '\'').fields == row.fields) << row.line;
    }
    // A quote byte that is a kanji's second byte does not close a Shift_JIS field, a wide line has
    // no double-byte characters, and the separator is found by plain byte search.
    Slots slots(2);
    EXPECT_EQ(Split("\\\x83\\,x\\,y", slots.sjis, ',', '\\'), (Fields{"\x83\\,x", "y"}));
    EXPECT_EQ(Split("\\A\\,x", slots.wide, ',', '\\'), (Fields{"A", "x"}));
    EXPECT_EQ(Split("\x83\\" "a", slots.sjis, '\\'), (Fields{"\x83", "a"}));
    std::basic_string<zc::WideUnit> wide, lf;  // the line is emptied unless it had no text
    std::string sjis;
    Split("ab,cd", slots.wide, ',', '"', &wide), Split("\nx", slots.wide, ',', '"', &lf);
    Split("abc", slots.sjis, ',', '"', &sjis);
    EXPECT_TRUE(wide[0] == 0 && wide[1] == 0 && lf[1] == 'x' && sjis == std::string(4, '\0'));
    // Blocks of 1024 bytes grow to the field exactly and stay; null slots get blocks as fields arrive.
    std::string field(600, 'q'), big(5000, 'z');
    EXPECT_TRUE(HeapBlockBytes(slots.wide[1]) == 1024 && HeapBlockBytes(slots.sjis[0]) == 1024);
    EXPECT_EQ(Split("x," + field, slots.wide), (Fields{"x", field}));
    zc::WideUnit* grown = slots.wide[1];
    Split("x," + field, slots.wide), Split("x,y", slots.wide);
    EXPECT_TRUE(slots.wide[1] == grown && HeapBlockBytes(grown) == 1202 && HeapBlockBytes(slots.wide[0]) == 1024);
    EXPECT_TRUE(Split(big, slots.sjis) == Fields{big} && HeapBlockBytes(slots.sjis[0]) == 5001);
    std::vector<char*> none(2, nullptr);
    EXPECT_EQ(Split("ab,cd", none), (Fields{"ab", "cd"}));
    Cm_CSVFree(Slots::As(none), 2), Cm_CSVAlloc(nullptr, 3);
    EXPECT_EQ(Cm_CSVAnalyzeSjis(nullptr, none.data(), 2, ',', '"'), 0);
}
TEST(Csv, BothSplittersAgreeWithTheReferenceOnRandomLines) {
    std::mt19937 random(20261206);
    const char alphabet[] = ",'\na\x5C\x83\x88\x9F\xB1\xE0\xFF\x7F ";
    for (int round = 0; round < 20000; ++round) {
        std::string line(random() % 72, ' ');  // several sixteen-byte steps, their boundaries anywhere
        for (char& c : line) c = alphabet[random() % (sizeof alphabet - 1)];
        char quote = random() % 2 ? '\'' : '\x5C', sep = random() % 4 ? ',' : '\x5C';
        Slots slots(random() % 6);
        int n = static_cast<int>(slots.sjis.size());
        Fields wide;  // the same units as a wide line, where every quote unit is a quote
        for (auto& f : csvref::SplitWide(std::u16string(line.begin(), line.end()), n, sep, quote).fields)
            wide.emplace_back(f.begin(), f.end());
        ASSERT_TRUE(Split(line, slots.sjis, sep, quote) == csvref::SplitSjis(line, n, sep, quote).fields &&
                    Split(line, slots.wide, sep, quote) == wide) << testing::PrintToString(line);
    }
}
