// The conversions and the CSV parser a user would pick instead of the library, run on the same
// bytes in the same process (nkf, a program, as a child process).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

// Converts in to out with glibc iconv (to and from are iconv names); returns the bytes written.
// Text iconv refuses is skipped a byte at a time, as iconv -c does.
std::size_t Iconv(const char* to, const char* from, const std::string& in, std::vector<char>& out);
// The same with ICU's ucnv_convert (to and from are ICU converter names).
std::size_t Icu(const char* to, const char* from, const std::string& in, std::vector<char>& out);

// nkf as a program: the input from a file, the output to /dev/null. Returns the child's user plus
// system CPU seconds (from wait4), or a negative value when nkf could not run.
double NkfSeconds(const char* options, const std::string& inputFile);
bool HaveNkf();

// libcsv over a whole text, each field copied into one of 16 blocks as the library's splitter
// does; returns the number of fields.
std::size_t LibcsvSplit(const std::string& text, std::vector<std::string>& blocks);

}  // namespace bench
