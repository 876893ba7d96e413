#include "controls/LibraryTree.h"

#include "platform/Windows1252.h"

#include <QFont>
#include <QHash>
#include <QTreeWidget>
#include <algorithm>
#include <array>

namespace LibraryTree {

namespace {

constexpr int TagRole = Qt::UserRole + 1;

bool TwoLevels(Arrangement arrangement)
{
    return arrangement == Arrangement::ManufacturerAndModel;
}

Qt::CaseSensitivity Matching(Arrangement arrangement)
{
    return TwoLevels(arrangement) ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

// The names from the top down; the unused third level is empty.
std::array<QString, 3> Path(Arrangement arrangement, const Names& names)
{
    const QString manufacturer = FromWindows1252(names.manufacturer);
    const QString model = FromWindows1252(names.model);
    switch (arrangement) {
    case Arrangement::ByManufacturer: return {manufacturer, FromWindows1252(names.type), model};
    case Arrangement::ByType: return {FromWindows1252(names.type), manufacturer, model};
    case Arrangement::ManufacturerAndModel: break;
    }
    return {manufacturer, model, {}};
}

int Depth(const QTreeWidgetItem& node)
{
    int depth = 1;
    for (const QTreeWidgetItem* up = node.parent(); up != nullptr; up = up->parent()) ++depth;
    return depth;
}

QTreeWidgetItem* ChildNamed(const QTreeWidget& tree, QTreeWidgetItem* parent, const QString& text,
                            Qt::CaseSensitivity matching)
{
    const int count = parent ? parent->childCount() : tree.topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* child = parent ? parent->child(i) : tree.topLevelItem(i);
        if (child->text(0).compare(text, matching) == 0) return child;
    }
    return nullptr;
}

bool TextBefore(const QTreeWidgetItem* left, const QTreeWidgetItem* right)
{
    return left->text(0).compare(right->text(0), Qt::CaseInsensitive) < 0;
}

// The position after every child whose text sorts before or with the
// node's, among children in that order.
int PlaceAfterAlike(const QTreeWidgetItem& parent, const QTreeWidgetItem& node)
{
    int low = 0;
    int high = parent.childCount();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (TextBefore(&node, parent.child(middle)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// One pass of Add: every node the tree holds, found by its parent and its
// name as the arrangement compares names, so each entry costs one look-up
// a level however large the tree.
class Filler {
public:
    Filler(QTreeWidget& tree, Arrangement arrangement) : tree_(tree), arrangement_(arrangement)
    {
        bold_.setBold(true);
        for (int i = 0; i < tree.topLevelItemCount(); ++i) Remember(nullptr, tree.topLevelItem(i));
    }

    void Add(const Entry& entry)
    {
        const std::array<QString, 3> path = Path(arrangement_, entry.names);
        const int groups = TwoLevels(arrangement_) ? 1 : 2;
        QTreeWidgetItem* parent = nullptr;
        for (int level = 0; level < groups; ++level) {
            QTreeWidgetItem*& group = nodes_[{parent, Folded(path[level])}];
            if (!group) group = Attach(parent, new QTreeWidgetItem(QStringList{path[level]}));
            parent = group;
        }
        const QString& name = path[groups];
        if (TwoLevels(arrangement_)) {
            QTreeWidgetItem*& model = nodes_[{parent, Folded(name)}];
            if (model) return;
            model = NewModel(name, entry.tag);
            unsorted_[parent].append(model);
        } else {
            parent->addChild(NewModel(name, entry.tag));
        }
    }

    // Puts the sorted models in place and joins the new groups to the tree
    // at once. Models already there stay where they are, selected or not.
    void Finish()
    {
        for (auto it = unsorted_.begin(); it != unsorted_.end(); ++it) {
            QList<QTreeWidgetItem*>& models = it.value();
            std::stable_sort(models.begin(), models.end(), TextBefore);
            for (QTreeWidgetItem* model : models) it.key()->insertChild(PlaceAfterAlike(*it.key(), *model), model);
        }
        tree_.addTopLevelItems(newTops_);
    }

private:
    QString Folded(const QString& name) const { return TwoLevels(arrangement_) ? name.toUpper() : name; }

    void Remember(QTreeWidgetItem* parent, QTreeWidgetItem* node)
    {
        nodes_.insert({parent, Folded(node->text(0))}, node);
        for (int i = 0; i < node->childCount(); ++i) Remember(node, node->child(i));
    }

    QTreeWidgetItem* Attach(QTreeWidgetItem* parent, QTreeWidgetItem* node)
    {
        if (parent)
            parent->addChild(node);
        else
            newTops_.append(node);
        return node;
    }

    QTreeWidgetItem* NewModel(const QString& name, const QString& tag)
    {
        auto* model = new QTreeWidgetItem(QStringList{name});
        if (!tag.isEmpty()) model->setData(0, TagRole, tag);
        if (!TwoLevels(arrangement_)) model->setFont(0, bold_);
        return model;
    }

    QTreeWidget& tree_;
    Arrangement arrangement_;
    QFont bold_;
    QHash<std::pair<QTreeWidgetItem*, QString>, QTreeWidgetItem*> nodes_;
    QList<QTreeWidgetItem*> newTops_;
    QHash<QTreeWidgetItem*, QList<QTreeWidgetItem*>> unsorted_;
};

}  // namespace

QStringList PathOf(const QTreeWidgetItem& node)
{
    QStringList path;
    for (const QTreeWidgetItem* up = &node; up != nullptr; up = up->parent()) path.prepend(up->text(0));
    return path;
}

QStringList ModelPath(Arrangement arrangement, const Names& names)
{
    const std::array<QString, 3> path = Path(arrangement, names);
    return TwoLevels(arrangement) ? QStringList{path[0], path[1]} : QStringList{path[0], path[1], path[2]};
}

QTreeWidgetItem* Find(const QTreeWidget& tree, Arrangement arrangement, const QStringList& path)
{
    QTreeWidgetItem* node = nullptr;
    for (const QString& name : path) {
        node = ChildNamed(tree, node, name, Matching(arrangement));
        if (!node) return nullptr;
    }
    return node;
}

bool IsModelNode(const QTreeWidgetItem& node, Arrangement arrangement)
{
    return Depth(node) == (TwoLevels(arrangement) ? 2 : 3);
}

Names NamesOf(const QTreeWidgetItem& model, Arrangement arrangement)
{
    const QStringList path = PathOf(model);
    const std::string first = ToWindows1252(path.value(0));
    const std::string second = ToWindows1252(path.value(1));
    switch (arrangement) {
    case Arrangement::ByManufacturer: return {first, second, ToWindows1252(path.value(2))};
    case Arrangement::ByType: return {second, first, ToWindows1252(path.value(2))};
    case Arrangement::ManufacturerAndModel: break;
    }
    return {first, {}, second};
}

void Build(QTreeWidget& tree, Arrangement arrangement, const std::vector<Entry>& entries)
{
    tree.clear();
    Add(tree, arrangement, entries);
}

void Add(QTreeWidget& tree, Arrangement arrangement, const std::vector<Entry>& entries)
{
    Filler filler(tree, arrangement);
    for (const Entry& entry : entries) filler.Add(entry);
    filler.Finish();
}

std::vector<QTreeWidgetItem*> ModelsUnder(QTreeWidgetItem& node, Arrangement arrangement)
{
    if (IsModelNode(node, arrangement)) return {&node};
    std::vector<QTreeWidgetItem*> models;
    for (int i = 0; i < node.childCount(); ++i) {
        const std::vector<QTreeWidgetItem*> below = ModelsUnder(*node.child(i), arrangement);
        models.insert(models.end(), below.begin(), below.end());
    }
    return models;
}

}  // namespace LibraryTree
