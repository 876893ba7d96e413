#include "controls/LibraryTree.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using LibraryTree::Arrangement;
using LibraryTree::Names;

// The tree drawn as "text{children}" with "*" after a bold node, unfolded.
QString Shape(QTreeWidgetItem& node)
{
    LibraryTree::Unfold(node);
    QString shape = node.text(0) + (node.font(0).bold() ? "*" : "");
    if (node.childCount() == 0) return shape;
    QStringList children;
    for (int i = 0; i < node.childCount(); ++i) children << Shape(*node.child(i));
    return shape + "{" + children.join(",") + "}";
}

QString Shape(const QTreeWidget& tree)
{
    QStringList tops;
    for (int i = 0; i < tree.topLevelItemCount(); ++i) tops << Shape(*tree.topLevelItem(i));
    return tops.join(" ");
}

const std::vector<LibraryTree::Entry> Libraries{
    {{"SONY", "TV", "A1"}, "first"},
    {{"ACME", "DVD", "X"}, ""},
    {{"SONY", "DVD", "B2"}, ""},
    {{"SONY", "TV", "A0"}, "last"},
};

}  // namespace

TEST(LibraryTree, BuildsEitherArrangementInDatabaseOrderAndReadsNamesBack)
{
    QTreeWidget tree;
    struct Case {
        Arrangement arrangement;
        QString shape;
    };
    for (const Case& c : {Case{Arrangement::ByManufacturer, "SONY{TV{A1*,A0*},DVD{B2*}} ACME{DVD{X*}}"},
                          Case{Arrangement::ByType, "TV{SONY{A1*,A0*}} DVD{ACME{X*},SONY{B2*}}"}}) {
        LibraryTree::Build(tree, c.arrangement, Libraries);
        EXPECT_EQ(Shape(tree), c.shape);
        for (const LibraryTree::Entry& entry : Libraries) {
            const QStringList path = LibraryTree::ModelPath(c.arrangement, entry.names);
            QTreeWidgetItem* model = LibraryTree::Find(tree, c.arrangement, path);
            ASSERT_NE(model, nullptr);
            EXPECT_EQ(LibraryTree::PathOf(*model), path);
            EXPECT_TRUE(LibraryTree::IsModelNode(*model, c.arrangement));
            EXPECT_FALSE(LibraryTree::IsModelNode(*model->parent(), c.arrangement));
            EXPECT_FALSE(model->isExpanded() || model->parent()->isExpanded());
            EXPECT_EQ(LibraryTree::NamesOf(*model, c.arrangement), entry.names);
            EXPECT_EQ(model->data(0, Qt::UserRole + 1).toString(), QString::fromStdString(entry.tag));
        }
    }
    EXPECT_EQ(LibraryTree::ModelPath(Arrangement::ByType, {"SONY", "TV", "A1"}), QStringList({"TV", "SONY", "A1"}));
    EXPECT_EQ(LibraryTree::Find(tree, Arrangement::ByType, {"DVD", "SONY", "A1"}), nullptr);
    EXPECT_EQ(LibraryTree::Find(tree, Arrangement::ByType, {"dvd"}), nullptr);
    EXPECT_EQ(LibraryTree::Find(tree, Arrangement::ByType, {}), nullptr);

    QTreeWidgetItem* dvd = LibraryTree::Find(tree, Arrangement::ByType, {"DVD"});
    ASSERT_NE(dvd, nullptr);
    QStringList below;
    for (const QTreeWidgetItem* model : LibraryTree::ModelsUnder(*dvd, Arrangement::ByType)) below << model->text(0);
    EXPECT_EQ(below, QStringList({"X", "B2"}));
    EXPECT_EQ(LibraryTree::ModelsUnder(*dvd->child(1), Arrangement::ByType).size(), 1U);

    // Names that a joined key would make alike are other nodes.
    LibraryTree::Build(tree, Arrangement::ByManufacturer, {{{"A#B", "C", "1"}, ""}, {{"A", "B#C", "1"}, ""}});
    EXPECT_EQ(Shape(tree), "A#B{C{1*}} A{B#C{1*}}");
    EXPECT_EQ(LibraryTree::Find(tree, Arrangement::ByManufacturer, {"A", "B#C", "1"}),
              tree.topLevelItem(1)->child(0)->child(0));

    LibraryTree::Build(tree, Arrangement::ByType, {});
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}

