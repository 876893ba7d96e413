#include "model/EntryBlock.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Counted {
    static inline int alive = 0;
    std::string name = "new";
    Counted() { ++alive; }
    ~Counted() { --alive; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
};

}  // namespace

// A block makes only the entries asked for, each as new, and destroys just
// those, whether it is small or spans huge pages.
TEST(EntryBlock, MakesAndDestroysOnlyItsEntries)
{
    for (const std::size_t capacity : {std::size_t{3}, 3 * BulkMemory::LargeBlock / sizeof(Counted)}) {
        {
            EntryBlock<Counted> block(capacity);
            EXPECT_EQ(block.Room(), capacity);
            Counted* first = block.Make();
            Counted* second = block.Make();
            EXPECT_EQ(second, first + 1);
            EXPECT_EQ(second->name, "new");
            EXPECT_EQ(Counted::alive, 2);
            EXPECT_EQ(block.Room(), capacity - 2);
            EXPECT_TRUE(block.HasRoom());
        }
        EXPECT_EQ(Counted::alive, 0) << capacity;
    }
}
