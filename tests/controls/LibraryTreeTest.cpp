#include "controls/LibraryTree.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

using LibraryTree::Arrangement;
using LibraryTree::Names;

// The tree drawn as "text{children}" with "*" after a bold node.
QString Shape(const QTreeWidgetItem& node)
{
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
            QTreeWidgetItem* model = LibraryTree::Find(tree, LibraryTree::ModelKey(c.arrangement, entry.names));
            ASSERT_NE(model, nullptr);
            EXPECT_TRUE(LibraryTree::IsModelNode(*model));
            EXPECT_FALSE(LibraryTree::IsModelNode(*model->parent()));
            EXPECT_FALSE(model->isExpanded() || model->parent()->isExpanded());
            EXPECT_EQ(LibraryTree::NamesOf(*model, c.arrangement), entry.names);
            EXPECT_EQ(model->data(0, Qt::UserRole + 1).toString(), entry.tag);
        }
    }
    EXPECT_EQ(LibraryTree::ModelKey(Arrangement::ByType, {"SONY", "TV", "A1"}), "ITV#SONY#A1");
    EXPECT_EQ(LibraryTree::Find(tree, "IDVD#SONY#A1"), nullptr);

    QTreeWidgetItem* dvd = LibraryTree::Find(tree, "MDVD");
    ASSERT_NE(dvd, nullptr);
    QStringList below;
    for (const QTreeWidgetItem* model : LibraryTree::ModelsUnder(*dvd)) below << model->text(0);
    EXPECT_EQ(below, QStringList({"X", "B2"}));
    EXPECT_EQ(LibraryTree::ModelsUnder(*dvd->child(1)).size(), 1U);

    // Names whose joined keys coincide still get their own groups.
    LibraryTree::Build(tree, Arrangement::ByManufacturer, {{{"A#B", "C", "1"}, ""}, {{"A", "B#C", "2"}, ""}});
    EXPECT_EQ(Shape(tree), "A#B{C{1*}} A{B#C{2*}}");

    LibraryTree::Build(tree, Arrangement::ByType, {});
    EXPECT_EQ(tree.topLevelItemCount(), 0);
}
