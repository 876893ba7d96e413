#include "rs232/RS232SelectorTree.h"

#include "controls/LibraryTree.h"
#include "model/FindByNames.h"
#include "model/RS232FileBlockClass.h"
#include "platform/Windows1252.h"

#include <QTreeWidget>
#include <vector>

namespace RS232SelectorTree {

namespace {

QTreeWidgetItem* ChildNamed(QTreeWidgetItem& parent, const QString& text)
{
    for (int i = 0; i < parent.childCount(); ++i)
        if (parent.child(i)->text(0) == text) return parent.child(i);
    return nullptr;
}

QTreeWidgetItem* TopNamed(const QTreeWidget& tree, const QString& text)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        if (tree.topLevelItem(i)->text(0) == text) return tree.topLevelItem(i);
    return nullptr;
}

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
    QStringList path;
    for (const QTreeWidgetItem* up = &node; up != nullptr; up = up->parent()) path.prepend(up->text(0));
    return path;
}

QTreeWidgetItem* Find(const QTreeWidget& tree, const QStringList& path)
{
    if (path.isEmpty()) return nullptr;
    QTreeWidgetItem* node = TopNamed(tree, path[0]);
    for (qsizetype level = 1; node != nullptr && level < path.size(); ++level) node = ChildNamed(*node, path[level]);
    return node;
}

QStringList LibraryPath(const LibraryNames& names, LoaderSortOrder order)
{
    const QString manufacturer = FromWindows1252(TrimmedUpper(names.manufacturer));
    const QString type = FromWindows1252(TrimmedUpper(names.type));
    const QString model = FromWindows1252(TrimmedUpper(names.model));
    if (order == LoaderSortOrder::ByType) return {type, manufacturer, model};
    return {manufacturer, type, model};
}

bool IsLeaf(const QTreeWidgetItem& node)
{
    return LibraryTree::IsModelNode(node);
}

LibraryNames NamesOf(const QTreeWidgetItem& leaf, LoaderSortOrder order)
{
    return LibraryTree::NamesOf(leaf, ArrangementOf(order));
}

}  // namespace RS232SelectorTree
