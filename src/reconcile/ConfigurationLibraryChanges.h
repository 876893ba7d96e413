#pragma once

#include "reconcile/ConfigurationLibrary.h"

#include <cstdint>
#include <string>
#include <vector>

// One row of the per-command comparison: a command name found in either
// library, with what is known of it.
struct CommandRow {
    std::string Name;
    bool InUse = false;
    bool InNew = false;
    bool InDataBase = false;
    bool IsSame = false;
};

// A row's choice, by the code the rows give it.
enum class CommandChoice : int16_t {
    Remove = 0,
    MoveToDatabaseAndUse = 1,
    UseNewDontAdd = 2,
    UseFromDatabaseAndDiscardNew = 3,
};

// The names (trimmed) of the tied entries whose command the database library
// lacks, one per entry, in the configuration's order.
std::vector<std::string> MissingCommands(const ConfigurationLibrary& library);
// The explanation shown above those names, lines ended by CR LF.
std::string MissingCommandsText(const std::vector<std::string>& names);
// Every tied entry takes the database command of its name; one without is
// untied, and with removeMissing also removed.
void ReplaceFromDatabase(ConfigurationLibrary& library, bool removeMissing);
// Every entry of the library keeps its command but is tied no longer.
void UntieAll(ConfigurationLibrary& library);

// The new library's commands in order, then the database-only ones.
std::vector<CommandRow> BuildCommandRows(const ConfigurationLibrary& library);
// Applies each row's choice (one per row) to the configuration and the
// database library. The names of the rows whose command was to move into
// the database library but found no room there are returned.
std::vector<std::string> ApplyCommandChoices(ConfigurationLibrary& library, const std::vector<CommandRow>& rows,
                                             const std::vector<CommandChoice>& choices);
