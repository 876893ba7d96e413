// Reading and writing the IR files: "InfraRed.DEF" and the archive members.
#include "model/IRClassGlobals.h"

#include "model/DamagedDatabaseRecovery.h"
#include "model/SaveDatabaseFile.h"
#include "platform/BulkMemory.h"
#include "platform/RecordFile.h"

#include <algorithm>
#include <memory>

using IRRecordLayout::RecordLength;

namespace {

// The commands of a file are made in blocks of a few huge pages each.
constexpr std::size_t CommandsPerBlock = 4 * BulkMemory::LargeBlock / sizeof(IRCommandClass);

// Skips the command records of a library that is not taken. False when the
// file ends first.
bool SkipCommands(RecordFileReader& reader, std::size_t count)
{
    for (std::size_t c = 0; c < count; ++c)
        if (reader.Next() == nullptr) return false;
    return true;
}

}  // namespace

void IRClassGlobals::SaveIRDatabase()
{
    // The command buffers are released however the save ends.
    struct ReleaseBuffers {
        std::vector<IRCommandRecord>& buffers;
        ~ReleaseBuffers() { buffers.clear(); }
    } release{IRCommandRecordBuffers};
    SaveDatabaseFile(DatabaseFiles(programFolder_, DatabaseName), known_, RecordLength, !IRDatabaseAllocated(),
                     [this](RecordFileWriter& writer) {
                         FixedRecord record(RecordLength);
                         for (int i = 0; i < IRDatabase().Count(); ++i) {
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
                     });
}

void IRClassGlobals::ReadOnFirstUse()
{
    const IRLibraryHeaderRecord kept = IRHeaderRecordBuffer;
    LoadIRDatabase();
    IRHeaderRecordBuffer = kept;
}

void IRClassGlobals::ClearIRDatabase()
{
    // The file is read before it is emptied: a save afterwards then replaces
    // a file the editor knows, and the emptied database stays empty.
    IRDatabase().Clear();
}

void IRClassGlobals::LoadIRDatabase()
{
    const DamagedDatabaseMessages messages{"Infra-red configuration file damaged!",
                                           "Restoring infra-red configuration backup!",
                                           " all infra-red configurations have been lost!",
                                           "Infra-red configuration file could not be loaded!",
                                           "infra-red configuration",
                                           "infra-red configurations"};
    LoadDatabaseWithRecovery(
        DatabaseFiles(programFolder_, DatabaseName), known_, prompts_, messages,
        [this] { database_.Entries().Clear(); }, [this] { return ReadDatabaseFile(); },
        [this] { return database_.Entries().Count(); });
}

// The commands go from the file straight into the new library: the same
// result as reading them into the buffers and converting, one copy fewer.
bool IRClassGlobals::ReadDatabaseFile()
{
    DatabaseArray<IRclass>& database = database_.Entries();
    RecordFileReader reader(DatabaseFiles(programFolder_, DatabaseName).def, RecordLength);
    // Every record could be a library; the room is made only as they come.
    database.Reserve(reader.RecordCount());
    std::shared_ptr<EntryBlock<IRCommandClass>> commands;
    // Records are decoded where the reader holds them.
    while (uint8_t* header = reader.Next()) {
        IRHeaderRecordBuffer.ReadFrom(FixedRecord(header, RecordLength));
        const std::size_t count = IRHeaderRecordBuffer.Num_commands;
        if (count == 0) continue;
        // The command records of a library without names are skipped, never
        // taken for headers.
        if (!IRHeaderRecordBuffer.CleanNames()) {
            if (!SkipCommands(reader, count)) return false;
            continue;
        }
        // A file holding more libraries than the indexes reach does not
        // read whole.
        if (database.Count() >= MaximumLibraries) return false;
        IRclass& library = database.Append();
        TakeHeader(library);
        if (commands == nullptr || commands->Room() < count)
            commands = std::make_shared<EntryBlock<IRCommandClass>>(std::min(CommandsPerBlock, reader.RecordCount()));
        library.AddCommandsToRead(static_cast<int>(count), commands);
        std::size_t read = 0;
        for (uint8_t* command = nullptr; read < count && (command = reader.Next()) != nullptr; ++read)
            ReadCommandRecordInto(FixedRecord(command, RecordLength), *library.CommandAt(static_cast<int>(read)));
        // A library whose commands run past the end of the file is not taken.
        if (read < count) {
            database.Remove(database.LastIndex());
            return false;
        }
    }
    return reader.EndedOnRecordBoundary();
}

bool IRClassGlobals::ReadIRRecordFile(const std::filesystem::path& path)
{
    RecordFileReader reader(path, RecordLength);
    FixedRecord record(RecordLength);
    bool whole = reader.ReadNext(record);
    if (whole) {
        IRHeaderRecordBuffer.ReadFrom(record);
        whole = IRHeaderRecordBuffer.Num_commands != 0 && IRHeaderRecordBuffer.CleanNames();
        if (whole) IRCommandRecordBuffers.resize(IRHeaderRecordBuffer.Num_commands);
        for (std::size_t c = 0; whole && c < IRCommandRecordBuffers.size(); ++c) {
            whole = reader.ReadNext(record);
            if (whole) IRCommandRecordBuffers[c].ReadFrom(record);
        }
    }
    if (!whole) {
        IRHeaderRecordBuffer.Num_commands = 0;
        IRCommandRecordBuffers.clear();
    }
    return whole;
}
