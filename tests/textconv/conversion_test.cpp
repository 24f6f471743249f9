// ANSI, UTF-16 and UTF-8 conversions in the Japanese locale (code page 932), byte helpers, locale mapping.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <optional>
#include "cstring_print.h"
#include "english_thread_locale.h"
using namespace std::string_literals;
// The text, its block released with the allocator the header names: operator delete for ANSI <-> UTF-16,
// free for UTF-8, whose blocks hold the text and its terminator exactly.
template <class Ch>
std::basic_string<Ch> Take(Ch* text) {
    std::basic_string<Ch> out = text ? text : std::basic_string<Ch>(1, Ch('?'));
    return ::operator delete(text), out;
}
std::string TakeBlock(char* text) {
    std::string out = text ? text : "<null>";
    EXPECT_EQ(text ? _msize(text) : 7, out.size() + 1) << out;
    return free(text), out;
}
TEST(Conversion, AnsiInTheThreadsCodePageUtf8ToTheSystems) {
    ASSERT_EQ(GetACP(), 932u);
    const struct { bool english; const wchar_t* wide; const char *ansi, *utf8, *sjis; } rows[] = {
        {false, L"\u3042\u6F22A", "\x82\xA0\x8A\xBF" "A", "\xE3\x81\x82\xE6\xBC\xA2" "A", "\x82\xA0\x8A\xBF" "A"},
        {true, L"\u201A\u00A0", "\x82\xA0", "\xE2\x80\x9A\xC2\xA0", nullptr},  // code page 1252
        {true, L"\u3042", nullptr, "\xE3\x81\x82", "\x82\xA0"}, {false, L"", "", "<null>", "<null>"}};
    for (const auto& row : rows) {
        std::optional<EnglishThreadLocale> english;
        if (row.english) { ASSERT_TRUE(english.emplace().IsSet()); }
        if (row.ansi) { EXPECT_EQ(Take(Cm_ToUnicode(row.ansi)), row.wide); }
        if (row.ansi) { EXPECT_EQ(Take(Cm_FromUnicode(row.wide)), row.ansi); }
        EXPECT_EQ(TakeBlock(Cm_UnicodeToUtf8(row.wide)), row.utf8);
        if (row.sjis) { EXPECT_EQ(TakeBlock(Cm_Utf8ToShiftJis(*row.wide ? row.utf8 : "")), row.sjis); }
    }
    std::string fallback = Take(Cm_FromUnicode(L"a\u00E9b"));  // no e-acute in code page 932
    EXPECT_TRUE(fallback.size() == 3 && fallback[0] == 'a' && fallback[2] == 'b');
    EXPECT_TRUE(!Cm_ToUnicode(nullptr) && !Cm_FromUnicode(nullptr) && !Cm_UnicodeToUtf8(nullptr) &&
                !Cm_Utf8ToShiftJis(nullptr) && !Cm_16ToChar(nullptr));
}
TEST(ByteText, HexBlocksByteOrderAndReplace) {
    // Hex text: a zeroed block as long as the text, each two digits read by strtol into a byte.
    const struct { const char* hex; std::string bytes; } rows[] = {{"0A1bff", "\x0A\x1B\xFF\0\0\0"s},
        {"abc", "\xAB\x0C\0"s}, {"-1", "\xFF\0"s}, {"zz", "\0\0"s}, {" f", "\x0F\0"s}, {"", ""}};
    for (const auto& row : rows) {
        unsigned char* block = Cm_16ToChar(row.hex);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(block), _msize(block)), row.bytes) << row.hex;
        free(block);
    }
    char data[] = "A\0B\0C";  // pairs swapped, an odd last byte left; nothing for a length below 2
    for (int length : {0, -2, 4}) Cm_ChangeByteOrder(reinterpret_cast<unsigned char*>(data), length);
    EXPECT_EQ(std::string(data, 5), "\0A\0BC"s);
    Cm_ChangeByteOrder(reinterpret_cast<unsigned char*>(data), 5);
    EXPECT_EQ(std::string(data, 5), "A\0B\0C"s);
    wchar_t path[] = L"a/b/c";  // equal characters are counted and nothing changes
    EXPECT_TRUE(Cm_StrReplace(path, L'/', L'\\') == 2 && Cm_StrReplace(path, L'/', L'\\') == 0 &&
                Cm_StrReplace(path, L'\\', L'\\') == 2 && Cm_StrReplace(path, L'\0', L'x') == 0);
    EXPECT_STREQ(path, L"a\\b\\c");
}
TEST(ConvStr, KanaWidthAndCaseInTheSystemsLocale) {
    ASSERT_EQ(GetSystemDefaultLCID(), 0x411u);
    const struct { const wchar_t *text; unsigned char flags; const wchar_t* mapped; } rows[] = {
        {L"\u3042\u3044", 0x02, L"\u30A2\u30A4"}, {L"\u30A2\u30A4", 0x01, L"\u3042\u3044"}, {L"\uFF21B", 0x14, L"ab"},
        {L"aB", 0x28, L"\uFF21\uFF22"}, {L"ab", 0x30, L""}, {L"", 0x02, L""}};  // lower and upper at once: refused
    for (const auto& row : rows)
        EXPECT_EQ(Cm_ConvStr(reinterpret_cast<const unsigned short*>(row.text), row.flags), row.mapped) << row.text;
    EXPECT_TRUE(Cm_ConvStr(nullptr, 0x02).IsEmpty());
}
