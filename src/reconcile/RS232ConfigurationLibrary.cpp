#include "reconcile/RS232ConfigurationLibrary.h"

#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "reconcile/RS232CommandComparison.h"

namespace {

std::vector<int> NamedCommands(const RS232FileBlockClass& library)
{
    std::vector<int> commands;
    for (int c = 0; c < RS232FileBlockClass::Commands; ++c)
        if (!library.CommandField(c).isBlank()) commands.push_back(c);
    return commands;
}

}  // namespace

RS232ConfigurationLibrary::RS232ConfigurationLibrary(ApplicationState& state, int databaseIndex)
    : state_(state), index_(databaseIndex)
{
    state.RS232Libraries.RS232RecordBuffer.FillLibrary(new_);
}

RS232FileBlockClass& RS232ConfigurationLibrary::Library() const
{
    return state_.RS232Libraries.RS232Database()[index_];
}

ConfigSerialSlotRecord& RS232ConfigurationLibrary::Slot(const ConfigEntry& entry) const
{
    return state_.Config.Record.ConfigSerialSlots.at(static_cast<std::size_t>(entry.Owner));
}

std::vector<int> RS232ConfigurationLibrary::NewCommands() const
{
    return NamedCommands(new_);
}

std::string RS232ConfigurationLibrary::NewCommandName(int j) const
{
    return TrimmedUpper(new_.CommandField(j).view());
}

std::vector<int> RS232ConfigurationLibrary::DatabaseCommands() const
{
    return NamedCommands(Library());
}

std::string RS232ConfigurationLibrary::DatabaseCommandName(int k) const
{
    return TrimmedUpper(Library().CommandField(k).view());
}

bool RS232ConfigurationLibrary::Same(int j, int k) const
{
    return Library().My_RS232_String_Class(k).IsSameAs(new_.My_RS232_String_Class(j));
}

bool RS232ConfigurationLibrary::InUse(const std::string& upperName) const
{
    for (const ConfigSerialSlotRecord& slot : state_.Config.Record.ConfigSerialSlots)
        if (slot.IsFromLibrary && slot.NumberOfBytes > 0 && TrimmedUpper(slot.Command.view()) == upperName) return true;
    return false;
}

int RS232ConfigurationLibrary::FindDatabaseCommandToApply(const std::string& upperName) const
{
    const RS232FileBlockClass& library = Library();
    for (int k : DatabaseCommands())
        if (DatabaseCommandName(k) == upperName && library.My_RS232_String_Class(k).NumberOfBytes() > 0) return k;
    return -1;
}

bool RS232ConfigurationLibrary::UsesLibrary(const ConfigSerialSlotRecord& slot) const
{
    const RS232FileBlockClass& library = Library();
    return TrimmedUpper(slot.Manufacturer.view()) == TrimmedUpper(library.ManufacturerField().view()) &&
           TrimmedUpper(slot.MyType.view()) == TrimmedUpper(library.MyTypeField().view()) &&
           TrimmedUpper(slot.Model.view()) == TrimmedUpper(library.ModelField().view());
}

std::vector<ConfigEntry> RS232ConfigurationLibrary::TiedEntries() const
{
    std::vector<ConfigEntry> entries;
    const auto& serialSlots = state_.Config.Record.ConfigSerialSlots;
    for (std::size_t owner = 0; owner < serialSlots.size(); ++owner)
        if (serialSlots[owner].IsFromLibrary && UsesLibrary(serialSlots[owner]))
            entries.push_back({static_cast<int>(owner)});
    return entries;
}

std::string RS232ConfigurationLibrary::EntryName(const ConfigEntry& entry) const
{
    return Slot(entry).Command.trimmed();
}

void RS232ConfigurationLibrary::Untie(const ConfigEntry& entry)
{
    Slot(entry).IsFromLibrary = false;
}

void RS232ConfigurationLibrary::Remove(const ConfigEntry& entry)
{
    ConfigSerialSlotRecord& slot = Slot(entry);
    slot.IsFromLibrary = false;
    slot.Command = "";
    slot.NumberOfBytes = 0;
}

void RS232ConfigurationLibrary::TakeDatabaseCommand(const ConfigEntry& entry, int k)
{
    const RS232_String_Class& message = Library().My_RS232_String_Class(k);
    ConfigSerialSlotRecord& slot = Slot(entry);
    // The slot's name and port settings stay.
    slot.NumberOfBytes = message.NumberOfBytes();
    for (int n = 0; n < message.NumberOfBytes(); ++n) {
        slot.ContentBytes[static_cast<std::size_t>(n)] = message.ContentBytes(n);
        slot.ContentTypes[static_cast<std::size_t>(n)] = message.ContentTypes(n);
    }
}

bool RS232ConfigurationLibrary::MoveNewToDatabase(int j, int k)
{
    return j < 0 || MoveRS232Message(new_.My_RS232_String_Class(j), Library(), k, new_.Command(j));
}

void RS232ConfigurationLibrary::ReplaceDatabaseLibrary()
{
    state_.RS232Libraries.RS232RecordToLibrary(index_);
}

bool RS232ConfigurationLibrary::BufferRenamed() const
{
    const RS232LibraryRecord& record = state_.RS232Libraries.RS232RecordBuffer;
    const RS232FileBlockClass& library = Library();
    return record.Manufacturer() != library.Manufacturer() || record.Type() != library.MyType() ||
           record.Model() != library.Model();
}
