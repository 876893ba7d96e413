#include "rs232/RS232SelectorTree.h"

#include "controls/LibraryTree.h"
#include "model/FindByNames.h"
#include "model/RS232FileBlockClass.h"
#include "platform/Windows1252.h"

#include <QTreeWidget>
#include <vector>

namespace RS232SelectorTree {

namespace {

LibraryTree::Arrangement ArrangementOf(LoaderSortOrder order)
{
    return order == LoaderSortOrder::ByType ? LibraryTree::Arrangement::ByType
                                            : LibraryTree::Arrangement::ByManufacturer;
}

}  // namespace

void Build(QTreeWidget& tree, const DatabaseArray<RS232FileBlockClass>& database, LoaderSortOrder order)
{
    std::vector<LibraryTree::Entry> entries;
    for (int i = 0; i < database.Count(); ++i) {
        const RS232FileBlockClass& library = database[i];
        entries.push_back(
            {{TrimmedUpper(library.Manufacturer()), TrimmedUpper(library.MyType()), TrimmedUpper(library.Model())},
             {}});
    }
    LibraryTree::Build(tree, ArrangementOf(order), entries);
}

QStringList PathOf(const QTreeWidgetItem& node)
{
    return LibraryTree::PathOf(node);
}

QTreeWidgetItem* Find(const QTreeWidget& tree, const QStringList& path)
{
    return LibraryTree::Find(tree, LibraryTree::Arrangement::ByManufacturer, path);
}

QStringList LibraryPath(const LibraryNames& names, LoaderSortOrder order)
{
    return LibraryTree::ModelPath(
        ArrangementOf(order),
        {TrimmedUpper(names.manufacturer), TrimmedUpper(names.type), TrimmedUpper(names.model)});
}

bool IsLeaf(const QTreeWidgetItem& node)
{
    return LibraryTree::IsModelNode(node, LibraryTree::Arrangement::ByManufacturer);
}

LibraryNames NamesOf(const QTreeWidgetItem& leaf, LoaderSortOrder order)
{
    return LibraryTree::NamesOf(leaf, ArrangementOf(order));
}

}  // namespace RS232SelectorTree
