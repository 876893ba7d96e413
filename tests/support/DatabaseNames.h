#pragma once

#include "model/DatabaseArray.h"

#include <cstddef>
#include <string>
#include <vector>

// The trimmed manufacturer of every entry, in the database's order: what a
// test compares to tell which entries a database holds.
template <class Entry>
std::vector<std::string> ManufacturersOf(const DatabaseArray<Entry>& database)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(database.Count()));
    for (int i = 0; i < database.Count(); ++i) names.push_back(database[i].ManufacturerField().trimmed());
    return names;
}
