// ANSI, UTF-16 and UTF-8 conversions in the Japanese locale (code page 932), and who frees what.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstring>
#include <string>

#include "english_thread_locale.h"

namespace {

std::string Bytes(const char* text) { return text ? std::string(text) : std::string("<null>"); }

TEST(AnsiConversion, RoundTripsJapaneseTextThroughOperatorNew) {
    ASSERT_EQ(GetACP(), 932u);
    wchar_t* wide = Cm_ToUnicode("\x82\xA0\x8A\xBF" "A");
    ASSERT_NE(wide, nullptr);
    EXPECT_STREQ(wide, L"\u3042\u6F22A");
    char* back = Cm_FromUnicode(wide);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(Bytes(back), "\x82\xA0\x8A\xBF" "A");
    ::operator delete(wide);
    ::operator delete(back);
}

TEST(AnsiConversion, FollowsTheThreadsCodePageNotTheSystems) {
    wchar_t* wide;
    char* narrow;
    {
        EnglishThreadLocale english;
        ASSERT_TRUE(english.IsSet());
        wide = Cm_ToUnicode("\x82\xA0");  // two characters of code page 1252 here
        narrow = Cm_FromUnicode(L"\u00E9");
    }
    ASSERT_NE(wide, nullptr);
    ASSERT_NE(narrow, nullptr);
    EXPECT_STREQ(wide, L"\u201A\u00A0");
    EXPECT_EQ(Bytes(narrow), "\xE9");
    ::operator delete(wide);
    ::operator delete(narrow);
}

TEST(AnsiConversion, EmptyGivesANewEmptyStringAndNullGivesNull) {
    wchar_t* wide = Cm_ToUnicode("");
    char* narrow = Cm_FromUnicode(L"");
    ASSERT_NE(wide, nullptr);
    ASSERT_NE(narrow, nullptr);
    EXPECT_EQ(wide[0], 0);
    EXPECT_EQ(narrow[0], 0);
    ::operator delete(wide);
    ::operator delete(narrow);
    EXPECT_EQ(Cm_ToUnicode(nullptr), nullptr);
    EXPECT_EQ(Cm_FromUnicode(nullptr), nullptr);
}

TEST(AnsiConversion, CharacterWithoutAnsiFormBecomesTheDefaultCharacter) {
    char* narrow = Cm_FromUnicode(L"a\u00E9b");  // no e-acute in code page 932
    ASSERT_NE(narrow, nullptr);
    EXPECT_EQ(std::strlen(narrow), 3u);
    EXPECT_EQ(narrow[0], 'a');
    EXPECT_EQ(narrow[2], 'b');
    ::operator delete(narrow);
}

TEST(Utf8Conversion, HiraganaBothWaysFromMalloc) {
    char* utf8 = Cm_UnicodeToUtf8(L"\u3042");
    ASSERT_NE(utf8, nullptr);
    EXPECT_EQ(Bytes(utf8), "\xE3\x81\x82");
    EXPECT_EQ(_msize(utf8), 4u);
    free(utf8);
    char* sjis = Cm_Utf8ToShiftJis("\xE3\x81\x82" "x");
    ASSERT_NE(sjis, nullptr);
    EXPECT_EQ(Bytes(sjis), "\x82\xA0x");
    EXPECT_EQ(_msize(sjis), 4u);
    free(sjis);
    // The system's code page, whatever the thread's is.
    {
        EnglishThreadLocale english;
        ASSERT_TRUE(english.IsSet());
        sjis = Cm_Utf8ToShiftJis("\xE3\x81\x82");
    }
    EXPECT_EQ(Bytes(sjis), "\x82\xA0");
    free(sjis);
}

TEST(Utf8Conversion, EmptyAndNullGiveNull) {
    EXPECT_EQ(Cm_UnicodeToUtf8(L""), nullptr);
    EXPECT_EQ(Cm_Utf8ToShiftJis(""), nullptr);
    EXPECT_EQ(Cm_UnicodeToUtf8(nullptr), nullptr);
    EXPECT_EQ(Cm_Utf8ToShiftJis(nullptr), nullptr);
}

TEST(HexText, SpellsBytesInABlockAsLongAsTheText) {
    struct {
        const char* hex;
        std::string bytes;
    } rows[] = {{"0A1bff", std::string("\x0A\x1B\xFF\0\0\0", 6)},
                {"abc", std::string("\xAB\x0C\0", 3)},
                {"-1", std::string("\xFF\0", 2)},
                {"zz", std::string("\0\0", 2)},
                {" f", std::string("\x0F\0", 2)}};
    for (const auto& row : rows) {
        unsigned char* block = Cm_16ToChar(row.hex);
        ASSERT_NE(block, nullptr) << row.hex;
        EXPECT_EQ(_msize(block), row.bytes.size()) << row.hex;
        EXPECT_EQ(std::string(reinterpret_cast<char*>(block), row.bytes.size()), row.bytes) << row.hex;
        free(block);
    }
    unsigned char* empty = Cm_16ToChar("");
    EXPECT_NE(empty, nullptr) << "a zero-byte block, still the caller's to free";
    free(empty);
    EXPECT_EQ(Cm_16ToChar(nullptr), nullptr);
}

TEST(ByteOrder, SwapsEachPairAndLeavesAnOddByte) {
    unsigned char data[] = {0x41, 0x00, 0x42, 0x00, 0x43};
    Cm_ChangeByteOrder(data, 0);
    EXPECT_EQ(data[0], 0x41);
    Cm_ChangeByteOrder(data, 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), 5), std::string("\0\x41\0\x42\x43", 5));
    Cm_ChangeByteOrder(data, 5);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(data), 5), std::string("\x41\0\x42\0\x43", 5));
    Cm_ChangeByteOrder(data, -2);
    EXPECT_EQ(data[0], 0x41);
}

TEST(StrReplace, CountsWhatItReplaces) {
    wchar_t path[] = L"a/b/c";
    EXPECT_EQ(Cm_StrReplace(path, L'/', L'\\'), 2);
    EXPECT_STREQ(path, L"a\\b\\c");
    EXPECT_EQ(Cm_StrReplace(path, L'/', L'\\'), 0);
    EXPECT_STREQ(path, L"a\\b\\c");
    EXPECT_EQ(Cm_StrReplace(path, L'\\', L'\\'), 2) << "equal characters are counted and nothing changes";
    EXPECT_STREQ(path, L"a\\b\\c");
    EXPECT_EQ(Cm_StrReplace(path, L'\0', L'x'), 0);
    EXPECT_STREQ(path, L"a\\b\\c");
}

}  // namespace
