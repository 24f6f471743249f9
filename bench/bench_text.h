// Generated input for the benchmarks: the same bytes for the library and for its rival.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// Shift_JIS text of about bytes bytes: ASCII words, hiragana and kanji of JIS X 0208, half-width
// katakana (unless asked not to) and CR LF line ends.
std::string MixedSjis(std::size_t bytes, bool withKana);
// CSV records, one per line (LF), some fields quoted, as Shift_JIS bytes.
std::string CsvRecords(std::size_t bytes);

}  // namespace bench
