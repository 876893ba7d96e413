#include "platform/PrefixCopy.h"

#include <gtest/gtest.h>

// Every count, the edges and beyond them: the places below the count come
// from the source, every other place keeps what it held.
TEST(PrefixCopy, CopiesThePlacesBelowTheCountAndKeepsTheRest)
{
    for (int count = -2; count <= 34; ++count) {
        std::array<uint8_t, 32> to{};
        std::array<uint8_t, 32> from{};
        for (std::size_t i = 0; i < 32; ++i) {
            to[i] = static_cast<uint8_t>(0x80 + i);
            from[i] = static_cast<uint8_t>(i);
        }
        CopyPrefix<32>(to.data(), from.data(), count);
        for (std::size_t i = 0; i < 32; ++i) {
            const bool copied = static_cast<int>(i) < count;
            ASSERT_EQ(to[i], copied ? from[i] : 0x80 + i) << "count " << count << ", place " << i;
        }
    }
}
