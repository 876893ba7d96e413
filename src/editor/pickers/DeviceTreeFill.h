#pragma once

#include <QString>
#include <string_view>

class IRClassGlobals;
class ProjectorClassGlobals;
class QTreeWidget;
class QTreeWidgetItem;

// How the IR device tree groups the libraries.
enum class IRGrouping { ByManufacturer, ByType };

// Every entry node of a device tree knows the database entry it was made
// for, so a pick never depends on names being unique; group nodes give -1.
int DatabaseIndexOf(const QTreeWidgetItem* node);
// An entry's notes or comment as shown beside the tree: the padding after
// the text left out.
QString NotesShown(std::string_view notes);

// Empties the tree and fills it with one plain root per manufacturer and a
// bold node per definition under it, in database order.
void FillProjectorTree(QTreeWidget& tree, const ProjectorClassGlobals& projectors);

// Empties the tree and fills it with the IR libraries on three levels: roots
// by manufacturer (or type), then type (or manufacturer), then a bold node
// per library. Groups appear where their first library stands.
void FillIRDeviceTree(QTreeWidget& tree, const IRClassGlobals& ir, IRGrouping grouping);
