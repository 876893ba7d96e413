// Reading and writing the IR files: "InfraRed.DEF" and the archive members.
#include "model/IRClassGlobals.h"

#include "platform/RecordFile.h"
#include "platform/Windows1252.h"

using IRRecordLayout::RecordLength;

namespace {

// Names lose every control character and the spaces around them; a library
// is taken only when all three are left non-empty.
bool CleanNames(IRLibraryHeaderRecord& header)
{
    bool named = true;
    for (FixedText<16>* name : {&header.Manufacturer, &header.IRtype, &header.Model}) {
        *name = FixedText<16>::TrimSpaces(WithoutControlCharacters(name->full()));
        named = named && !name->isBlank();
    }
    return named;
}

// Reads the count of command records that follow a header, into the buffers
// when they are wanted. False when the file ends first.
bool ReadCommands(RecordFileReader& reader, FixedRecord& record, std::size_t count,
                  std::vector<IRCommandRecord>* buffers)
{
    if (buffers != nullptr) buffers->resize(count);
    for (std::size_t c = 0; c < count; ++c) {
        if (!reader.ReadNext(record)) return false;
        if (buffers != nullptr) (*buffers)[c].ReadFrom(record);
    }
    return true;
}

}  // namespace

void IRClassGlobals::SaveIRDatabase(const std::filesystem::path& programFolder)
{
    const DatabaseFiles files(programFolder, DatabaseName);
    files.RemoveTemporary();
    if (!IRDatabaseAllocated()) {
        files.RemoveDatabase();
        IRCommandRecordBuffers.clear();
        return;
    }
    {
        RecordFileWriter writer(files.tmp, RecordLength);
        FixedRecord record(RecordLength);
        for (int i = 0; i < IRDatabaseSize(); ++i) {
            IRLibraryToRecord(i);
            // A library without commands is never written.
            if (IRHeaderRecordBuffer.Num_commands == 0) continue;
            IRHeaderRecordBuffer.WriteTo(record);
            writer.Write(record);
            for (const IRCommandRecord& entry : IRCommandRecordBuffers) {
                entry.WriteTo(record);
                writer.Write(record);
            }
        }
        writer.Commit();
    }
    files.PromoteTemporary();
    IRCommandRecordBuffers.clear();
}

void IRClassGlobals::LoadIRDatabase(const std::filesystem::path& programFolder)
{
    ClearIRDatabase();
    const DatabaseFiles files(programFolder, DatabaseName);
    if (!std::filesystem::exists(files.def)) return;
    RecordFileReader reader(files.def, RecordLength);
    FixedRecord record(RecordLength);
    while (reader.ReadNext(record)) {
        IRHeaderRecordBuffer.ReadFrom(record);
        const std::size_t count = IRHeaderRecordBuffer.Num_commands;
        if (count == 0) continue;
        // The command records of a library without names are skipped, never
        // taken for headers.
        const bool named = CleanNames(IRHeaderRecordBuffer);
        if (!ReadCommands(reader, record, count, named ? &IRCommandRecordBuffers : nullptr)) break;
        if (!named) continue;
        // Indexes are 16-bit: a file holding more libraries is read no further.
        if (IRDatabaseSize() >= MaximumLibraries) break;
        AddIRLibrary();
        IRRecordToLibrary(IRDatabaseSize() - 1);
    }
}

bool IRClassGlobals::ReadIRRecordFile(const std::filesystem::path& path)
{
    RecordFileReader reader(path, RecordLength);
    FixedRecord record(RecordLength);
    bool whole = reader.ReadNext(record);
    if (whole) {
        IRHeaderRecordBuffer.ReadFrom(record);
        whole = IRHeaderRecordBuffer.Num_commands != 0 && CleanNames(IRHeaderRecordBuffer) &&
                ReadCommands(reader, record, IRHeaderRecordBuffer.Num_commands, &IRCommandRecordBuffers);
    }
    if (!whole) {
        IRHeaderRecordBuffer.Num_commands = 0;
        IRCommandRecordBuffers.clear();
    }
    return whole;
}
