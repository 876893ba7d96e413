#include "controls/DistinctNames.h"

#include <QComboBox>
#include <QSet>
#include <QStringList>

void AddDistinctNames(QComboBox& list, int count, const std::function<QString(int)>& nameAt)
{
    QSet<QString> held;
    for (int i = 0; i < list.count(); ++i) held.insert(list.itemText(i));
    QStringList added;
    for (int i = 0; i < count; ++i) {
        QString name = nameAt(i);
        const qsizetype before = held.size();
        held.insert(name);
        if (held.size() != before) added.append(std::move(name));
    }
    list.addItems(added);
}
