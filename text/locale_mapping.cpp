// Kana, width and case mapping of a wide text in the system's default locale.
#include <ZetoCom.h>

#include <cstdlib>

namespace {

// The flag byte's low four bits are LCMAP_HIRAGANA .. LCMAP_FULLWIDTH, its high four bits
// LCMAP_LOWERCASE .. LCMAP_BYTEREV.
constexpr DWORD MapFlags(unsigned char flags) { return (DWORD{flags & 0x0Fu} << 20) | (DWORD{flags & 0xF0u} << 4); }
static_assert(MapFlags(0x02) == LCMAP_KATAKANA, "katakana");
static_assert(MapFlags(0x14) == (LCMAP_HALFWIDTH | LCMAP_LOWERCASE), "half-width lower case");
static_assert(MapFlags(0x40) == LCMAP_SORTKEY && MapFlags(0x80) == LCMAP_BYTEREV, "high bits");

// A sort key is a run of bytes ending in a zero byte; each byte becomes one character, so that
// two such texts compare as their keys do.
CString SortKeyText(const BYTE* key) {
    CString text;
    for (; *key; ++key) text += static_cast<wchar_t>(*key);
    return text;
}

}  // namespace

CString Cm_ConvStr(unsigned short const* text, unsigned char flags) {
    CString result;
    if (!text) return result;
    auto source = reinterpret_cast<const wchar_t*>(text);
    LCID lcid = GetSystemDefaultLCID();
    DWORD mapFlags = MapFlags(flags);
    int size = LCMapStringW(lcid, mapFlags, source, -1, nullptr, 0);
    if (size == 0) return result;
    // A sort key's size counts bytes, a text's size wide characters: sized for the larger.
    auto* block = static_cast<wchar_t*>(calloc(size, sizeof(wchar_t)));
    if (!block) return result;
    LCMapStringW(lcid, mapFlags, source, -1, block, size);
    block[size - 1] = 0;
    result = (mapFlags & LCMAP_SORTKEY) ? SortKeyText(reinterpret_cast<const BYTE*>(block)) : CString(block);
    free(block);
    return result;
}
