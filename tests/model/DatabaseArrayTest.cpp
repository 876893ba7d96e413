#include "model/DatabaseArray.h"
#include "model/RuntimeErrors.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// An entry that owns memory, so that an entry destroyed twice or never
// shows under the sanitizers.
struct Entry {
    std::string text = std::string(64, '.');
};

}  // namespace

// A load takes its entries from one reserved block; they must behave as
// entries of their own: new and empty, at fixed addresses, removable one by
// one, and released with the array.
TEST(DatabaseArray, ReservedEntriesAreEntriesOfTheirOwn)
{
    DatabaseArray<Entry> array;
    array.Reserve(3);
    EXPECT_TRUE(array.IsEmpty());
    std::vector<Entry*> addresses;
    for (int i = 0; i < 5; ++i) {  // two beyond the reserve
        Entry& entry = array.Append();
        EXPECT_EQ(entry.text, std::string(64, '.'));
        entry.text = "entry " + std::to_string(i) + std::string(40, '!');
        addresses.push_back(&entry);
    }
    for (int i = 0; i < 5; ++i) EXPECT_EQ(&array[i], addresses[static_cast<std::size_t>(i)]);

    array.Remove(1);
    array.Remove(0);
    ASSERT_EQ(array.Count(), 3);
    EXPECT_EQ(&array[0], addresses[2]);
    EXPECT_EQ(array[0].text.substr(0, 7), "entry 2");
    array.StableSort([](const Entry& a, const Entry& b) { return a.text > b.text; });
    EXPECT_EQ(array[0].text.substr(0, 7), "entry 4");
    EXPECT_THROW(array[3], SubscriptOutOfRange);

    array.Clear();
    EXPECT_TRUE(array.IsEmpty());
    array.Reserve(2);
    array.Append();
    array.Clear();  // room never used is never made
    array.Reserve(0);
    array.Append().text = "after";
    EXPECT_EQ(array[0].text, "after");
}

// A load of more entries than one block holds takes them from further
// blocks, not from one allocation each.
TEST(DatabaseArray, ReserveBeyondOneBlockContinuesInBlocks)
{
    constexpr int block = static_cast<int>(DatabaseArray<Entry>::MostReservedAtOnce);
    DatabaseArray<Entry> array;
    array.Reserve(static_cast<std::size_t>(block) + 3);
    for (int i = 0; i < block + 4; ++i) array.Append();  // one beyond the reserve
    EXPECT_EQ(&array[1], &array[0] + 1);
    EXPECT_EQ(&array[block + 2], &array[block] + 2);
    EXPECT_EQ(array[block + 3].text, std::string(64, '.'));
}
