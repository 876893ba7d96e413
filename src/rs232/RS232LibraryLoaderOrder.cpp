#include "rs232/RS232LibraryLoaderOrder.h"

#include <algorithm>

namespace {

// Byte order, as the stored fields compare (std::string compares unsigned).
bool Before(const RS232FileBlockClass& a, const RS232FileBlockClass& b, LoaderSortOrder order)
{
    const bool byType = order == LoaderSortOrder::ByType;
    const std::string firstA = byType ? a.MyType() : a.Manufacturer();
    const std::string firstB = byType ? b.MyType() : b.Manufacturer();
    if (firstA != firstB) return firstA < firstB;
    const std::string secondA = byType ? a.Manufacturer() : a.MyType();
    const std::string secondB = byType ? b.Manufacturer() : b.MyType();
    if (secondA != secondB) return secondA < secondB;
    return a.Model() < b.Model();
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
    const std::string manufacturer = library.ManufacturerField().trimmed();
    const std::string type = library.MyTypeField().trimmed();
    const std::string& first = byType ? type : manufacturer;
    const std::string& second = byType ? manufacturer : type;
    return {"M" + first, "S" + first + "#" + second, "I" + first + "#" + second + "#" + library.ModelField().trimmed()};
}

int CountNamedCommands(const RS232FileBlockClass& library)
{
    int named = 0;
    for (int i = 0; i < RS232FileBlockClass::Commands; ++i)
        if (!library.CommandField(i).trimmed().empty()) ++named;
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
