#pragma once

#include "model/DatabaseArray.h"

#include <string>
#include <vector>

// The trimmed manufacturer of every entry, in the database's order: what a
// test compares to tell which entries a database holds.
template <class Entry>
std::vector<std::string> ManufacturersOf(const DatabaseArray<Entry>& database)
{
    std::vector<std::string> names;
    for (int i = 0; i < database.Count(); ++i) names.push_back(database[i].ManufacturerField().trimmed());
    return names;
}
