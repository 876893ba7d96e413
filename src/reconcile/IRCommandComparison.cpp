#include "reconcile/IRCommandComparison.h"

#include "model/FindByNames.h"
#include "model/IRClassGlobals.h"

#include <algorithm>

namespace {

// Commands beyond the header's count, or beyond the buffers, are not the library's.
int BufferedCount(const IRClassGlobals& ir)
{
    return std::min<int>(ir.IRHeaderRecordBuffer.Num_commands, static_cast<int>(ir.IRCommandRecordBuffers.size()));
}

const IRCommandRecord& Buffered(const IRClassGlobals& ir, int i)
{
    return ir.IRCommandRecordBuffers[static_cast<std::size_t>(i)];
}

}  // namespace

bool IsSameIRCommand(const IRCommandRecord& buffered, const IRCommandClass& stored)
{
    const auto period = [&](IRPart part) { return buffered.InterPeriod[static_cast<std::size_t>(part)]; };
    return stored.Mode() == buffered.Mode && stored.InterPeriod(IRPart::Start) == period(IRPart::Start) &&
           stored.InterPeriod(IRPart::Repeat) == period(IRPart::Repeat) &&
           stored.Part(IRPart::Start) == buffered.PartData(IRPart::Start) &&
           stored.Part(IRPart::Repeat) == buffered.PartData(IRPart::Repeat);
}

std::vector<CommandComparisonRow> CompareIRCommands(const IRClassGlobals& ir, const IRclass& library)
{
    return BuildComparisonRows(
        BufferedCount(ir), [&](int i) { return std::optional(TrimmedUpper(Buffered(ir, i).Name.view())); },
        library.Num_commands(),
        [&](int k) { return std::optional(TrimmedUpper(library.CommandAt(k)->NameField().view())); },
        [&](int i, int k) { return IsSameIRCommand(Buffered(ir, i), *library.CommandAt(k)); });
}

int FindBufferedIRCommand(const IRClassGlobals& ir, const std::string& name)
{
    for (int i = 0; i < BufferedCount(ir); ++i) {
        if (TrimmedUpper(Buffered(ir, i).Name.view()) == name) return i;
    }
    return -1;
}

int FindIRLibraryCommand(const IRclass& library, const std::string& name)
{
    for (int k = 0; k < library.Num_commands(); ++k) {
        if (TrimmedUpper(library.CommandAt(k)->NameField().view()) == name) return k;
    }
    return -1;
}

bool MoveBufferedIRCommand(const IRCommandRecord& buffered, IRclass& library, int k)
{
    IRCommandClass* target = library.CommandAt(k);
    if (target == nullptr) {
        if (library.Num_commands() >= IRclass::MaximumCommands) return false;
        target = &library.AddIRCommand();
    }
    target->NameField(buffered.Name);
    target->Mode(buffered.Mode);
    target->Part(IRPart::Start) = buffered.PartData(IRPart::Start);
    target->Part(IRPart::Repeat) = buffered.PartData(IRPart::Repeat);
    return true;
}

bool MoveIRRowToLibrary(const IRClassGlobals& ir, IRclass& library, const CommandComparisonRow& row)
{
    const int j = row.InNew ? FindBufferedIRCommand(ir, row.Name) : -1;
    if (j < 0) return true;
    const int k = row.InDataBase ? FindIRLibraryCommand(library, row.Name) : -1;
    return MoveBufferedIRCommand(Buffered(ir, j), library, k);
}
