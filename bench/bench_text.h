// Input for the benchmarks: the same bytes for the library and for its peers.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// Shift_JIS text of about bytes bytes: ASCII words, hiragana and kanji of JIS X 0208, half-width
// katakana (unless asked not to) and CR LF line ends. Stands in for the man pages where the
// corpus is missing.
std::string MixedSjis(std::size_t bytes, bool withKana);
// CSV records, one per line (LF), some fields quoted, as Shift_JIS bytes.
std::string CsvRecords(std::size_t bytes);

// The file's bytes, empty when it cannot be read.
std::string ReadFile(const std::string& path);
// Copies of text one after another up to bytes bytes, cut at a character boundary.
std::string Repeat(const std::string& text, std::size_t bytes);
// The lines of a Shift_JIS text that are ASCII only; the double-byte characters of one, nothing else.
std::string AsciiOf(const std::string& sjis);
std::string KanjiOf(const std::string& sjis);

}  // namespace bench
