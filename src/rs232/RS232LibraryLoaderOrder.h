#pragma once

#include "model/DatabaseArray.h"
#include "model/RS232FileBlockClass.h"

#include <string>
#include <vector>

// How the command loader arranges the RS232 database: the order of the
// libraries, the keys of the equipment tree and the commands offered.
enum class LoaderSortOrder { ByManufacturer, ByType };

// A library's two group names in the order's sequence: the first level's,
// then the second's.
struct LoaderGroupFields {
    const FixedText<RS232FileBlockClass::NameLength>& first;
    const FixedText<RS232FileBlockClass::NameLength>& second;
};
LoaderGroupFields GroupFieldsOf(const RS232FileBlockClass& library, LoaderSortOrder order);

// Sorts the database itself by the two names of the order, then by model,
// comparing the stored fields byte by byte; libraries with equal names keep
// their order.
void SortLibrariesForTree(DatabaseArray<RS232FileBlockClass>& database, LoaderSortOrder order);

// A node of the equipment tree is known by the names on its path, so that
// names holding any character ("A#B" / "C" and "A" / "B#C") stay apart.
using LoaderTreePath = std::vector<std::string>;
// The paths of a library's three tree levels, first name of the order first.
struct LoaderTreeKeys {
    LoaderTreePath level1;
    LoaderTreePath level2;
    LoaderTreePath leaf;
};
LoaderTreeKeys TreeKeysOf(const RS232FileBlockClass& library, LoaderSortOrder order);

int CountNamedCommands(const RS232FileBlockClass& library);

// A command holding an IGNORE byte can only be received, so it is offered
// only for a message that may be received.
bool CommandAllowed(const RS232FileBlockClass& library, int command, bool targetCanBeInput);

// The indexes of the named, allowed commands, sorted by their stored names.
std::vector<int> CommandsToList(const RS232FileBlockClass& library, bool targetCanBeInput);
