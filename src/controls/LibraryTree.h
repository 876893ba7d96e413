#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

// The tree of a database browser or picker: manufacturer, type and model;
// type, manufacturer and model; or manufacturer and model. A node is known
// by the names on its path from the top, so a rebuilt tree finds it again
// and a "#" inside a name cannot make it another node.
//
// A fill makes the top nodes only; each keeps the names of its entries and
// makes the nodes below it when it is first unfolded: when the view expands
// it, or Find or ModelsUnder look below it. A database of tens of thousands
// of entries then opens with a few hundred nodes, and a group's nodes cost
// only as they are shown.
namespace LibraryTree {

enum class Arrangement {
    ByManufacturer,
    ByType,
    // Two levels, as the projector database has no types: the models of a
    // manufacturer in alphabetical order, one node for each pair of names,
    // names alike but for case being one name.
    ManufacturerAndModel,
};

// One entry's names as its nodes show them.
struct Names {
    std::string manufacturer;
    std::string type;
    std::string model;
    auto operator<=>(const Names&) const = default;
    bool operator==(const Names&) const = default;
};

struct Entry {
    Names names;
    std::string tag;  // kept on the model node, in Windows-1252
};

// The names on the path from the top down to the node.
QStringList PathOf(const QTreeWidgetItem& node);
// The path of the model node of these names.
QStringList ModelPath(Arrangement arrangement, const Names& names);
// The node at that path, unfolding the nodes on the way; nullptr when there
// is none (or the path is empty).
QTreeWidgetItem* Find(const QTreeWidget& tree, Arrangement arrangement, const QStringList& path);

bool IsModelNode(const QTreeWidgetItem& node, Arrangement arrangement);
// The names of a model node, read from it and its ancestors.
Names NamesOf(const QTreeWidgetItem& model, Arrangement arrangement);
// The first of the entries 0 to count - 1 with each of the wanted names, -1
// where none has them. One pass over the entries serves every name, so an
// export of a maker's thousands of models is not a search for each.
std::vector<int> FirstEntriesWith(const std::vector<Names>& wanted, int count,
                                  const std::function<Names(int)>& namesAt);
// The same over a database, each entry's names as `namesOf` gives them.
template <class Database, class NamesOf>
std::vector<int> FirstEntriesOf(const std::vector<Names>& wanted, const Database& database, NamesOf namesOf)
{
    return FirstEntriesWith(wanted, database.Count(), [&database, &namesOf](int i) {
        database.PrefetchAhead(i);
        return namesOf(database[i]);
    });
}

// Entry i of a database, made as the fill reaches it, so a large database
// is never copied whole.
using EntryAt = std::function<Entry(int)>;

// Every node replaced by those of the entries 0 to count - 1. A group is
// added once, by the first entry that needs it; models are bold, except in
// the two-level tree.
void Build(QTreeWidget& tree, Arrangement arrangement, int count, const EntryAt& entryAt);
void Build(QTreeWidget& tree, Arrangement arrangement, const std::vector<Entry>& entries);
// Adds the nodes the entries need and the tree lacks, leaving the others;
// the whole tree is unfolded first.
void Add(QTreeWidget& tree, Arrangement arrangement, int count, const EntryAt& entryAt);
// The model nodes at or below the node, in tree order, unfolding them.
std::vector<QTreeWidgetItem*> ModelsUnder(QTreeWidgetItem& node, Arrangement arrangement);
// Makes the nodes below a top node not yet unfolded; anything else stays.
void Unfold(QTreeWidgetItem& node);
// Whether the node is making the nodes below it, so that a watcher of the
// tree can tell them from a change: the tree becomes no other than its fill.
bool Unfolding(const QTreeWidgetItem& node);

}  // namespace LibraryTree
