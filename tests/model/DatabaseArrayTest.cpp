#include "model/DatabaseArray.h"
#include "model/RuntimeErrors.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
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

// A sort by keys taken once orders as the sort that compares entries does,
// equal keys in their order before, bytes above 0x7F after the others.
TEST(DatabaseArray, SortByKeyOrdersAsTheComparisonDoes)
{
    std::mt19937 random(11);
    for (const int count : {0, 1, 2, 50, 3000}) {
        DatabaseArray<Entry> byKey;
        DatabaseArray<Entry> compared;
        for (int i = 0; i < count; ++i) {
            // Few distinct keys, so that many are equal; the tail tells
            // equal keys apart by where they stood.
            std::string text = {static_cast<char>("aZ\xE9"
                                                  "b"[random() % 4]),
                                static_cast<char>('0' + random() % 3)};
            text += "#" + std::to_string(i);
            byKey.Append().text = text;
            compared.Append().text = text;
        }
        const auto keyOf = [](const Entry& entry) { return std::array<char, 2>{entry.text[0], entry.text[1]}; };
        byKey.StableSortByKey(keyOf);
        compared.StableSort([&](const Entry& a, const Entry& b) {
            const auto left = keyOf(a);
            const auto right = keyOf(b);
            return std::lexicographical_compare(
                left.begin(), left.end(), right.begin(), right.end(),
                [](char x, char y) { return static_cast<unsigned char>(x) < static_cast<unsigned char>(y); });
        });
        ASSERT_EQ(byKey.Count(), count);
        for (int i = 0; i < count; ++i) ASSERT_EQ(byKey[i].text, compared[i].text) << count << " at " << i;
        if (count > 50) {
            EXPECT_EQ(static_cast<unsigned char>(byKey[count - 1].text[0]), 0xE9);
        }
    }
}
