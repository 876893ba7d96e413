#include "editor/pickers/DeviceTreeFill.h"

#include "model/IRClassGlobals.h"
#include "model/ProjectorClassGlobals.h"
#include "platform/Windows1252.h"

#include <QTreeWidget>
#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

constexpr int DatabaseIndexRole = Qt::UserRole;
constexpr int TagRole = Qt::UserRole + 1;

// Group nodes found by their key: the trimmed names that make them.
using GroupsByKey = std::unordered_map<std::string, QTreeWidgetItem*>;

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; names without
// those bytes take Qt's bulk conversion, thousands of them in one fill.
QString TextOf(std::string_view bytes)
{
    const bool latin1 = std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 && byte <= 0x9F;
    });
    return latin1 ? QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size())) : FromWindows1252(bytes);
}

QTreeWidgetItem* NewNode(QTreeWidgetItem* parent, std::string_view text, int databaseIndex)
{
    auto* node = parent == nullptr ? new QTreeWidgetItem : new QTreeWidgetItem(parent);
    node->setText(0, TextOf(text));
    node->setData(0, DatabaseIndexRole, databaseIndex);
    return node;
}

QTreeWidgetItem* NewEntry(QTreeWidgetItem* parent, std::string_view text, int databaseIndex, std::string_view tag,
                          const QVariant& bold)
{
    QTreeWidgetItem* entry = NewNode(parent, text, databaseIndex);
    // Notes are long fields mostly of padding, which the notes box would
    // show as nothing; only the text before it is converted.
    const auto end = tag.find_last_not_of(' ');
    entry->setData(0, TagRole, TextOf(tag.substr(0, end == std::string_view::npos ? 0 : end + 1)));
    entry->setData(0, Qt::FontRole, bold);  // one shared font for every entry
    return entry;
}

QTreeWidgetItem* Group(GroupsByKey& groups, const std::string& key, QTreeWidgetItem* parent, std::string_view text,
                       QList<QTreeWidgetItem*>& roots)
{
    auto [found, added] = groups.try_emplace(key, nullptr);
    if (added) {
        found->second = NewNode(parent, text, -1);
        if (parent == nullptr) roots.append(found->second);
    }
    return found->second;
}

QVariant BoldFontOf(const QTreeWidget& tree)
{
    QFont bold = tree.font();
    bold.setBold(true);
    return QVariant(bold);
}

}  // namespace

int DatabaseIndexOf(const QTreeWidgetItem* node)
{
    return node == nullptr ? -1 : node->data(0, DatabaseIndexRole).toInt();
}

QString TagOf(const QTreeWidgetItem* node)
{
    return node == nullptr ? QString() : node->data(0, TagRole).toString();
}

void FillProjectorTree(QTreeWidget& tree, const ProjectorClassGlobals& projectors)
{
    tree.clear();
    const QVariant bold = BoldFontOf(tree);
    GroupsByKey manufacturers;
    QList<QTreeWidgetItem*> roots;
    // Nodes are built unattached and handed to the tree at once.
    for (int i = 0; i < projectors.ProjectorDatabase.Count(); ++i) {
        const ProjectorClass& definition = projectors.ProjectorDatabase[i];
        const auto& manufacturer = definition.ManufacturerField();
        QTreeWidgetItem* root = Group(manufacturers, manufacturer.trimmed(), nullptr, manufacturer.view(), roots);
        NewEntry(root, definition.ModelField().view(), i, definition.NotesField().view(), bold);
    }
    tree.addTopLevelItems(roots);
}

void FillIRDeviceTree(QTreeWidget& tree, const IRClassGlobals& ir, IRGrouping grouping)
{
    tree.clear();
    const QVariant bold = BoldFontOf(tree);
    GroupsByKey rootGroups;
    GroupsByKey middleGroups;
    QList<QTreeWidgetItem*> roots;
    for (int i = 0; i < ir.IRDatabase.Count(); ++i) {
        const IRclass& library = ir.IRDatabase[i];
        const bool byManufacturer = grouping == IRGrouping::ByManufacturer;
        const FixedText<16>& first = byManufacturer ? library.ManufacturerField() : library.IRtypeField();
        const FixedText<16>& second = byManufacturer ? library.IRtypeField() : library.ManufacturerField();
        const std::string firstKey = first.trimmed();
        QTreeWidgetItem* root = Group(rootGroups, firstKey, nullptr, first.view(), roots);
        // The length keeps "A#" + "B" apart from "A" + "#B", whatever the names hold.
        const std::string middleKey = std::to_string(firstKey.size()) + '#' + firstKey + second.trimmed();
        QTreeWidgetItem* middle = Group(middleGroups, middleKey, root, second.view(), roots);
        NewEntry(middle, library.ModelField().view(), i, library.CommentField().view(), bold);
    }
    tree.addTopLevelItems(roots);
}
