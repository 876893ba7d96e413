// Reading and writing the IR files: "InfraRed.DEF" and the archive members.
#include "model/IRClassGlobals.h"

#include "model/DamagedDatabaseRecovery.h"
#include "model/SaveDatabaseFile.h"
#include "platform/RecordFile.h"

#include <memory>
#include <utility>
#include <vector>

using IRRecordLayout::RecordLength;

namespace {

// Skips the command records of a library that is not taken. False when the
// file ends first.
bool SkipCommands(RecordFileReader& reader, std::size_t count)
{
    for (std::size_t c = 0; c < count; ++c)
        if (reader.Next() == nullptr) return false;
    return true;
}

DamagedDatabaseMessages Messages()
{
    return {"Infra-red configuration file damaged!",
            "Restoring infra-red configuration backup!",
            " all infra-red configurations have been lost!",
            "Infra-red configuration file could not be loaded!",
            "infra-red configuration",
            "infra-red configurations"};
}

}  // namespace

DatabaseRecords IRClassGlobals::DatabaseFileRecords()
{
    // The commands are taken in first: a file that no longer holds them
    // empties the database now, not halfway through the write.
    IRDatabase();
    return {RecordLength, [this](RecordFileWriter& writer) {
                for (int i = 0; i < IRDatabase().Count(); ++i) {
                    IRLibraryToRecord(i);
                    // A library without commands is never written.
                    if (IRHeaderRecordBuffer.Num_commands == 0) continue;
                    FixedRecord header(writer.NextRecord(), RecordLength);
                    IRHeaderRecordBuffer.WriteTo(header);
                    for (const IRCommandRecord& entry : IRCommandRecordBuffers) {
                        FixedRecord command(writer.NextRecord(), RecordLength);
                        entry.WriteTo(command);
                    }
                }
            }};
}

void IRClassGlobals::SaveIRDatabase()
{
    // The command buffers are released however the save ends.
    struct ReleaseBuffers {
        std::vector<IRCommandRecord>& buffers;
        ~ReleaseBuffers() { buffers.clear(); }
    } release{IRCommandRecordBuffers};
    SaveDatabaseFile(DatabaseFiles(programFolder_, DatabaseName), known_, !IRDatabaseAllocated(),
                     DatabaseFileRecords());
}

void IRClassGlobals::ReadOnFirstUse()
{
    // A damaged file's libraries are written back through the buffers.
    const IRLibraryHeaderRecord keptHeader = IRHeaderRecordBuffer;
    std::vector<IRCommandRecord> keptCommands = IRCommandRecordBuffers;
    LoadIRDatabase();
    IRHeaderRecordBuffer = keptHeader;
    IRCommandRecordBuffers = std::move(keptCommands);
}

void IRClassGlobals::ClearIRDatabase()
{
    // The file is read before it is emptied: a save afterwards then replaces
    // a file the editor knows, and the emptied database stays empty.
    IRDatabase().Clear();
}

void IRClassGlobals::LoadIRDatabase()
{
    const RecoverableDatabase database{[this] {
                                           pendingCommands_.reset();
                                           database_.Entries().Clear();
                                       },
                                       [this](const std::filesystem::path& path) { return ReadDatabaseFile(path); },
                                       [this] { return database_.Entries().Count(); },
                                       [this] { return DatabaseFileRecords(); },
                                       [this](const std::filesystem::path& path) {
                                           if (pendingCommands_ != nullptr) pendingCommands_->Renamed(path);
                                       }};
    LoadDatabaseWithRecovery(DatabaseFiles(programFolder_, DatabaseName), known_, prompts_, Messages(), database,
                             recoverySteps_);
}

// The walk reads the headers and steps over the command records, while the
// commands are read on a thread of their own from a second reader of the
// same file. They reach the libraries when anything but a list of the
// libraries' names asks for the database.
bool IRClassGlobals::ReadDatabaseFile(const std::filesystem::path& path)
{
    DatabaseArray<IRclass>& database = database_.Entries();
    const std::unique_ptr<RecordFileReader> reader = openFile_(path, RecordLength);
    pendingCommands_ = std::make_unique<PendingIRCommands>(commandsReader_(*reader));
    // Every record could be a library; the room is made only as they come.
    database.Reserve(reader->RecordCount());
    std::vector<PendingIRCommands::Run> runs;
    const bool whole = ReadHeaders(*reader, runs);
    if (runs.empty()) {
        pendingCommands_.reset();
    } else {
        pendingCommands_->Want(std::move(runs));
        database_.FollowLater();
    }
    return whole;
}

bool IRClassGlobals::ReadHeaders(RecordFileReader& reader, std::vector<PendingIRCommands::Run>& runs)
{
    DatabaseArray<IRclass>& database = database_.Entries();
    std::size_t next = 0;  // the record that reader.Next() returns
    // Records are decoded where the reader holds them.
    while (uint8_t* header = reader.Next()) {
        ++next;
        IRHeaderRecordBuffer.ReadFrom(FixedRecord(header, RecordLength));
        const std::size_t count = IRHeaderRecordBuffer.Num_commands;
        if (count == 0) continue;
        // The command records of a library without names are skipped, never
        // taken for headers.
        const bool named = IRHeaderRecordBuffer.CleanNames();
        // A file holding more libraries than the indexes reach does not
        // read whole.
        if (named && database.Count() >= MaximumLibraries) return false;
        // A library whose commands run past the end of the file is not taken.
        if (!SkipCommands(reader, count)) return false;
        if (named) {
            TakeHeader(database.Append());
            runs.push_back({next, static_cast<int>(count)});
        }
        next += count;
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

void IRClassGlobals::TakeReadCommands()
{
    if (pendingCommands_ == nullptr) return;
    const std::unique_ptr<PendingIRCommands> pending = std::move(pendingCommands_);
    DatabaseArray<IRclass>& database = database_.Entries();
    try {
        pending->HandTo(database);
    } catch (const FileError& error) {
        // Libraries without their commands are not what the file held: none
        // is kept, and no save replaces the file.
        database.Clear();
        known_.Forget();
        ++listingsDropped_;
        TellUnavailable(prompts_, Messages(), error);
    }
}
