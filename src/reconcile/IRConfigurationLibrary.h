#pragma once

#include "reconcile/ConfigurationLibrary.h"

class ApplicationState;
class IRclass;
struct InputIRRecord;

// The IR twin: the new library in the IR record buffers, the configuration's
// inputs with their select and deselect command positions.
class IRConfigurationLibrary final : public ConfigurationLibrary {
public:
    IRConfigurationLibrary(ApplicationState& state, int databaseIndex) : state_(state), index_(databaseIndex) {}

    LibraryKind Kind() const override { return LibraryKind::IR; }
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
    IRclass& Library() const;
    bool UsesLibrary(const InputIRRecord& input) const;
    InputIRRecord& Input(const ConfigEntry& entry) const;

    ApplicationState& state_;
    int index_;
};
