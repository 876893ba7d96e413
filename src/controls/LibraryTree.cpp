#include "controls/LibraryTree.h"

#include "controls/TextNode.h"
#include "platform/Windows1252.h"

#include <QFont>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace LibraryTree {

namespace {

constexpr int TagRole = Qt::UserRole + 1;
constexpr int FoldedType = QTreeWidgetItem::UserType + 1;

bool TwoLevels(Arrangement arrangement)
{
    return arrangement == Arrangement::ManufacturerAndModel;
}

Qt::CaseSensitivity Matching(Arrangement arrangement)
{
    return TwoLevels(arrangement) ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

// The names from the top down; the unused third level is empty.
template <class Text>
std::array<Text, 3> Path(Arrangement arrangement, const Text& manufacturer, const Text& type, const Text& model)
{
    switch (arrangement) {
    case Arrangement::ByManufacturer: return {manufacturer, type, model};
    case Arrangement::ByType: return {type, manufacturer, model};
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

// A model of the two-level tree waiting for its place among its
// manufacturer's models.
struct SortedModel {
    QString text;
    std::string tag;
};

// The models waiting under one manufacturer, in the order of their entries.
struct WaitingModels {
    QTreeWidgetItem* parent;
    std::vector<SortedModel> models;
};

QTreeWidgetItem* NewNode(const QString& text)
{
    return new TextNode(text);
}

// A model node. Its bold font and its tag are given out when the view or a
// caller asks: item data would cost a value of its own per node, a font kept
// per node a shared count taken at every fill and dropped at every clear,
// and most tags are never read.
class ModelNode final : public TextNode {
public:
    ModelNode(const QString& name, std::string tag, bool bold) : TextNode(name), tag_(std::move(tag)), bold_(bold) {}
    QVariant data(int column, int role) const override
    {
        if (column == 0 && role == Qt::FontRole && bold_) {
            QFont font;
            font.setBold(true);
            return font;
        }
        if (column == 0 && role == TagRole && !tag_.empty()) return FromWindows1252(tag_);
        return TextNode::data(column, role);
    }

private:
    std::string tag_;
    bool bold_;  // not in the two-level tree
};

// A top node that keeps the entries below it until it is first unfolded.
// Its arrow shows while it has none of its nodes yet.
class FoldedGroup final : public TextNode {
public:
    FoldedGroup(const QString& name, Arrangement arrangement) : TextNode(name, FoldedType), arrangement(arrangement)
    {
        setChildIndicatorPolicy(ShowIndicator);
    }
    const Arrangement arrangement;
    // None of the nodes below it is made yet; these entries will make them.
    bool folded = true;
    std::vector<Entry> entries;
    bool unfolding = false;
};

FoldedGroup* FoldedGroupOf(QTreeWidgetItem& node)
{
    return node.type() == FoldedType ? static_cast<FoldedGroup*>(&node) : nullptr;
}

bool TextBefore(const QString& left, const QString& right)
{
    return left.compare(right, Qt::CaseInsensitive) < 0;
}

// The position after every child whose text sorts before or with `text`,
// among children in that order.
int PlaceAfterAlike(const QTreeWidgetItem& parent, const QString& text)
{
    int low = 0;
    int high = parent.childCount();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (TextBefore(text, parent.child(middle)->text(0)))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// A node's parent and name, as the tree keeps its nodes apart.
using NodeKey = std::pair<const QTreeWidgetItem*, std::string>;

struct NodeKeyHash {
    using is_transparent = void;
    std::size_t operator()(const std::pair<const QTreeWidgetItem*, std::string_view>& key) const
    {
        return std::hash<std::string_view>()(key.second) ^ std::hash<const void*>()(key.first);
    }
    std::size_t operator()(const NodeKey& key) const { return (*this)({key.first, std::string_view(key.second)}); }
};

struct NodeKeyEqual {
    using is_transparent = void;
    template <class Left, class Right>
    bool operator()(const Left& left, const Right& right) const
    {
        return left.first == right.first && std::string_view(left.second) == std::string_view(right.second);
    }
};

// One pass of Add, or the unfolding of one top node (the root): every
// group the tree holds, found by its parent and the bytes of its name
// (upper-cased where case does not count), so each entry costs one look-up
// a level however large the tree, and a name becomes text only for a node
// that is new. A new top node keeps its entries, folded. The models of the
// two-level tree are sorted once at the end, where names alike stand side
// by side.
class Filler {
public:
    // The whole tree, unfolded first, so that what the entries need and the
    // tree has is found.
    Filler(QTreeWidget& tree, Arrangement arrangement) : tree_(&tree), arrangement_(arrangement)
    {
        for (int i = 0; i < tree.topLevelItemCount(); ++i) {
            Unfold(*tree.topLevelItem(i));
            Remember(nullptr, tree.topLevelItem(i), 0);
        }
    }
    // The nodes below a top node that has none yet.
    explicit Filler(FoldedGroup& root) : arrangement_(root.arrangement), root_(&root) {}

    void Add(Entry entry)
    {
        const Names& names = entry.names;
        const std::array<std::string_view, 3> path =
            Path<std::string_view>(arrangement_, names.manufacturer, names.type, names.model);
        QTreeWidgetItem* parent = root_;
        for (std::size_t level = root_ ? 1 : 0; level < Groups(); ++level) {
            QTreeWidgetItem*& group = Known(level, parent, path[level]);
            if (!group) group = Attach(parent, NewGroup(level, FromWindows1252(path[level])));
            if (FoldedGroup* folded = FoldedGroupOf(*group); folded && folded->folded) {
                folded->entries.push_back(std::move(entry));
                return;
            }
            parent = group;
        }
        if (TwoLevels(arrangement_))
            WaitingUnder(*parent).push_back({FromWindows1252(path[Groups()]), std::move(entry.tag)});
        else
            parent->addChild(NewModel(FromWindows1252(path[Groups()]), std::move(entry.tag)));
    }

    // Puts the sorted models in place and joins the new groups to the tree
    // at once. Models already there stay where they are, selected or not.
    void Finish()
    {
        const auto before = [](const SortedModel& left, const SortedModel& right) {
            return TextBefore(left.text, right.text);
        };
        for (WaitingModels& waiting : waiting_) {
            // A database is sorted when it loads, so its models come in order as a rule.
            if (!std::is_sorted(waiting.models.begin(), waiting.models.end(), before))
                std::stable_sort(waiting.models.begin(), waiting.models.end(), before);
            PlaceModels(*waiting.parent, waiting.models);
        }
        if (root_)
            root_->addChildren(newFirst_);
        else
            tree_->addTopLevelItems(newFirst_);
    }

private:
    std::size_t Groups() const { return TwoLevels(arrangement_) ? 1 : 2; }

    std::vector<SortedModel>& WaitingUnder(QTreeWidgetItem& parent)
    {
        if (waiting_.empty() || waiting_.back().parent != &parent) {
            const auto [found, added] = waitingIndex_.try_emplace(&parent, waiting_.size());
            if (added) waiting_.push_back({&parent, {}});
            return waiting_[found->second].models;
        }
        return waiting_.back().models;
    }

    // A name alike but for case to one already there, or to the one before
    // it among the sorted models, is the node of the first.
    void PlaceModels(QTreeWidgetItem& parent, const std::vector<SortedModel>& models)
    {
        const bool empty = parent.childCount() == 0;
        QList<QTreeWidgetItem*> nodes;
        for (auto model = models.begin(); model != models.end(); ++model) {
            if (model != models.begin() && model->text.compare((model - 1)->text, Qt::CaseInsensitive) == 0) continue;
            if (empty) {
                nodes.append(NewModel(model->text, model->tag));
                continue;
            }
            const int place = PlaceAfterAlike(parent, model->text);
            if (place > 0 && parent.child(place - 1)->text(0).compare(model->text, Qt::CaseInsensitive) == 0) continue;
            parent.insertChild(place, NewModel(model->text, model->tag));
        }
        parent.addChildren(nodes);
    }

    // The group of that parent and name, null until one is made. Entries
    // come sorted as a rule, so the last group of the level is tried first.
    QTreeWidgetItem*& Known(std::size_t level, const QTreeWidgetItem* parent, std::string_view name)
    {
        LastGroup& last = last_.at(level);
        if (last.node != nullptr && last.parent == parent && last.name == name) return *last.node;
        std::string folded;
        const std::string_view key = TwoLevels(arrangement_) ? std::string_view(folded = UpperCase1252(name)) : name;
        const auto found = groups_.find(std::pair{parent, key});
        QTreeWidgetItem*& group = found != groups_.end() ? found->second : groups_[{parent, std::string(key)}];
        last.parent = parent;
        last.name.assign(name);
        last.node = &group;
        return group;
    }

    void Remember(QTreeWidgetItem* parent, QTreeWidgetItem* node, std::size_t level)
    {
        if (level >= Groups()) return;
        Known(level, parent, ToWindows1252(node->text(0))) = node;
        for (int i = 0; i < node->childCount(); ++i) Remember(node, node->child(i), level + 1);
    }

    // A node of the first level made joins the tree at the end, at once.
    QTreeWidgetItem* Attach(QTreeWidgetItem* parent, QTreeWidgetItem* node)
    {
        if (parent == root_)
            newFirst_.append(node);
        else
            parent->addChild(node);
        return node;
    }

    QTreeWidgetItem* NewGroup(std::size_t level, const QString& name) const
    {
        if (level == 0) return new FoldedGroup(name, arrangement_);
        return NewNode(name);
    }

    QTreeWidgetItem* NewModel(const QString& name, std::string tag) const
    {
        return new ModelNode(name, std::move(tag), !TwoLevels(arrangement_));
    }

    struct LastGroup {
        const QTreeWidgetItem* parent = nullptr;
        std::string name;
        QTreeWidgetItem** node = nullptr;
    };

    QTreeWidget* tree_ = nullptr;
    Arrangement arrangement_;
    FoldedGroup* root_ = nullptr;
    std::unordered_map<NodeKey, QTreeWidgetItem*, NodeKeyHash, NodeKeyEqual> groups_;
    std::array<LastGroup, 2> last_;
    QList<QTreeWidgetItem*> newFirst_;
    std::vector<WaitingModels> waiting_;
    std::unordered_map<const QTreeWidgetItem*, std::size_t> waitingIndex_;
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
    const std::array<QString, 3> path = Path(arrangement, FromWindows1252(names.manufacturer),
                                             FromWindows1252(names.type), FromWindows1252(names.model));
    return TwoLevels(arrangement) ? QStringList{path[0], path[1]} : QStringList{path[0], path[1], path[2]};
}

QTreeWidgetItem* Find(const QTreeWidget& tree, Arrangement arrangement, const QStringList& path)
{
    QTreeWidgetItem* node = nullptr;
    for (const QString& name : path) {
        if (node) Unfold(*node);
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

std::vector<int> FirstEntriesWith(const std::vector<Names>& wanted, int count, const std::function<Names(int)>& namesAt)
{
    std::map<Names, int> first;
    for (const Names& names : wanted) first.emplace(names, -1);
    std::size_t unfound = first.size();
    for (int i = 0; i < count && unfound > 0; ++i) {
        const auto found = first.find(namesAt(i));
        if (found == first.end() || found->second >= 0) continue;
        found->second = i;
        --unfound;
    }
    std::vector<int> indexes;
    indexes.reserve(wanted.size());
    for (const Names& names : wanted) indexes.push_back(first.at(names));
    return indexes;
}

void Build(QTreeWidget& tree, Arrangement arrangement, int count, const EntryAt& entryAt)
{
    tree.clear();
    Add(tree, arrangement, count, entryAt);
}

void Build(QTreeWidget& tree, Arrangement arrangement, const std::vector<Entry>& entries)
{
    Build(tree, arrangement, static_cast<int>(entries.size()),
          [&](int i) { return entries[static_cast<std::size_t>(i)]; });
}

void Add(QTreeWidget& tree, Arrangement arrangement, int count, const EntryAt& entryAt)
{
    Filler filler(tree, arrangement);
    for (int i = 0; i < count; ++i) filler.Add(entryAt(i));
    filler.Finish();
}

std::vector<QTreeWidgetItem*> ModelsUnder(QTreeWidgetItem& node, Arrangement arrangement)
{
    if (IsModelNode(node, arrangement)) return {&node};
    Unfold(node);
    std::vector<QTreeWidgetItem*> models;
    for (int i = 0; i < node.childCount(); ++i) {
        const std::vector<QTreeWidgetItem*> below = ModelsUnder(*node.child(i), arrangement);
        models.insert(models.end(), below.begin(), below.end());
    }
    return models;
}

void Unfold(QTreeWidgetItem& node)
{
    FoldedGroup* group = FoldedGroupOf(node);
    if (!group || !group->folded) return;
    group->folded = false;
    std::vector<Entry> entries = std::exchange(group->entries, {});
    const QScopedValueRollback<bool> unfolding(group->unfolding, true);
    Filler filler(*group);
    for (Entry& entry : entries) filler.Add(std::move(entry));
    filler.Finish();
    group->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

bool Unfolding(const QTreeWidgetItem& node)
{
    return node.type() == FoldedType && static_cast<const FoldedGroup&>(node).unfolding;
}

}  // namespace LibraryTree
