#include "reconcile/ConfigurationLibraryChanges.h"

#include "model/FindByNames.h"

#include <algorithm>

std::vector<std::string> MissingCommands(const ConfigurationLibrary& library)
{
    std::vector<std::string> names;
    for (const ConfigEntry& entry : library.TiedEntries()) {
        const std::string name = library.EntryName(entry);
        if (library.FindDatabaseCommand(TrimmedUpper(name)) < 0) names.push_back(name);
    }
    return names;
}

std::string MissingCommandsText(const std::vector<std::string>& names)
{
    std::string text = names.size() == 1
                           ? "This command is used in this configuration\r\nbut is missing in the database library\r\n"
                           : "These commands are used in this configuration\r\n but are missing in the database "
                             "library\r\n";
    for (const std::string& name : names) text += name + "\r\n";
    return text;
}

void ReplaceFromDatabase(ConfigurationLibrary& library, bool removeMissing)
{
    for (const ConfigEntry& entry : library.TiedEntries()) {
        const int k = library.FindDatabaseCommand(TrimmedUpper(library.EntryName(entry)));
        if (k >= 0) {
            library.TakeDatabaseCommand(entry, k);
        } else if (removeMissing) {
            library.Remove(entry);
        } else {
            library.Untie(entry);
        }
    }
}

void UntieAll(ConfigurationLibrary& library)
{
    for (const ConfigEntry& entry : library.TiedEntries()) library.Untie(entry);
}

std::vector<CommandRow> BuildCommandRows(const ConfigurationLibrary& library)
{
    std::vector<CommandRow> rows;
    const std::vector<int> database = library.DatabaseCommands();
    std::vector<std::string> newNames;
    for (int j : library.NewCommands()) {
        CommandRow row;
        row.Name = library.NewCommandName(j);
        row.InNew = true;
        for (int k : database) {
            if (library.DatabaseCommandName(k) != row.Name) continue;
            row.InDataBase = true;
            if (library.Same(j, k)) row.IsSame = true;
        }
        row.InUse = library.InUse(row.Name);
        newNames.push_back(row.Name);
        rows.push_back(row);
    }
    for (int k : database) {
        const std::string name = library.DatabaseCommandName(k);
        if (std::find(newNames.begin(), newNames.end(), name) != newNames.end()) continue;
        CommandRow row;
        row.Name = name;
        row.InDataBase = true;
        rows.push_back(row);
    }
    return rows;
}

void ApplyCommandChoices(ConfigurationLibrary& library, const std::vector<CommandRow>& rows,
                         const std::vector<CommandChoice>& choices)
{
    for (std::size_t i = 0; i < rows.size() && i < choices.size(); ++i) {
        const CommandRow& row = rows[i];
        const int j = row.InNew ? library.FindNewCommand(row.Name) : -1;
        const int k = row.InDataBase ? library.FindDatabaseCommandToApply(row.Name) : -1;
        std::vector<ConfigEntry> entries;
        if (j >= 0) {
            for (const ConfigEntry& entry : library.TiedEntries())
                if (TrimmedUpper(library.EntryName(entry)) == row.Name) entries.push_back(entry);
        }
        switch (choices[i]) {
        case CommandChoice::Remove:
            for (const ConfigEntry& entry : entries) library.Remove(entry);
            break;
        case CommandChoice::MoveToDatabaseAndUse: library.MoveNewToDatabase(j, k); break;
        case CommandChoice::UseNewDontAdd:
            for (const ConfigEntry& entry : entries) library.Untie(entry);
            break;
        case CommandChoice::UseFromDatabaseAndDiscardNew:
            if (k >= 0)
                for (const ConfigEntry& entry : entries) library.TakeDatabaseCommand(entry, k);
            break;
        }
    }
}
