#include "editor/pickers/DeviceTreeFill.h"

#include "controls/TextNode.h"
#include "model/IRClassGlobals.h"
#include "model/ProjectorClassGlobals.h"
#include "platform/Windows1252.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QTreeWidget>
#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace {

// Marks the entry nodes among a tree's nodes.
constexpr int EntryNodeType = QTreeWidgetItem::UserType + 1;

// A node that stands for one database entry. Its index and bold font are
// held as members rather than as item data: thousands of entries are built
// at each opening, and every value of item data is memory of its own.
class EntryNode final : public TextNode {
public:
    EntryNode(QTreeWidgetItem* parent, const QString& text, int databaseIndex, const QFont& bold)
        : TextNode(parent, text, EntryNodeType), databaseIndex_(databaseIndex), bold_(bold)
    {
    }
    int DatabaseIndex() const { return databaseIndex_; }
    QVariant data(int column, int role) const override
    {
        if (column == 0 && role == Qt::FontRole) return bold_;
        return TextNode::data(column, role);
    }

private:
    int databaseIndex_;
    QFont bold_;
};

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

// The name without the spaces around it, as names are compared.
std::string_view Trimmed(std::string_view name)
{
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

// A group's key: the bytes of the trimmed names that make it. Its hash is
// the standard library's byte hash, which takes well under half the time of
// Qt's own on names this short: a third of a fill went to hashing.
struct GroupKey {
    QByteArray bytes;
    bool operator==(const GroupKey& other) const { return bytes == other.bytes; }
    std::string_view view() const { return {bytes.constData(), static_cast<std::size_t>(bytes.size())}; }
};

size_t qHash(const GroupKey& key, size_t seed) noexcept
{
    return std::hash<std::string_view>()(key.view()) ^ seed;
}

// Group nodes found by their key. Entries of one group mostly follow one
// another, so the last group found is tried first; a key already known is
// looked up without being copied. Qt's hash table finds a key without the
// division and the scattered nodes of the standard one, which cost a fill
// of a database in another order a tenth of its time.
class Groups {
public:
    QTreeWidgetItem* Find(std::string_view key, QTreeWidgetItem* parent, std::string_view text,
                          QList<QTreeWidgetItem*>& roots)
    {
        if (last_ != nullptr && lastKey_ == key) return last_;
        const auto size = static_cast<qsizetype>(key.size());
        auto found = groups_.constFind(GroupKey{QByteArray::fromRawData(key.data(), size)});
        if (found == groups_.cend()) {
            auto* node = parent == nullptr ? new TextNode(TextOf(text)) : new TextNode(parent, TextOf(text));
            if (parent == nullptr) roots.append(node);
            found = groups_.insert(GroupKey{QByteArray(key.data(), size)}, node);
        }
        lastKey_ = found.key().view();
        last_ = found.value();
        return last_;
    }

private:
    QHash<GroupKey, QTreeWidgetItem*> groups_;
    // The key as the table holds it: its bytes stay where they are while the table grows.
    std::string_view lastKey_;
    QTreeWidgetItem* last_ = nullptr;
};

QFont BoldFontOf(const QTreeWidget& tree)
{
    QFont bold = tree.font();
    bold.setBold(true);
    return bold;
}

}  // namespace

int DatabaseIndexOf(const QTreeWidgetItem* node)
{
    return node != nullptr && node->type() == EntryNodeType ? static_cast<const EntryNode*>(node)->DatabaseIndex() : -1;
}

QString NotesShown(std::string_view notes)
{
    // Notes are long fields mostly of padding, which the notes box would
    // show as nothing; only the text before it is converted.
    const auto end = notes.find_last_not_of(' ');
    return TextOf(notes.substr(0, end == std::string_view::npos ? 0 : end + 1));
}

void FillProjectorTree(QTreeWidget& tree, const ProjectorClassGlobals& projectors)
{
    tree.clear();
    const QFont bold = BoldFontOf(tree);
    Groups manufacturers;
    QList<QTreeWidgetItem*> roots;
    // Nodes are built unattached and handed to the tree at once.
    const DatabaseArray<ProjectorClass>& database = projectors.ProjectorDatabase();
    for (int i = 0; i < database.Count(); ++i) {
        database.PrefetchAhead(i);
        const ProjectorClass& definition = database[i];
        const std::string_view manufacturer = definition.ManufacturerField().view();
        QTreeWidgetItem* root = manufacturers.Find(Trimmed(manufacturer), nullptr, manufacturer, roots);
        new EntryNode(root, TextOf(definition.ModelField().view()), i, bold);
    }
    tree.addTopLevelItems(roots);
}

void FillIRDeviceTree(QTreeWidget& tree, const IRClassGlobals& ir, IRGrouping grouping)
{
    tree.clear();
    const QFont bold = BoldFontOf(tree);
    Groups rootGroups;
    Groups middleGroups;
    QList<QTreeWidgetItem*> roots;
    std::string middleKey;
    const DatabaseArray<IRclass>& database = ir.IRLibraryNames();
    for (int i = 0; i < database.Count(); ++i) {
        database.PrefetchAhead(i);
        const IRclass& library = database[i];
        const bool byManufacturer = grouping == IRGrouping::ByManufacturer;
        const std::string_view first = (byManufacturer ? library.ManufacturerField() : library.IRtypeField()).view();
        const std::string_view second = (byManufacturer ? library.IRtypeField() : library.ManufacturerField()).view();
        const std::string_view firstKey = Trimmed(first);
        QTreeWidgetItem* root = rootGroups.Find(firstKey, nullptr, first, roots);
        // The length keeps "A#" + "B" apart from "A" + "#B", whatever the names hold.
        middleKey.assign(std::to_string(firstKey.size())).append(1, '#').append(firstKey).append(Trimmed(second));
        QTreeWidgetItem* middle = middleGroups.Find(middleKey, root, second, roots);
        new EntryNode(middle, TextOf(library.ModelField().view()), i, bold);
    }
    tree.addTopLevelItems(roots);
}
