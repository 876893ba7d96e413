#include "controls/DistinctNames.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
    return items;
}

}  // namespace

// Each name once, as names are compared, in the order of its first entry.
TEST(DistinctNames, KeepsTheFirstOfEachNameInDatabaseOrder)
{
    struct Case {
        const char* what;
        QStringList held;
        std::vector<std::string> fields;
        QStringList expected;
    };
    const std::vector<Case> cases{
        {"no entries", {}, {}, {}},
        {"repeats far apart", {}, {"SONY", "NEC", "SONY", "JVC", "NEC", "SONY"}, {"SONY", "NEC", "JVC"}},
        {"padding and case make no other name",
         {},
         {"Sony        ", "  SONY", "sony", "NEC", "S ONY"},
         {"SONY", "NEC", "S ONY"}},
        {"a blank field is a name", {}, {"    ", "NEC", ""}, {"", "NEC"}},
        {"names the list holds stay first and once",
         {"NEC", "JVC"},
         {"sony", "JVC", "nec", "SANYO"},
         {"NEC", "JVC", "SONY", "SANYO"}},
        // Windows-1252 bytes: e acute and its capital, s caron and its capital.
        {"accented letters",
         {},
         {"\xe9"
          "cole",
          "\xc9"
          "COLE",
          "\x9a", "\x8a"},
         {"\u00c9COLE", "\u0160"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QComboBox list;
        list.setEditable(true);
        list.addItems(c.held);
        AddDistinctNames(list, static_cast<int>(c.fields.size()),
                         [&](int i) { return std::string_view(c.fields.at(i)); });
        EXPECT_EQ(Items(list), c.expected);
    }
}
