#pragma once

#include <QString>

class IRClassGlobals;
class ProjectorClassGlobals;
class QTreeWidget;
class QTreeWidgetItem;

// How the IR device tree groups the libraries.
enum class IRGrouping { ByManufacturer, ByType };

// Every node of a device tree knows the database entry it was made for, so a
// pick never depends on names being unique; group nodes carry -1.
int DatabaseIndexOf(const QTreeWidgetItem* node);
// The entry's notes or comment, as the tree shows them beside it.
QString TagOf(const QTreeWidgetItem* node);

// Empties the tree and fills it with one plain root per manufacturer and a
// bold node per definition under it, in database order.
void FillProjectorTree(QTreeWidget& tree, const ProjectorClassGlobals& projectors);

// Empties the tree and fills it with the IR libraries on three levels: roots
// by manufacturer (or type), then type (or manufacturer), then a bold node
// per library. Groups appear where their first library stands.
void FillIRDeviceTree(QTreeWidget& tree, const IRClassGlobals& ir, IRGrouping grouping);
