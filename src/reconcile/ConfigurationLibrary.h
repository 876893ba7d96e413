#pragma once

#include "model/ArrivingLibrary.h"

#include <string>
#include <vector>

// One place of the configuration that may be tied to a library: an IR
// command position (input, select or deselect list, position 0 to 6) or a
// serial slot (Owner alone).
struct ConfigEntry {
    int Owner = 0;
    bool Select = false;
    int Position = 0;
};

// What the replace dialog needs of a configuration's copy of a library (the
// new library, in the record buffers), of the database library of the same
// names, and of the configuration entries that use that library. The IR and
// RS232 twins differ only here. Commands are paired by name: command names
// are handed out trimmed and upper case, entry names trimmed as stored.
class ConfigurationLibrary {
public:
    virtual ~ConfigurationLibrary() = default;

    virtual LibraryKind Kind() const = 0;
    // The held index: the database library with the new library's names.
    virtual int DatabaseIndex() const = 0;

    // The new library's commands, in order, blank ones left out.
    virtual std::vector<int> NewCommands() const = 0;
    virtual std::string NewCommandName(int j) const = 0;
    // The database library's commands, in order, blank ones left out.
    virtual std::vector<int> DatabaseCommands() const = 0;
    virtual std::string DatabaseCommandName(int k) const = 0;
    // The two commands carry the same code (names aside).
    virtual bool Same(int j, int k) const = 0;
    // Some configuration entry tied to a library uses a command of the name,
    // whatever library it uses.
    virtual bool InUse(const std::string& upperName) const = 0;
    // The first database command of the name whose content may be taken
    // when applying per-command choices, or -1.
    virtual int FindDatabaseCommandToApply(const std::string& upperName) const = 0;

    // Tied entries of the configuration that use the library, in order.
    virtual std::vector<ConfigEntry> TiedEntries() const = 0;
    virtual std::string EntryName(const ConfigEntry& entry) const = 0;
    virtual void Untie(const ConfigEntry& entry) = 0;
    // Untied and its name blanked; an RS232 slot also loses its bytes.
    virtual void Remove(const ConfigEntry& entry) = 0;
    // The entry takes the code of database command k; the tie stays.
    virtual void TakeDatabaseCommand(const ConfigEntry& entry, int k) = 0;

    // New command j goes into database command k; without a k a command is
    // added to the database library when it has room. False when it had none.
    virtual bool MoveNewToDatabase(int j, int k) = 0;
    // The database library becomes the new library, names included.
    virtual void ReplaceDatabaseLibrary() = 0;
    // The buffer's names differ from the database library's (a new-name
    // dialog added the buffer under new names).
    virtual bool BufferRenamed() const = 0;

    // The first command of the name, or -1.
    int FindNewCommand(const std::string& upperName) const;
    int FindDatabaseCommand(const std::string& upperName) const;
};
