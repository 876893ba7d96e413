#pragma once

#include "model/DatabaseArray.h"
#include "platform/FixedText.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

// A library name as the RS232 and IR finds compare it: trimmed, upper case.
inline std::string TrimmedUpper(std::string_view text)
{
    return UpperCase1252(FixedText<1>::TrimSpaces(text));
}

// Whether a stored name field, trimmed and upper-cased, is the wanted name
// (itself trimmed and upper case). A find runs this over every library, so
// the field is upper-cased in a small space of its own, not a new string.
inline bool NameFieldMatches(std::string_view field, std::string_view wanted)
{
    const auto first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return wanted.empty();
    const std::string_view trimmed = field.substr(first, field.find_last_not_of(' ') - first + 1);
    if (trimmed.size() != wanted.size()) return false;
    std::array<char, 32> space;
    if (trimmed.size() > space.size()) return UpperCase1252(trimmed) == wanted;
    std::copy(trimmed.begin(), trimmed.end(), space.begin());
    MakeUpperCase1252(space.data(), trimmed.size());
    return std::string_view(space.data(), trimmed.size()) == wanted;
}

// The find of the RS232 and IR databases. When the database holds entries,
// the caller's three names become their trimmed upper-case forms and the
// first entry whose names, so compared, equal them is returned; -1 when none
// does. An empty database leaves the names as they were. `typeOf` gives an
// entry's type field.
template <class Entry, class TypeOf>
int FindByNames(const DatabaseArray<Entry>& database, std::string& manufacturer, std::string& type, std::string& model,
                TypeOf typeOf)
{
    if (database.IsEmpty()) return -1;
    manufacturer = TrimmedUpper(manufacturer);
    type = TrimmedUpper(type);
    model = TrimmedUpper(model);
    for (int i = 0; i < database.Count(); ++i) {
        const Entry& entry = database[i];
        if (NameFieldMatches(entry.ManufacturerField().view(), manufacturer) &&
            NameFieldMatches(typeOf(entry).view(), type) && NameFieldMatches(entry.ModelField().view(), model))
            return i;
    }
    return -1;
}