// Manufacturers in the order of their first entry, models in alphabetical
// order whatever their case, one node for names alike but for case; a
// second pass adds only what is missing and leaves the selection alone.
TEST(LibraryTree, KeepsTwoLevelModelsSortedAndAddsOnlyWhatIsMissing)
{
    constexpr Arrangement TwoLevels = Arrangement::ManufacturerAndModel;
    QTreeWidget tree;
    std::vector<LibraryTree::Entry> entries{
        {{"SONY", "", "b"}, ""}, {{"ACME", "", "Z"}, ""}, {{"SONY", "", "A"}, ""},
        {{"sony", "", "B"}, ""}, {{"SONY", "", "a"}, ""}, {{"SONY", "", "C"}, ""},
    };
    LibraryTree::Build(tree, TwoLevels, entries);
    EXPECT_EQ(Shape(tree), "SONY{A,b,C} ACME{Z}");
    QTreeWidgetItem* c = LibraryTree::Find(tree, TwoLevels, {"sony", "c"});
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(LibraryTree::IsModelNode(*c, TwoLevels));
    EXPECT_EQ(LibraryTree::NamesOf(*c, TwoLevels), (Names{"SONY", "", "C"}));
    EXPECT_EQ(LibraryTree::ModelPath(TwoLevels, {"SONY", "TV", "C"}), QStringList({"SONY", "C"}));
    tree.setCurrentItem(c);

    entries.push_back({{"SONY", "", "Ab"}, ""});
    entries.push_back({{"SONY", "", "a"}, ""});
    entries.push_back({{"NEW", "", "N"}, ""});
    entries.push_back({{"SONY", "", "0"}, ""});
    LibraryTree::Add(tree, TwoLevels, static_cast<int>(entries.size()),
                     [&](int i) { return entries[static_cast<std::size_t>(i)]; });
    EXPECT_EQ(Shape(tree), "SONY{0,A,Ab,b,C} ACME{Z} NEW{N}");
    EXPECT_EQ(tree.currentItem(), c);
}

// A fill makes the top nodes only, each showing its arrow; a top makes its
// nodes once, at its first unfolding, and tells a watcher of the tree that
// the rows it adds are its unfolding.
TEST(LibraryTree, MakesTheNodesBelowATopAtItsFirstUnfolding)
{
    QTreeWidget tree;
    for (const Arrangement arrangement : {Arrangement::ByManufacturer, Arrangement::ManufacturerAndModel}) {
        LibraryTree::Build(tree, arrangement, Libraries);
        ASSERT_EQ(tree.topLevelItemCount(), 2);
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            EXPECT_EQ(tree.topLevelItem(i)->childCount(), 0);
            EXPECT_TRUE(tree.model()->hasChildren(tree.model()->index(i, 0)));
        }
    }
    QStringList inserted;
    QObject::connect(tree.model(), &QAbstractItemModel::rowsInserted, [&](const QModelIndex& parent) {
        const QTreeWidgetItem* node = tree.itemFromIndex(parent);
        inserted << (node ? node->text(0) + (LibraryTree::Unfolding(*node) ? "+" : "-") : "top");
    });
    LibraryTree::Build(tree, Arrangement::ByManufacturer, Libraries);
    EXPECT_EQ(inserted, QStringList({"top"}));
    QTreeWidgetItem& sony = *tree.topLevelItem(0);
    LibraryTree::Unfold(sony);
    LibraryTree::Unfold(sony);
    EXPECT_EQ(inserted, QStringList({"top", "SONY+"})) << "the whole subtree joins at once, once";
    EXPECT_FALSE(LibraryTree::Unfolding(sony));
    EXPECT_EQ(sony.childCount(), 2);
    EXPECT_EQ(sony.child(0)->childCount(), 2);
    EXPECT_EQ(tree.topLevelItem(1)->childCount(), 0) << "ACME is not unfolded yet";
    LibraryTree::Unfold(*sony.child(0)->child(0));
    EXPECT_EQ(inserted.size(), 2) << "only a folded top makes nodes";
    ASSERT_NE(LibraryTree::Find(tree, Arrangement::ByManufacturer, {"ACME", "DVD", "X"}), nullptr);
    EXPECT_EQ(inserted.last(), "ACME+");
}

TEST(LibraryTree, FindsTheFirstEntryOfEachNamesInOnePass)
{
    const std::vector<Names> entries{
        {"SONY", "TV", "A1"}, {"ACME", "DVD", "X"}, {"SONY", "TV", "A1"}, {"ACME", "DVD", "X"}};
    int reads = 0;
    const auto namesAt = [&](int i) {
        ++reads;
        return entries[static_cast<std::size_t>(i)];
    };
    // Asked twice, asked of no entry, and names alike but for one field.
    const std::vector<Names> wanted{
        {"ACME", "DVD", "X"}, {"SONY", "TV", "A1"}, {"SONY", "DVD", "A1"}, {"ACME", "DVD", "X"}};
    EXPECT_EQ(LibraryTree::FirstEntriesWith(wanted, 4, namesAt), std::vector<int>({1, 0, -1, 1}));
    EXPECT_EQ(reads, 4);
    reads = 0;
    EXPECT_EQ(LibraryTree::FirstEntriesWith({{"SONY", "TV", "A1"}}, 4, namesAt), std::vector<int>({0}));
    EXPECT_EQ(reads, 1) << "the pass ends once every name is found";
    EXPECT_EQ(LibraryTree::FirstEntriesWith({}, 4, namesAt), std::vector<int>());
}
