// The CSV field buffer arrays and the two exported splitters.
#include "csv_split.h"
#include "sjis_quote_rule.h"
#include "text_api.h"

#include <malloc.h>  // _msize on Windows, malloc_usable_size elsewhere

namespace zc::csv {

std::size_t BlockBytes(void* block) {
    if (!block) return 0;
#ifdef _WIN32
    return _msize(block);
#else
    return malloc_usable_size(block);
#endif
}

}  // namespace zc::csv

namespace {
constexpr std::size_t kBlockBytes = 1024;

template <class Ch>
void AllocBlocks(Ch** fields, int count) {
    if (!fields) return;
    for (int i = 0; i < count; ++i) {
        fields[i] = static_cast<Ch*>(std::malloc(kBlockBytes));
        if (fields[i]) fields[i][0] = 0;
    }
}
}  // namespace

void Cm_CSVAlloc(zc::WideUnit** fields, int count) { AllocBlocks(fields, count); }

void Cm_CSVFree(zc::WideUnit** fields, int count) {
    if (!fields) return;
    for (int i = 0; i < count; ++i) std::free(fields[i]);
}

int Cm_CSVAnalyze(zc::WideUnit* line, zc::WideUnit** fields, int count, zc::WideUnit separator,
                  zc::WideUnit quote) {
    return zc::csv::SplitLine<zc::WideUnit, zc::csv::AnyQuote>(line, fields, count, separator, quote);
}

int Cm_CSVAnalyzeSjis(char* line, char** fields, int count, char separator, char quote) {
    return zc::csv::SplitLine<char, zc::csv::SjisQuoteRule>(line, fields, count, separator, quote);
}
