#include "bench_text.h"

#include <fstream>
#include <iterator>
#include <random>

#include "sjis_bytes.h"

namespace bench {

std::string MixedSjis(std::size_t bytes, bool withKana) {
    std::mt19937 random(7);
    std::string text;
    text.reserve(bytes + 64);
    while (text.size() < bytes) {
        switch (random() % (withKana ? 4 : 3)) {
        case 0: text += "Sample text 123 "; break;
        case 1:  // hiragana 0x829F-0x82F1
            for (int i = 0; i < 6; ++i) text += {'\x82', static_cast<char>(0x9F + random() % 0x50)};
            break;
        case 2:  // kanji of the first level, rows 0x889F-0x9872
            for (int i = 0; i < 5; ++i) text += {static_cast<char>(0x89 + random() % 15), static_cast<char>(0x40 + random() % 0x3F)};
            break;
        default:
            for (int i = 0; i < 4; ++i) text += static_cast<char>(0xB1 + random() % 40);
        }
        if (random() % 8 == 0) text += "\r\n";
    }
    return text;
}

std::string CsvRecords(std::size_t bytes) {
    std::mt19937 random(11);
    std::string text;
    text.reserve(bytes + 256);
    while (text.size() < bytes) {
        text += std::to_string(random() % 100000) + ",\x93\x8C\x8B\x9E\x93\x73,\"1,234,567\",";
        text += "\"\x83\x5C\x83\x74\x83\x67 \"\"quoted\"\" text\",2026/12/06,";
        text += std::to_string(random()) + ",plain field with some words,\x82\xA0\x82\xA2\x82\xA4\n";
    }
    return text;
}

namespace {

// The length of the character at text[i].
std::size_t CharLength(const std::string& text, std::size_t i) {
    return zc::sjis::IsLead(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
}

}  // namespace

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Repeat(const std::string& text, std::size_t bytes) {
    std::string out;
    if (text.empty()) return out;
    out.reserve(bytes + 2);
    while (out.size() + text.size() <= bytes) out += text;
    for (std::size_t i = 0; out.size() < bytes; i += CharLength(text, i)) out.append(text, i, CharLength(text, i));
    return out;
}

std::string AsciiOf(const std::string& sjis) {
    std::string out;
    for (std::size_t at = 0; at < sjis.size();) {
        std::size_t end = sjis.find('\n', at);
        end = end == std::string::npos ? sjis.size() : end + 1;
        bool ascii = true;
        for (std::size_t i = at; i < end && ascii; ++i) ascii = static_cast<unsigned char>(sjis[i]) < 0x80;
        if (ascii) out.append(sjis, at, end - at);
        at = end;
    }
    return out;
}

std::string KanjiOf(const std::string& sjis) {
    std::string out;
    for (std::size_t i = 0; i < sjis.size(); i += CharLength(sjis, i))
        if (CharLength(sjis, i) == 2) out.append(sjis, i, 2);
    return out;
}

}  // namespace bench
