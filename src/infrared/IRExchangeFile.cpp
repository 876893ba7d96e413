#include "infrared/IRExchangeFile.h"

#include "model/ApplicationState.h"
#include "model/BufferedLibraryMerge.h"
#include "model/IRClassGlobals.h"
#include "platform/RecordFile.h"

#include <algorithm>

using IRRecordLayout::RecordLength;

namespace {

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

ImportEnd ImportIRExchangeFile(ApplicationState& state, const std::filesystem::path& path)
{
    IRClassGlobals& ir = state.IR;
    RecordFileReader reader(path, RecordLength);
    uint8_t* bytes = reader.Next();
    if (bytes == nullptr) return ImportEnd::Empty;
    for (; bytes != nullptr; bytes = reader.Next()) {
        IRLibraryHeaderRecord& header = ir.IRHeaderRecordBuffer;
        header.ReadFrom(FixedRecord(bytes, RecordLength));
        const std::size_t count = header.Num_commands;
        if (count == 0) continue;
        if (!header.CleanNames()) {
            if (!SkipCommands(reader, count)) return ImportEnd::Damaged;
            continue;
        }
        // A library cut short, or with a command the editor never writes
        // (a file of 0xFF bytes reads as 255 commands of mode 255), is not
        // a library: nothing of it is taken.
        if (!ReadCommands(reader, ir)) return ImportEnd::Damaged;
        const auto& commands = ir.IRCommandRecordBuffers;
        if (!std::all_of(commands.begin(), commands.end(), [](const IRCommandRecord& c) { return c.HasKnownMode(); }))
            return ImportEnd::Damaged;
        MergeBufferedLibrary(state, LibraryKind::IR, LibraryArrival::Imported);
    }
    return ImportEnd::Complete;
}
