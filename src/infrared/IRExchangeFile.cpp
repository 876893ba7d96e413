#include "infrared/IRExchangeFile.h"

#include "model/ApplicationState.h"
#include "model/IRClassGlobals.h"
#include "model/LibraryReconciliation.h"
#include "platform/RecordFile.h"
#include "platform/Windows1252.h"

using IRRecordLayout::RecordLength;

namespace {

// The names lose their control characters and surrounding spaces; true
// when all three are left non-empty.
bool CleanNames(IRLibraryHeaderRecord& header)
{
    bool named = true;
    for (FixedText<16>* name : {&header.Manufacturer, &header.IRtype, &header.Model}) {
        *name = FixedText<16>::TrimSpaces(WithoutControlCharacters(name->full()));
        named = named && !name->isBlank();
    }
    return named;
}

// Reads the header's command records into the buffers; false when the file
// ends first.
bool ReadCommands(RecordFileReader& reader, IRClassGlobals& ir)
{
    ir.IRCommandRecordBuffers.resize(ir.IRHeaderRecordBuffer.Num_commands);
    for (IRCommandRecord& entry : ir.IRCommandRecordBuffers) {
        uint8_t* bytes = reader.Next();
        if (!bytes) return false;
        entry.ReadFrom(FixedRecord(bytes, RecordLength));
    }
    return true;
}

bool SkipCommands(RecordFileReader& reader, std::size_t count)
{
    for (std::size_t c = 0; c < count; ++c)
        if (!reader.Next()) return false;
    return true;
}

void MergeBufferedLibrary(ApplicationState& state)
{
    IRClassGlobals& ir = state.IR;
    IRLibraryHeaderRecord& header = ir.IRHeaderRecordBuffer;
    const int index = ir.FindIRLibrary(header.Manufacturer, header.IRtype, header.Model);
    if (index < 0) {
        ir.AddIRLibrary();
        ir.IRRecordToLibrary(ir.IRDatabase.LastIndex());
    } else if (!ir.IRRecordMatchesLibrary(index)) {
        if (auto* reconciliation = state.Installed.Find<LibraryReconciliation>())
            reconciliation->ReconcileImportedIRLibrary(state);
    }
}

}  // namespace

void WriteIRExchangeFile(IRClassGlobals& ir, const std::vector<int>& indices, const std::filesystem::path& target)
{
    WriteRecordFileReplacing(target, RecordLength, [&ir, &indices](RecordFileWriter& writer) {
        FixedRecord record(RecordLength);
        for (const int index : indices) {
            ir.IRLibraryToRecord(index);
            if (ir.IRHeaderRecordBuffer.Num_commands == 0) continue;
            ir.IRHeaderRecordBuffer.WriteTo(record);
            writer.Write(record);
            for (const IRCommandRecord& entry : ir.IRCommandRecordBuffers) {
                entry.WriteTo(record);
                writer.Write(record);
            }
        }
    });
}

void ImportIRExchangeFile(ApplicationState& state, const std::filesystem::path& path)
{
    IRClassGlobals& ir = state.IR;
    RecordFileReader reader(path, RecordLength);
    while (uint8_t* bytes = reader.Next()) {
        IRLibraryHeaderRecord& header = ir.IRHeaderRecordBuffer;
        header.ReadFrom(FixedRecord(bytes, RecordLength));
        const std::size_t count = header.Num_commands;
        if (count == 0) continue;
        if (!CleanNames(header)) {
            if (!SkipCommands(reader, count)) return;
            continue;
        }
        // A library cut short is not a library: nothing of it is taken.
        if (!ReadCommands(reader, ir)) return;
        MergeBufferedLibrary(state);
    }
}
