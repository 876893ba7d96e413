#include "platform/BulkMemory.h"

#include <cstdint>
#include <gtest/gtest.h>

// Every size gives memory that can be written from its first byte to its
// last, aligned for any entry, a large block on a huge-page boundary.
TEST(BulkMemory, EverySizeIsWholeAndAligned)
{
    constexpr std::size_t large = BulkMemory::LargeBlock;
    for (const std::size_t bytes :
         {std::size_t{0}, std::size_t{1}, std::size_t{4095}, large - 1, large, 3 * large + 123}) {
        void* memory = BulkMemory::Allocate(bytes);
        ASSERT_NE(memory, nullptr) << bytes;
        const auto address = reinterpret_cast<std::uintptr_t>(memory);
        EXPECT_EQ(address % __STDCPP_DEFAULT_NEW_ALIGNMENT__, 0u) << bytes;
        if (bytes >= large) {
            EXPECT_EQ(address % large, 0u) << bytes;
        }
        auto* first = static_cast<unsigned char*>(memory);
        for (std::size_t at = 0; at < bytes; at += 4096) first[at] = 0xA5;
        if (bytes > 0) {
            first[bytes - 1] = 0x5A;
            EXPECT_EQ(first[bytes - 1], 0x5A);
        }
        BulkMemory::Free(memory, bytes);
    }
}
