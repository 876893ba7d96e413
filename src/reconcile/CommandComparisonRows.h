#pragma once

#include <optional>
#include <string>
#include <vector>

// One row of a per-command comparison: a command name found in either
// library, where it was found and whether both libraries hold it alike.
struct CommandComparisonRow {
    std::string Name;  // trimmed, upper case
    bool InNew = false;
    bool InDataBase = false;
    bool IsSame = false;
};

// The rows of two libraries' commands: first every command of the new
// library in its order, ticked against every database command of its name
// (not only the first); then, in their order, the database commands whose
// names the new library lacks. A name function gives the command's trimmed,
// upper-case name, or nothing for a slot not in use; `same(i, k)` compares
// new command i with database command k apart from their names.
template <class NewName, class DatabaseName, class Same>
std::vector<CommandComparisonRow> BuildComparisonRows(int newCount, NewName newName, int databaseCount,
                                                      DatabaseName databaseName, Same same)
{
    std::vector<std::optional<std::string>> databaseNames;
    databaseNames.reserve(static_cast<std::size_t>(databaseCount));
    for (int k = 0; k < databaseCount; ++k) databaseNames.push_back(databaseName(k));

    std::vector<CommandComparisonRow> rows;
    std::vector<std::string> newNames;
    for (int i = 0; i < newCount; ++i) {
        std::optional<std::string> name = newName(i);
        if (!name) continue;
        CommandComparisonRow row{*name, true, false, false};
        for (int k = 0; k < databaseCount; ++k) {
            if (databaseNames[static_cast<std::size_t>(k)] != *name) continue;
            row.InDataBase = true;
            if (same(i, k)) row.IsSame = true;
        }
        newNames.push_back(*name);
        rows.push_back(std::move(row));
    }
    for (const std::optional<std::string>& name : databaseNames) {
        if (!name) continue;
        bool inNew = false;
        for (const std::string& taken : newNames) inNew = inNew || taken == *name;
        if (!inNew) rows.push_back(CommandComparisonRow{*name, false, true, false});
    }
    return rows;
}
