#pragma once

// The baseline of every tree fill: the fastest plain QTreeWidget we can
// write, of every node or of the top nodes alone, as the tree it stands
// beside builds them. Its texts are prepared apart, trimmed, before any
// timing; its groups are found by their parent and text, the last group of
// each level tried first; every node is built unattached and the top level
// is handed to the tree at once.

#include <QHash>
#include <QList>
#include <QString>
#include <QTreeWidget>
#include <array>
#include <cstddef>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

namespace DatabaseBenchmark {

// A group by its parent and text, hashed as the editor's trees hash their
// groups: the standard library's hash of the text's bytes.
struct PlainGroupKey {
    QTreeWidgetItem* parent;
    QString text;
    bool operator==(const PlainGroupKey& other) const { return parent == other.parent && text == other.text; }
};

inline size_t qHash(const PlainGroupKey& key, size_t seed) noexcept
{
    const std::u16string_view text(reinterpret_cast<const char16_t*>(key.text.constData()),
                                   static_cast<std::size_t>(key.text.size()));
    return std::hash<std::u16string_view>()(text) ^ std::hash<const void*>()(key.parent) ^ seed;
}

// The names of one entry from the top level down; a tree of fewer levels
// leaves the last ones empty.
using TreeTexts = std::vector<std::array<QString, 3>>;

// A fixed-width field as a tree shows it: Latin-1 text without its padding.
inline QString TrimmedText(std::string_view field)
{
    return QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size())).trimmed();
}

// Empties the tree and fills it with `levels` levels of the texts.
inline void FillPlainTree(QTreeWidget& tree, const TreeTexts& texts, int levels)
{
    tree.clear();
    QHash<PlainGroupKey, QTreeWidgetItem*> groups;
    std::array<std::pair<PlainGroupKey, QTreeWidgetItem*>, 2> last{};
    QList<QTreeWidgetItem*> tops;
    for (const auto& entry : texts) {
        QTreeWidgetItem* parent = nullptr;
        for (int level = 0; level < levels - 1; ++level) {
            auto& [lastKey, lastGroup] = last[static_cast<std::size_t>(level)];
            if (lastGroup == nullptr || lastKey.parent != parent || lastKey.text != entry[level]) {
                QTreeWidgetItem*& group = groups[{parent, entry[level]}];
                if (group == nullptr) {
                    group = new QTreeWidgetItem;
                    group->setText(0, entry[level]);
                    if (parent != nullptr)
                        parent->addChild(group);
                    else
                        tops.append(group);
                }
                lastKey = {parent, entry[level]};
                lastGroup = group;
            }
            parent = lastGroup;
        }
        auto* node = new QTreeWidgetItem;
        node->setText(0, entry[levels - 1]);
        if (parent != nullptr)
            parent->addChild(node);
        else
            tops.append(node);
    }
    tree.addTopLevelItems(tops);
}

// Empties the tree and fills it with the top nodes alone, as a browser shows
// them before any is opened: one for each first text, with its arrow shown
// when there are levels below it.
inline void FillPlainTopNodes(QTreeWidget& tree, const TreeTexts& texts, int levels)
{
    tree.clear();
    QHash<PlainGroupKey, QTreeWidgetItem*> groups;
    const QString* lastText = nullptr;
    QList<QTreeWidgetItem*> tops;
    for (const auto& entry : texts) {
        if (lastText != nullptr && *lastText == entry[0]) continue;
        lastText = &entry[0];
        QTreeWidgetItem*& group = groups[{nullptr, entry[0]}];
        if (group != nullptr) continue;
        group = new QTreeWidgetItem;
        group->setText(0, entry[0]);
        if (levels > 1) group->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        tops.append(group);
    }
    tree.addTopLevelItems(tops);
}

}  // namespace DatabaseBenchmark
