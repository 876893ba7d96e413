#pragma once

#include "model/DatabaseArray.h"

#include <QString>
#include <string_view>

class ProjectorClass;
class QTreeWidget;
class QTreeWidgetItem;

// The browser's tree of the projector database: a node per manufacturer,
// in database order, holding a node per model in alphabetical order. Each
// node carries its key: "M" + manufacturer or "S" + manufacturer + "#" +
// model, trimmed and upper-cased.
namespace ProjectorTree {

QString ManufacturerKey(std::string_view manufacturer);
QString ModelKey(std::string_view manufacturer, std::string_view model);
QString KeyOf(const QTreeWidgetItem& node);
bool IsModelNode(const QTreeWidgetItem& node);

// Every node replaced by the database's.
void Build(QTreeWidget& tree, const DatabaseArray<ProjectorClass>& database);
// Adds the nodes of definitions not yet in the tree.
void Refresh(QTreeWidget& tree, const DatabaseArray<ProjectorClass>& database);
// The node of that key (made by the functions above); nullptr when there is none.
QTreeWidgetItem* Find(const QTreeWidget& tree, const QString& key);

}  // namespace ProjectorTree
