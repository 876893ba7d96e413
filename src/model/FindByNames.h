#pragma once

#include "model/DatabaseArray.h"
#include "platform/FixedText.h"
#include "platform/Windows1252.h"

#include <string>
#include <string_view>

// A library name as the RS232 and IR finds compare it: trimmed, upper case.
inline std::string TrimmedUpper(std::string_view text)
{
    return UpperCase1252(FixedText<1>::TrimSpaces(text));
}

// The find of the RS232 and IR databases. When the database holds entries,
// the caller's three names become their trimmed upper-case forms and the
// first entry whose names, so compared, equal them is returned; -1 when none
// does. An empty database leaves the names as they were.
template <class Entry, class TypeOf>
int FindByNames(const DatabaseArray<Entry>& database, std::string& manufacturer, std::string& type,
                std::string& model, TypeOf typeOf)
{
    if (database.IsEmpty()) return -1;
    manufacturer = TrimmedUpper(manufacturer);
    type = TrimmedUpper(type);
    model = TrimmedUpper(model);
    for (int i = 0; i < database.Count(); ++i) {
        const Entry& entry = database[i];
        if (TrimmedUpper(entry.Manufacturer()) == manufacturer && TrimmedUpper(typeOf(entry)) == type &&
            TrimmedUpper(entry.Model()) == model)
            return i;
    }
    return -1;
}
