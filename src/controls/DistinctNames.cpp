#include "controls/DistinctNames.h"

#include "platform/FixedText.h"
#include "platform/Windows1252.h"

#include <QComboBox>
#include <QSet>
#include <QStringList>
#include <unordered_set>

void AddDistinctNames(QComboBox& list, int count, const std::function<std::string_view(int)>& fieldAt)
{
    QSet<QString> held;
    for (int i = 0; i < list.count(); ++i) held.insert(list.itemText(i));
    // Most entries repeat a field seen already, found here without a copy;
    // only a new field is converted and compared as the list shows it.
    std::unordered_set<std::string_view> fieldsSeen;
    QStringList added;
    for (int i = 0; i < count; ++i) {
        const std::string_view field = FixedText<1>::TrimmedView(fieldAt(i));
        if (!fieldsSeen.insert(field).second) continue;
        const QString name = FromWindows1252(UpperCase1252(field));
        const qsizetype before = held.size();
        held.insert(name);
        if (held.size() != before) added.append(name);
    }
    list.addItems(added);
}
