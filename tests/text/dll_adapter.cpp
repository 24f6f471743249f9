// Under Wine: the number texts from ZetoCom.dll's CString exports.
#include <ZetoCom.h>
#include <malloc.h>

#include "text_under_test.h"

namespace {
std::string Narrow(const CString& text) {
    std::string out;
    for (int i = 0; i < text.GetLength(); ++i) out += static_cast<char>(text[i]);
    return out;
}
}  // namespace

std::string CommaInt(std::int64_t value) { return Narrow(Cm_AddCommaInt(value)); }
std::string CommaReal(double value, int decimals) { return Narrow(Cm_AddCommaReal(value, decimals)); }
std::string ByteSize(std::int64_t size) { return Narrow(Cm_DispByteSize(size)); }
std::size_t HeapBlockBytes(void* block) { return _msize(block); }
