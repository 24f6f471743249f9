#include <afx.h>
#include <gtest/gtest.h>

#include "cstring_print.h"
#include "english_thread_locale.h"

namespace {

TEST(CString, CopiesAreIndependentValues) {
    CString a(L"abc");
    CString b = a;
    b += L"def";
    EXPECT_EQ(a, L"abc");
    EXPECT_EQ(b, L"abcdef");
    EXPECT_EQ(b.GetLength(), 6);
    a = a;  // self-assignment keeps the value
    EXPECT_EQ(a, L"abc");
}

TEST(CString, EightBitTextWidensThroughTheAnsiCodePage) {
    CString kana("\x82\xa0\xb1" "A");  // あ, half-width ｱ, A in code page 932
    EXPECT_EQ(kana, L"\u3042\uff71A");
    CString empty(static_cast<LPCSTR>(nullptr));
    EXPECT_TRUE(empty.IsEmpty());
    // The calling thread's code page, not the system's: an en-US thread reads code page 1252.
    CString western;
    {
        EnglishThreadLocale english;
        ASSERT_TRUE(english.IsSet());
        western = "\x82\xa0";
    }
    EXPECT_EQ(western, L"\u201a\u00a0");
}

TEST(CString, FormatTakesWideStringsForPercentS) {
    CString text;
    text.Format(L"[%s] %d %ld %03d|%lld", L"\u30c6\u30b9\u30c8", -5, 123456L, 7, -9223372036854775807LL - 1);
    EXPECT_EQ(text, L"[\u30c6\u30b9\u30c8] -5 123456 007|-9223372036854775808");
    CString longer;
    longer.Format(L"%s", CString(L'x', 5000).GetString());
    EXPECT_EQ(longer.GetLength(), 5000);
}

TEST(CString, RemoveDropsEveryOccurrence) {
    CString text(L"a\r\nb\r\n");
    EXPECT_EQ(text.Remove(L'\r'), 2);
    EXPECT_EQ(text, L"a\nb\n");
    EXPECT_EQ(text.Remove(L'z'), 0);
}

TEST(CString, BufferAccessAndRelease) {
    CString text(L"ab");
    wchar_t* buffer = text.GetBuffer(1024);
    EXPECT_EQ(buffer[0], L'a');
    wcscpy(buffer, L"0123456789");
    text.ReleaseBuffer();
    EXPECT_EQ(text.GetLength(), 10);
    text.GetBuffer(0);
    text.ReleaseBuffer(3);
    EXPECT_EQ(text, L"012");
}

TEST(CString, ConcatenationAndComparison) {
    CString a(L"SOFTWARE\\");
    CString path = a + L"Vendor" + L'\\' + CString(L"App");
    EXPECT_EQ(path, L"SOFTWARE\\Vendor\\App");
    EXPECT_TRUE(CString(L"a") < CString(L"b"));
    EXPECT_NE(CString(L"a"), L"A");
    EXPECT_EQ(CString(L"abc").CompareNoCase(L"ABC"), 0);
    EXPECT_EQ(path.ReverseFind(L'\\'), 15);
    EXPECT_EQ(path.Left(8), L"SOFTWARE");
    EXPECT_EQ(path.Mid(16), L"App");
    EXPECT_EQ(path.Find(L"Vendor"), 9);
    EXPECT_EQ(path.Find(L'\\', 10), 15);
    EXPECT_EQ(path.Find(L'z'), -1);
    EXPECT_EQ(path.Find(L'\0'), path.GetLength()) << "the terminator, as in MFC";
    EXPECT_EQ(path.ReverseFind(L'\0'), path.GetLength());
}

TEST(CString, EmbeddedTextAssignedFromItself) {
    CString text(L"hello world");
    text = text.GetString() + 6;
    EXPECT_EQ(text, L"world");
    text += text.GetString();
    EXPECT_EQ(text, L"worldworld");
}

}  // namespace
