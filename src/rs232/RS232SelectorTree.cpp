#include "rs232/RS232SelectorTree.h"

#include "model/FindByNames.h"
#include "model/RS232FileBlockClass.h"
#include "platform/Windows1252.h"

#include <QTreeWidget>

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

LibraryNames NamesOfLibrary(const RS232FileBlockClass& library)
{
    return {library.Manufacturer(), library.MyType(), library.Model()};
}

}  // namespace

void Build(QTreeWidget& tree, const DatabaseArray<RS232FileBlockClass>& database, LoaderSortOrder order)
{
    tree.clear();
    for (int i = 0; i < database.Count(); ++i) {
        const QStringList path = LibraryPath(NamesOfLibrary(database[i]), order);
        QTreeWidgetItem* first = TopNamed(tree, path[0]);
        if (!first) {
            first = new QTreeWidgetItem(QStringList{path[0]});
            tree.addTopLevelItem(first);
        }
        QTreeWidgetItem* second = ChildNamed(*first, path[1]);
        if (!second) {
            second = new QTreeWidgetItem(QStringList{path[1]});
            first->addChild(second);
        }
        auto* leaf = new QTreeWidgetItem(QStringList{path[2]});
        QFont font = leaf->font(0);
        font.setBold(true);
        leaf->setFont(0, font);
        second->addChild(leaf);
    }
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
    return node.parent() != nullptr && node.parent()->parent() != nullptr;
}

LibraryNames NamesOf(const QTreeWidgetItem& leaf, LoaderSortOrder order)
{
    const std::string model = ToWindows1252(leaf.text(0));
    const std::string parent = ToWindows1252(leaf.parent()->text(0));
    const std::string grandparent = ToWindows1252(leaf.parent()->parent()->text(0));
    if (order == LoaderSortOrder::ByType) return {parent, grandparent, model};
    return {grandparent, parent, model};
}

}  // namespace RS232SelectorTree
