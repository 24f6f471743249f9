// Text values pass through the thread's ANSI code page and come back through the system's.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include "cstring_print.h"
#include "english_thread_locale.h"

TEST(RegistryCodePage, TextComesBackThroughTheSystemCodePage) {
    wchar_t expected[4] = {};
    MultiByteToWideChar(932, 0, "\xE9", -1, expected, 4);  // what the byte of "é" in 1252 is in 932
    ASSERT_EQ(RegSetValueExW(HKEY_CLASSES_ROOT, L"zc-code-page", 0, REG_SZ, (const BYTE*)L"é", 4), ERROR_SUCCESS);
    EnglishThreadLocale english;
    ASSERT_TRUE(english.IsSet());
    CString converted, extension;
    CRegistry::ConvertToString(reinterpret_cast<const unsigned char*>(L"é"), REG_EXPAND_SZ, converted);
    CRegistry().GetExtension(L"zc-code-page", extension);
    RegDeleteValueW(HKEY_CLASSES_ROOT, L"zc-code-page");
    EXPECT_EQ(converted, expected);
    EXPECT_EQ(extension, expected);
}
