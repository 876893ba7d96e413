#include "controls/LibraryTree.h"

#include "platform/Windows1252.h"

#include <QFont>
#include <QHash>
#include <QTreeWidget>

namespace LibraryTree {

namespace {

constexpr int KeyRole = Qt::UserRole;
constexpr int TagRole = Qt::UserRole + 1;

QString Text(const std::string& name)
{
    return FromWindows1252(name);
}

const std::string& First(Arrangement arrangement, const Names& names)
{
    return arrangement == Arrangement::ByManufacturer ? names.manufacturer : names.type;
}

const std::string& Second(Arrangement arrangement, const Names& names)
{
    return arrangement == Arrangement::ByManufacturer ? names.type : names.manufacturer;
}

QTreeWidgetItem* NewNode(const QString& key, const std::string& text)
{
    auto* node = new QTreeWidgetItem(QStringList{Text(text)});
    node->setData(0, KeyRole, key);
    return node;
}

}  // namespace

QString ModelKey(Arrangement arrangement, const Names& names)
{
    return "I" + Text(First(arrangement, names)) + "#" + Text(Second(arrangement, names)) + "#" + Text(names.model);
}

QString KeyOf(const QTreeWidgetItem& node)
{
    return node.data(0, KeyRole).toString();
}

bool IsModelNode(const QTreeWidgetItem& node)
{
    return node.parent() != nullptr && node.parent()->parent() != nullptr;
}

Names NamesOf(const QTreeWidgetItem& model, Arrangement arrangement)
{
    const std::string second = ToWindows1252(model.parent()->text(0));
    const std::string first = ToWindows1252(model.parent()->parent()->text(0));
    const std::string name = ToWindows1252(model.text(0));
    return arrangement == Arrangement::ByManufacturer ? Names{first, second, name} : Names{second, first, name};
}

void Build(QTreeWidget& tree, Arrangement arrangement, const std::vector<Entry>& entries)
{
    tree.clear();
    // Groups are found by their parent and text, not by key: a "#" inside a
    // name can make two keys alike, never two groups one. The nodes are
    // joined to the tree once whole, so a large database fills in one pass.
    QHash<QString, QTreeWidgetItem*> tops;
    QHash<std::pair<QTreeWidgetItem*, QString>, QTreeWidgetItem*> middles;
    QList<QTreeWidgetItem*> topsInOrder;
    QFont bold;
    bold.setBold(true);
    for (const Entry& entry : entries) {
        const std::string& first = First(arrangement, entry.names);
        const std::string& second = Second(arrangement, entry.names);
        QTreeWidgetItem*& top = tops[Text(first)];
        if (!top) {
            top = NewNode("M" + Text(first), first);
            topsInOrder.append(top);
        }
        QTreeWidgetItem*& middle = middles[{top, Text(second)}];
        if (!middle) {
            middle = NewNode("S" + Text(first) + "#" + Text(second), second);
            top->addChild(middle);
        }
        QTreeWidgetItem* model = NewNode(ModelKey(arrangement, entry.names), entry.names.model);
        model->setData(0, TagRole, entry.tag);
        model->setFont(0, bold);
        middle->addChild(model);
    }
    tree.addTopLevelItems(topsInOrder);
}

QTreeWidgetItem* Find(QTreeWidget& tree, const QString& key)
{
    for (QTreeWidgetItemIterator it(&tree); *it; ++it)
        if (KeyOf(**it) == key) return *it;
    return nullptr;
}

std::vector<QTreeWidgetItem*> ModelsUnder(QTreeWidgetItem& node)
{
    if (IsModelNode(node)) return {&node};
    std::vector<QTreeWidgetItem*> models;
    for (int i = 0; i < node.childCount(); ++i) {
        const std::vector<QTreeWidgetItem*> below = ModelsUnder(*node.child(i));
        models.insert(models.end(), below.begin(), below.end());
    }
    return models;
}

}  // namespace LibraryTree
