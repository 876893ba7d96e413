#include "reconcile/ConfigurationLibraryChanges.h"

#include "model/FindByNames.h"
#include "reconcile/CommandComparisonRows.h"

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
    const std::vector<int> fresh = library.NewCommands();
    const std::vector<int> database = library.DatabaseCommands();
    const auto at = [](const std::vector<int>& commands, int i) { return commands[static_cast<std::size_t>(i)]; };
    std::vector<CommandRow> rows;
    for (const CommandComparisonRow& compared : BuildComparisonRows(
             static_cast<int>(fresh.size()), [&](int i) { return std::optional(library.NewCommandName(at(fresh, i))); },
             static_cast<int>(database.size()),
             [&](int k) { return std::optional(library.DatabaseCommandName(at(database, k))); },
             [&](int i, int k) { return library.Same(at(fresh, i), at(database, k)); })) {
        // Only a command of the new library may be in use.
        const bool inUse = compared.InNew && library.InUse(compared.Name);
        rows.push_back(CommandRow{compared.Name, inUse, compared.InNew, compared.InDataBase, compared.IsSame});
    }
    return rows;
}

std::vector<std::string> ApplyCommandChoices(ConfigurationLibrary& library, const std::vector<CommandRow>& rows,
                                             const std::vector<CommandChoice>& choices)
{
    std::vector<std::string> refused;
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
        case CommandChoice::MoveToDatabaseAndUse:
            if (!library.MoveNewToDatabase(j, k)) refused.push_back(row.Name);
            break;
        case CommandChoice::UseNewDontAdd:
            for (const ConfigEntry& entry : entries) library.Untie(entry);
            break;
        case CommandChoice::UseFromDatabaseAndDiscardNew:
            if (k >= 0)
                for (const ConfigEntry& entry : entries) library.TakeDatabaseCommand(entry, k);
            break;
        }
    }
    return refused;
}
