#pragma once

#include "controls/LibraryTree.h"
#include "model/DatabaseArray.h"
#include "rs232/RS232LibraryLoaderOrder.h"

#include <QStringList>
#include <string>

class RS232FileBlockClass;
class QTreeWidget;
class QTreeWidgetItem;

// The browser's tree of the RS232 database: three levels, manufacturer,
// type and model, or type, manufacturer and model, each name trimmed and
// upper-cased, siblings in the order of their first library. A node is
// known by the path of texts from its root down, so a rebuilt tree finds it
// again, and names holding "#" or equal once cut cannot be taken for
// another library's.
namespace RS232SelectorTree {

using LibraryNames = LibraryTree::Names;

// Every node replaced by the database's, laid out as the shared library
// tree lays them; leaves are bold, all collapsed.
void Build(QTreeWidget& tree, const DatabaseArray<RS232FileBlockClass>& database, LoaderSortOrder order);

QStringList PathOf(const QTreeWidgetItem& node);
// The node of that path; nullptr when there is none (or the path is empty).
QTreeWidgetItem* Find(const QTreeWidget& tree, const QStringList& path);
// The leaf path of a library of these names, each trimmed and upper-cased.
QStringList LibraryPath(const LibraryNames& names, LoaderSortOrder order);
bool IsLeaf(const QTreeWidgetItem& node);
// The names that a leaf and its two ancestors stand for.
LibraryNames NamesOf(const QTreeWidgetItem& leaf, LoaderSortOrder order);

}  // namespace RS232SelectorTree
