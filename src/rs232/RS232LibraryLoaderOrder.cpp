#include "rs232/RS232LibraryLoaderOrder.h"

#include <algorithm>
#include <string_view>

namespace {

// Byte order, as the stored fields compare (their views compare unsigned),
// read in place: a sort compares thousands of pairs.
bool Before(const RS232FileBlockClass& a, const RS232FileBlockClass& b, LoaderSortOrder order)
{
    const bool byType = order == LoaderSortOrder::ByType;
    const std::string_view firstA = (byType ? a.MyTypeField() : a.ManufacturerField()).view();
    const std::string_view firstB = (byType ? b.MyTypeField() : b.ManufacturerField()).view();
    if (firstA != firstB) return firstA < firstB;
    const std::string_view secondA = (byType ? a.ManufacturerField() : a.MyTypeField()).view();
    const std::string_view secondB = (byType ? b.ManufacturerField() : b.MyTypeField()).view();
    if (secondA != secondB) return secondA < secondB;
    return a.ModelField().view() < b.ModelField().view();
}

}  // namespace

void SortLibrariesForTree(DatabaseArray<RS232FileBlockClass>& database, LoaderSortOrder order)
{
    database.StableSort(
        [order](const RS232FileBlockClass& a, const RS232FileBlockClass& b) { return Before(a, b, order); });
}

LoaderTreeKeys TreeKeysOf(const RS232FileBlockClass& library, LoaderSortOrder order)
{
    const bool byType = order == LoaderSortOrder::ByType;
    std::string manufacturer = library.ManufacturerField().trimmed();
    std::string type = library.MyTypeField().trimmed();
    std::string first = byType ? type : manufacturer;
    std::string second = byType ? manufacturer : type;
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
