#include "controls/DistinctNames.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i) items << list.itemText(i);
    return items;
}

}  // namespace

TEST(DistinctNames, KeepsTheFirstOfEachNameInOrderTellingCaseApart)
{
    struct Case {
        const char* what;
        QStringList held;
        QStringList names;
        QStringList expected;
    };
    const std::vector<Case> cases{
        {"nothing to add", {}, {}, {}},
        {"repeats far apart", {}, {"SONY", "NEC", "SONY", "JVC", "NEC", "SONY"}, {"SONY", "NEC", "JVC"}},
        {"case and spaces make other names",
         {},
         {"Sony", "SONY", "sony", "SONY ", "SONY"},
         {"Sony", "SONY", "sony", "SONY "}},
        {"an empty name is a name", {}, {"", "NEC", "", "NEC"}, {"", "NEC"}},
        {"names the list holds stay where they are",
         {"NEC", "JVC"},
         {"SONY", "JVC", "NEC", "SANYO"},
         {"NEC", "JVC", "SONY", "SANYO"}},
        {"non-Latin text", {}, {"ÆON", "æon", "ÆON"}, {"ÆON", "æon"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QComboBox list;
        list.setEditable(true);
        list.addItems(c.held);
        AddDistinctNames(list, static_cast<int>(c.names.size()), [&](int i) { return c.names.at(i); });
        EXPECT_EQ(Items(list), c.expected);
    }
}
