#include "rs232/RS232LibraryLoaderOrder.h"

#include <algorithm>
#include <string_view>

namespace {

// Byte order, as the stored fields compare (their views compare unsigned),
// read in place: a sort compares thousands of pairs.
bool Before(const RS232FileBlockClass& a, const RS232FileBlockClass& b, LoaderSortOrder order)
{
    const LoaderGroupFields groupsA = GroupFieldsOf(a, order);
    const LoaderGroupFields groupsB = GroupFieldsOf(b, order);
    if (groupsA.first.view() != groupsB.first.view()) return groupsA.first.view() < groupsB.first.view();
    if (groupsA.second.view() != groupsB.second.view()) return groupsA.second.view() < groupsB.second.view();
    return a.ModelField().view() < b.ModelField().view();
}

}  // namespace

LoaderGroupFields GroupFieldsOf(const RS232FileBlockClass& library, LoaderSortOrder order)
{
    if (order == LoaderSortOrder::ByType) return {library.MyTypeField(), library.ManufacturerField()};
    return {library.ManufacturerField(), library.MyTypeField()};
}

void SortLibrariesForTree(DatabaseArray<RS232FileBlockClass>& database, LoaderSortOrder order)
{
    database.StableSort(
        [order](const RS232FileBlockClass& a, const RS232FileBlockClass& b) { return Before(a, b, order); });
}

LoaderTreeKeys TreeKeysOf(const RS232FileBlockClass& library, LoaderSortOrder order)
{
    const LoaderGroupFields groups = GroupFieldsOf(library, order);
    std::string first = groups.first.trimmed();
    std::string second = groups.second.trimmed();
    return {{first}, {first, second}, {first, second, library.ModelField().trimmed()}};
}

int CountNamedCommands(const RS232FileBlockClass& library)
{
    int named = 0;
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i)
        if (!library.CommandField(i).isBlank()) ++named;
    return named;
}

bool CommandAllowed(const RS232FileBlockClass& library, int command, bool targetCanBeInput)
{
    return targetCanBeInput || !library.My_RS232_String_Class(command).ContainsIgnore();
}

std::vector<int> CommandsToList(const RS232FileBlockClass& library, bool targetCanBeInput)
{
    std::vector<int> commands;
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i)
        if (!library.CommandField(i).trimmed().empty() && CommandAllowed(library, i, targetCanBeInput))
            commands.push_back(i);
    std::stable_sort(commands.begin(), commands.end(),
                     [&library](int a, int b) { return library.Command(a) < library.Command(b); });
    return commands;
}
