// The platform-free half of the text subsystem: kanji codes, CSV splitting and number texts.
// The same sources build into ZetoCom.dll and, natively, into the sanitizer tests, fuzzers and
// benchmarks; there a wide character is char16_t, since Linux's wchar_t has 32 bits.
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && defined(ZETOCOM_BUILD)
#define ZC_TEXT_API extern "C" __declspec(dllexport)
#elif defined(_WIN32)
#define ZC_TEXT_API extern "C" __declspec(dllimport)
#else
#define ZC_TEXT_API extern "C"
#endif

namespace zc {
#ifdef _WIN32
using WideUnit = wchar_t;
#else
using WideUnit = char16_t;
#endif
static_assert(sizeof(WideUnit) == 2, "a wide line is made of UTF-16 code units");
}  // namespace zc

ZC_TEXT_API int Cm_CheckKanjiCode(const unsigned char* text, int pos, unsigned short* kind);
ZC_TEXT_API void Cm_SJisToJis(const unsigned char* src, unsigned char* dst);
ZC_TEXT_API void Cm_JisToSJis(const unsigned char* src, unsigned char* dst);

ZC_TEXT_API void Cm_CSVAlloc(zc::WideUnit** fields, int count);
ZC_TEXT_API void Cm_CSVFree(zc::WideUnit** fields, int count);
ZC_TEXT_API int Cm_CSVAnalyze(zc::WideUnit* line, zc::WideUnit** fields, int count, zc::WideUnit separator,
                              zc::WideUnit quote);
ZC_TEXT_API int Cm_CSVAnalyzeSjis(char* line, char** fields, int count, char separator, char quote);

namespace zc {
// Number texts are built in fixed stack buffers of this size, terminator included.
constexpr std::size_t kNumberTextSize = 64;
using NumberText = char[kNumberTextSize];

// Each writes a zero-terminated ASCII text into out and returns its length.
std::size_t FormatCommaInt(std::int64_t value, NumberText& out);
// Empty text for a value outside the signed 64-bit range (NaN and infinities included);
// decimals below 0 count as 0, above 36 as 36.
std::size_t FormatCommaReal(double value, int decimals, NumberText& out);
std::size_t FormatByteSize(std::int64_t size, NumberText& out);
}  // namespace zc
