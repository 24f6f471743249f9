// The pair arithmetic against the runtime's own code page 932 functions, on every pair.
#include <gtest/gtest.h>
#include <mbctype.h>
#include <mbstring.h>

#include <cstring>

#include "text_under_test.h"

namespace {

unsigned OurJis(unsigned s1, unsigned s2) {
    unsigned char src[] = {static_cast<unsigned char>(s1), static_cast<unsigned char>(s2), 0};
    unsigned char dst[16] = {};
    Cm_SJisToJis(src, dst);
    return (dst[3] << 8) | dst[4];
}

unsigned OurSjis(unsigned j1, unsigned j2) {
    unsigned char src[] = {0x1B, 0x24, 0x42, static_cast<unsigned char>(j1), static_cast<unsigned char>(j2), 0};
    unsigned char dst[8] = {};
    Cm_JisToSJis(src, dst);
    return (dst[0] << 8) | dst[1];
}

TEST(RuntimePairs, SjisToJisMatchesMbcjmstojisOverTheJisX0208Area) {
    ASSERT_EQ(_setmbcp(932), 0);
    for (unsigned s1 = 0x81; s1 <= 0xEF; ++s1) {
        if (s1 > 0x9F && s1 < 0xE0) continue;
        for (unsigned s2 = 0x00; s2 <= 0xFF; ++s2) {
            if (s2 == 0) continue;
            EXPECT_EQ(OurJis(s1, s2), _mbcjmstojis((s1 << 8) | s2)) << std::hex << s1 << " " << s2;
        }
    }
}

TEST(RuntimePairs, JisToSjisMatchesMbcjistojmsOnEveryPair) {
    ASSERT_EQ(_setmbcp(932), 0);
    for (unsigned j1 = 0x21; j1 <= 0x7E; ++j1)
        for (unsigned j2 = 0x01; j2 <= 0xFF; ++j2)
            EXPECT_EQ(OurSjis(j1, j2), _mbcjistojms((j1 << 8) | j2)) << std::hex << j1 << " " << j2;
}

}  // namespace
