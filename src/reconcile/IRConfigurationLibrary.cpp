#include "reconcile/IRConfigurationLibrary.h"

#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "reconcile/IRCommandComparison.h"

namespace {

bool& Assigned(InputIRRecord& input, const ConfigEntry& entry)
{
    const auto p = static_cast<std::size_t>(entry.Position);
    return entry.Select ? input.SelectAssigned[p] : input.DeselectAssigned[p];
}

FixedText<16>& Name(InputIRRecord& input, const ConfigEntry& entry)
{
    const auto p = static_cast<std::size_t>(entry.Position);
    return entry.Select ? input.SelectCommandNames[p] : input.DeselectCommandNames[p];
}

ConfigIRCommandRecord& Record(InputIRRecord& input, const ConfigEntry& entry)
{
    const auto p = static_cast<std::size_t>(entry.Position);
    return entry.Select ? input.SelectCommands[p] : input.DeselectCommands[p];
}

}  // namespace

IRclass& IRConfigurationLibrary::Library() const
{
    return state_.IR.IRDatabase()[index_];
}

InputIRRecord& IRConfigurationLibrary::Input(const ConfigEntry& entry) const
{
    return state_.Config.Record.InputIRRecords.at(static_cast<std::size_t>(entry.Owner));
}

std::vector<int> IRConfigurationLibrary::NewCommands() const
{
    std::vector<int> commands(state_.IR.IRHeaderRecordBuffer.Num_commands);
    for (std::size_t j = 0; j < commands.size(); ++j) commands[j] = static_cast<int>(j);
    return commands;
}

std::string IRConfigurationLibrary::NewCommandName(int j) const
{
    return TrimmedUpper(state_.IR.IRCommandRecordBuffers.at(static_cast<std::size_t>(j)).Name.view());
}

std::vector<int> IRConfigurationLibrary::DatabaseCommands() const
{
    std::vector<int> commands(Library().Num_commands());
    for (std::size_t k = 0; k < commands.size(); ++k) commands[k] = static_cast<int>(k);
    return commands;
}

std::string IRConfigurationLibrary::DatabaseCommandName(int k) const
{
    return TrimmedUpper(Library().CommandAt(k)->NameField().view());
}

bool IRConfigurationLibrary::Same(int j, int k) const
{
    return IsSameIRCommand(state_.IR.IRCommandRecordBuffers.at(static_cast<std::size_t>(j)), *Library().CommandAt(k));
}

bool IRConfigurationLibrary::InUse(const std::string& upperName) const
{
    for (const InputIRRecord& input : state_.Config.Record.InputIRRecords) {
        for (int p = 0; p < InputIRRecord::Commands; ++p) {
            const auto i = static_cast<std::size_t>(p);
            if (input.SelectAssigned[i] && TrimmedUpper(input.SelectCommandNames[i].view()) == upperName) return true;
            if (input.DeselectAssigned[i] && TrimmedUpper(input.DeselectCommandNames[i].view()) == upperName)
                return true;
        }
    }
    return false;
}

int IRConfigurationLibrary::FindDatabaseCommandToApply(const std::string& upperName) const
{
    return FindDatabaseCommand(upperName);
}

bool IRConfigurationLibrary::UsesLibrary(const InputIRRecord& input) const
{
    const IRclass& library = Library();
    return TrimmedUpper(input.Manufacturer.view()) == TrimmedUpper(library.ManufacturerField().view()) &&
           TrimmedUpper(input.IRtype.view()) == TrimmedUpper(library.IRtypeField().view()) &&
           TrimmedUpper(input.Model.view()) == TrimmedUpper(library.ModelField().view());
}

std::vector<ConfigEntry> IRConfigurationLibrary::TiedEntries() const
{
    std::vector<ConfigEntry> entries;
    auto& inputs = state_.Config.Record.InputIRRecords;
    for (std::size_t owner = 0; owner < inputs.size(); ++owner) {
        if (!UsesLibrary(inputs[owner])) continue;
        for (int position = 0; position < InputIRRecord::Commands; ++position) {
            for (const bool select : {false, true}) {
                const ConfigEntry entry{static_cast<int>(owner), select, position};
                if (Assigned(inputs[owner], entry)) entries.push_back(entry);
            }
        }
    }
    return entries;
}

std::string IRConfigurationLibrary::EntryName(const ConfigEntry& entry) const
{
    return Name(Input(entry), entry).trimmed();
}

void IRConfigurationLibrary::Untie(const ConfigEntry& entry)
{
    Assigned(Input(entry), entry) = false;
}

void IRConfigurationLibrary::Remove(const ConfigEntry& entry)
{
    Untie(entry);
    Name(Input(entry), entry) = "";
}

void IRConfigurationLibrary::TakeDatabaseCommand(const ConfigEntry& entry, int k)
{
    const IRCommandClass& command = *Library().CommandAt(k);
    ConfigIRCommandRecord& record = Record(Input(entry), entry);
    // The record's own inter-period bytes stay.
    record.Name = command.NameField();
    record.Mode = command.Mode();
    record.Data[static_cast<std::size_t>(IRPart::Repeat)] = command.Part(IRPart::Repeat);
    record.Data[static_cast<std::size_t>(IRPart::Start)] = command.Part(IRPart::Start);
}

bool IRConfigurationLibrary::MoveNewToDatabase(int j, int k)
{
    return j < 0 ||
           MoveBufferedIRCommand(state_.IR.IRCommandRecordBuffers.at(static_cast<std::size_t>(j)), Library(), k);
}

void IRConfigurationLibrary::ReplaceDatabaseLibrary()
{
    state_.IR.IRRecordToLibrary(index_);
}

bool IRConfigurationLibrary::BufferRenamed() const
{
    const IRLibraryHeaderRecord& header = state_.IR.IRHeaderRecordBuffer;
    const IRclass& library = Library();
    return header.Manufacturer != library.ManufacturerField() || header.IRtype != library.IRtypeField() ||
           header.Model != library.ModelField();
}
