// Under Wine: the number texts from ZetoCom.dll's CString exports, and the pair arithmetic against
// the runtime's own code page 932 functions on every pair.
#include <ZetoCom.h>
#include <gtest/gtest.h>
#include <malloc.h>
#include <mbctype.h>
#include <mbstring.h>
static std::string Narrow(const CString& t) { return std::string(t.GetString(), t.GetString() + t.GetLength()); }
std::string CommaInt(std::int64_t value) { return Narrow(Cm_AddCommaInt(value)); }
std::string CommaReal(double value, int decimals) { return Narrow(Cm_AddCommaReal(value, decimals)); }
std::string ByteSize(std::int64_t size) { return Narrow(Cm_DispByteSize(size)); }
std::size_t HeapBlockBytes(void* block) { return _msize(block); }
TEST(RuntimePairs, BothWaysMatchTheRuntimeOverTheJisX0208Area) {
    ASSERT_EQ(_setmbcp(932), 0);
    for (unsigned a = 0x21; a <= 0xEF; ++a) {
        bool sjis = a >= 0x81 && (a <= 0x9F || a >= 0xE0);  // a lead byte, or else a JIS row
        for (unsigned b = 0x01; b <= 0xFF && (sjis || a <= 0x7E); ++b) {
            unsigned char in[] = {0x1B, '$', 'B', (unsigned char)a, (unsigned char)b, 0}, out[16];
            sjis ? Cm_SJisToJis(in + 3, out) : Cm_JisToSJis(in, out);
            unsigned got = sjis ? (out[3] << 8) | out[4] : (out[0] << 8) | out[1];
            EXPECT_EQ(got, sjis ? _mbcjmstojis((a << 8) | b) : _mbcjistojms((a << 8) | b)) << a << " " << b;
        }
    }
}
