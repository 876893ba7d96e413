#include "projectors/ProjectorTree.h"

#include "model/FindByNames.h"
#include "model/ProjectorClass.h"
#include "platform/Windows1252.h"

#include <QTreeWidget>

namespace ProjectorTree {

namespace {

constexpr int KeyRole = Qt::UserRole;

QTreeWidgetItem* NewNode(const QString& key, const std::string& text)
{
    auto* node = new QTreeWidgetItem(QStringList{FromWindows1252(text)});
    node->setData(0, KeyRole, key);
    return node;
}

// Children stay in the order of their texts.
void InsertSorted(QTreeWidgetItem& parent, QTreeWidgetItem* child)
{
    int position = 0;
    while (position < parent.childCount() &&
           parent.child(position)->text(0).compare(child->text(0), Qt::CaseInsensitive) <= 0)
        ++position;
    parent.insertChild(position, child);
}

}  // namespace

QString ManufacturerKey(std::string_view manufacturer)
{
    return "M" + FromWindows1252(TrimmedUpper(manufacturer));
}

QString ModelKey(std::string_view manufacturer, std::string_view model)
{
    return "S" + FromWindows1252(TrimmedUpper(manufacturer)) + "#" + FromWindows1252(TrimmedUpper(model));
}

QString KeyOf(const QTreeWidgetItem& node)
{
    return node.data(0, KeyRole).toString();
}

bool IsModelNode(const QTreeWidgetItem& node)
{
    return node.parent() != nullptr;
}

void Build(QTreeWidget& tree, const DatabaseArray<ProjectorClass>& database)
{
    tree.clear();
    Refresh(tree, database);
}

void Refresh(QTreeWidget& tree, const DatabaseArray<ProjectorClass>& database)
{
    for (int i = 0; i < database.Count(); ++i) {
        const ProjectorClass& definition = database[i];
        const std::string_view manufacturer = definition.ManufacturerField().view();
        const std::string_view model = definition.ModelField().view();
        const QString modelKey = ModelKey(manufacturer, model);
        if (Find(tree, modelKey)) continue;
        const QString manufacturerKey = ManufacturerKey(manufacturer);
        QTreeWidgetItem* parent = Find(tree, manufacturerKey);
        if (!parent) {
            parent = NewNode(manufacturerKey, definition.ManufacturerField().trimmed());
            tree.addTopLevelItem(parent);
        }
        InsertSorted(*parent, NewNode(modelKey, definition.ModelField().trimmed()));
    }
}

QTreeWidgetItem* Find(const QTreeWidget& tree, const QString& key)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i) {
        QTreeWidgetItem* manufacturer = tree.topLevelItem(i);
        if (KeyOf(*manufacturer) == key) return manufacturer;
        for (int j = 0; j < manufacturer->childCount(); ++j)
            if (KeyOf(*manufacturer->child(j)) == key) return manufacturer->child(j);
    }
    return nullptr;
}

}  // namespace ProjectorTree
