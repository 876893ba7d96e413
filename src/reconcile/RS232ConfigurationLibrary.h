#pragma once

#include "model/RS232FileBlockClass.h"
#include "reconcile/ConfigurationLibrary.h"

class ApplicationState;
struct ConfigSerialSlotRecord;

// The RS232 twin: the new library in the RS232 record buffer, the
// configuration's serial slots.
class RS232ConfigurationLibrary final : public ConfigurationLibrary {
public:
    // The buffer's commands are read once here; only its names may change later.
    RS232ConfigurationLibrary(ApplicationState& state, int databaseIndex);

    LibraryKind Kind() const override { return LibraryKind::RS232; }
    int DatabaseIndex() const override { return index_; }
    std::vector<int> NewCommands() const override;
    std::string NewCommandName(int j) const override;
    std::vector<int> DatabaseCommands() const override;
    std::string DatabaseCommandName(int k) const override;
    bool Same(int j, int k) const override;
    bool InUse(const std::string& upperName) const override;
    int FindDatabaseCommandToApply(const std::string& upperName) const override;
    std::vector<ConfigEntry> TiedEntries() const override;
    std::string EntryName(const ConfigEntry& entry) const override;
    void Untie(const ConfigEntry& entry) override;
    void Remove(const ConfigEntry& entry) override;
    void TakeDatabaseCommand(const ConfigEntry& entry, int k) override;
    bool MoveNewToDatabase(int j, int k) override;
    void ReplaceDatabaseLibrary() override;
    bool BufferRenamed() const override;

private:
    RS232FileBlockClass& Library() const;
    bool UsesLibrary(const ConfigSerialSlotRecord& slot) const;
    ConfigSerialSlotRecord& Slot(const ConfigEntry& entry) const;

    ApplicationState& state_;
    int index_;
    RS232FileBlockClass new_;
};
