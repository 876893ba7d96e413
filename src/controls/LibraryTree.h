#pragma once

#include <QString>
#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The three-level tree of a library database (RS232 or IR): manufacturer,
// type and model, or type, manufacturer and model. Nodes come in database
// order, all collapsed, models in bold. Each node carries a key made of its
// names: "M" + first, "S" + first + "#" + second, "I" + first + "#" +
// second + "#" + model.
namespace LibraryTree {

enum class Arrangement { ByManufacturer, ByType };

// One library's names as its nodes show them.
struct Names {
    std::string manufacturer;
    std::string type;
    std::string model;
    bool operator==(const Names&) const = default;
};

struct Entry {
    Names names;
    QString tag;  // kept on the model node
};

QString ModelKey(Arrangement arrangement, const Names& names);
QString KeyOf(const QTreeWidgetItem& node);
// A model node has a parent and a grandparent.
bool IsModelNode(const QTreeWidgetItem& node);
// The names of a model node, read from it and its two ancestors.
Names NamesOf(const QTreeWidgetItem& model, Arrangement arrangement);

// Every node replaced by the entries'. A first or second level is added
// once, by the first entry that needs it.
void Build(QTreeWidget& tree, Arrangement arrangement, const std::vector<Entry>& entries);
// The first node with that key; nullptr when there is none.
QTreeWidgetItem* Find(QTreeWidget& tree, const QString& key);
// The model nodes at or below the node, in tree order.
std::vector<QTreeWidgetItem*> ModelsUnder(QTreeWidgetItem& node);

}  // namespace LibraryTree
