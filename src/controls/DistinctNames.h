#pragma once

#include <functional>
#include <string_view>

class QComboBox;

// Fills a name list from the name fields of a database's entries: each name
// once, as names are compared (trimmed, upper case), in the order of its
// first entry, after the names the list holds already. `fieldAt` gives
// entry i's stored field, in Windows-1252, which must stay in place for the
// whole fill. Linear in the entries, as a database of tens of thousands of
// entries needs.
void AddDistinctNames(QComboBox& list, int count, const std::function<std::string_view(int)>& fieldAt);
