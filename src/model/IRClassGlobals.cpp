#include "model/IRClassGlobals.h"

#include "model/CommandPairing.h"
#include "model/FindByNames.h"
#include "model/RuntimeErrors.h"

IRclass& IRClassGlobals::AddIRLibrary()
{
    if (IRDatabaseFull())
        throw ValueOverflow("the IR database holds at most " + std::to_string(MaximumLibraries) + " libraries");
    return IRDatabase().Append();
}

int16_t IRClassGlobals::FindIRLibrary(std::string& manufacturer, std::string& irType, std::string& model) const
{
    const int found = FindByNames(
        IRDatabase(), manufacturer, irType, model,
        [](const IRclass& library) -> const auto& { return library.IRtypeField(); });
    return static_cast<int16_t>(found);
}

int16_t IRClassGlobals::FindIRLibrary(FixedText<16>& manufacturer, FixedText<16>& irType, FixedText<16>& model) const
{
    std::string m = manufacturer.full();
    std::string t = irType.full();
    std::string n = model.full();
    const int16_t found = FindIRLibrary(m, t, n);
    manufacturer = m;
    irType = t;
    model = n;
    return found;
}

void IRClassGlobals::CheckBuffersHoldHeaderCommands() const
{
    if (IRCommandRecordBuffers.size() < IRHeaderRecordBuffer.Num_commands)
        throw SubscriptOutOfRange("the IR header counts " + std::to_string(IRHeaderRecordBuffer.Num_commands) +
                                  " commands but the buffers hold " + std::to_string(IRCommandRecordBuffers.size()));
}

void IRClassGlobals::IRLibraryToRecord(int i)
{
    const IRclass& library = IRDatabase()[i];
    // The unused bytes a header read from a file left in the buffer are
    // not this library's.
    IRLibraryHeaderRecord& header = IRHeaderRecordBuffer = IRLibraryHeaderRecord{};
    header.Manufacturer = library.ManufacturerField();
    header.IRtype = library.IRtypeField();
    header.Model = library.ModelField();
    header.Comment = library.CommentField();
    header.InterPeriod0 = library.InterPeriod0();
    header.InterPeriod1 = library.InterPeriod1();
    header.Num_commands = library.Num_commands();

    // The per-command inter-period bytes are never carried: they stay 0.
    IRCommandRecordBuffers.assign(header.Num_commands, IRCommandRecord{});
    for (std::size_t c = 0; c < IRCommandRecordBuffers.size(); ++c) {
        const IRCommandClass& command = *library.CommandAt(static_cast<int>(c));
        IRCommandRecord& entry = IRCommandRecordBuffers[c];
        entry.Mode = command.Mode();
        entry.Name = command.NameField();
        entry.PartData(IRPart::Repeat) = command.Part(IRPart::Repeat);
        entry.PartData(IRPart::Start) = command.Part(IRPart::Start);
    }
}

void IRClassGlobals::IRRecordToLibrary(int i)
{
    IRclass& library = IRDatabase()[i];
    CheckBuffersHoldHeaderCommands();
    const IRLibraryHeaderRecord& header = IRHeaderRecordBuffer;
    library.Clear();
    TakeHeader(library);
    library.AddIRCommands(header.Num_commands);
    for (std::size_t c = 0; c < header.Num_commands; ++c) {
        const IRCommandRecord& entry = IRCommandRecordBuffers[c];
        IRCommandClass& command = *library.CommandAt(static_cast<int>(c));
        command.Mode(entry.Mode);
        command.NameField(entry.Name);
        command.Part(IRPart::Repeat) = entry.PartData(IRPart::Repeat);
        command.Part(IRPart::Start) = entry.PartData(IRPart::Start);
    }
}

void IRClassGlobals::TakeHeader(IRclass& library) const
{
    const IRLibraryHeaderRecord& header = IRHeaderRecordBuffer;
    library.Manufacturer(header.Manufacturer.view());
    library.IRtype(header.IRtype.view());
    library.Model(header.Model.view());
    library.Comment(header.Comment.view());
    library.InterPeriod0(header.InterPeriod0);
    library.InterPeriod1(header.InterPeriod1);
}

// Names and comment compare exactly, case and spaces included; commands are
// paired by name, so their order does not matter.
bool IRClassGlobals::IRRecordMatchesLibrary(int i) const
{
    const IRclass& library = IRDatabase()[i];
    CheckBuffersHoldHeaderCommands();
    const IRLibraryHeaderRecord& header = IRHeaderRecordBuffer;
    if (library.ManufacturerField() != header.Manufacturer || library.IRtypeField() != header.IRtype ||
        library.ModelField() != header.Model || library.CommentField() != header.Comment)
        return false;
    if (library.InterPeriod0() != header.InterPeriod0 || library.InterPeriod1() != header.InterPeriod1 ||
        library.Num_commands() != header.Num_commands)
        return false;
    return CommandsPairByName(
        header.Num_commands, library.Num_commands(),
        [&](int r, int j) {
            return library.CommandAt(j)->NameField() == IRCommandRecordBuffers[static_cast<std::size_t>(r)].Name;
        },
        [&](int r, int j) {
            const IRCommandRecord& entry = IRCommandRecordBuffers[static_cast<std::size_t>(r)];
            const IRCommandClass& match = *library.CommandAt(j);
            return match.Mode() == entry.Mode && match.Part(IRPart::Repeat) == entry.PartData(IRPart::Repeat) &&
                   match.Part(IRPart::Start) == entry.PartData(IRPart::Start);
        });
}
