// Stripped-down loops that do one thing the kanji conversions must do and nothing else, timed in
// the same run to show what that one thing costs: the line-end rewrites on plain ASCII, and the
// switches between ASCII and kanji runs. Each reads up to 48 bytes past n, which the caller provides.
#pragma once

#include <cstddef>

namespace bench {

// CR LF to LF on ASCII whose every CR comes before an LF; returns the bytes written.
std::size_t DropReturns(const unsigned char* s, std::size_t n, unsigned char* d);
// LF to CR LF on ASCII without CRs; returns the bytes written.
std::size_t AddReturns(const unsigned char* s, std::size_t n, unsigned char* d);
// The bytes of JIS text between its three-byte escape sequences, copied, the escapes dropped: the
// runs and switches of the text without any conversion; returns the bytes written.
std::size_t SkipEscapes(const unsigned char* s, std::size_t n, unsigned char* d);
// The runs of the same text on the Shift_JIS side: bytes copied as they are, the escapes written
// around each run of pairs; returns the bytes written.
std::size_t MarkRuns(const unsigned char* s, std::size_t n, unsigned char* d);

}  // namespace bench
