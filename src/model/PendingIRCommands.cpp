#include "model/PendingIRCommands.h"

#include "model/IRRecords.h"
#include "platform/BulkMemory.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

using IRRecordLayout::RecordLength;

namespace {

// The commands of a file are made in blocks of a few huge pages each.
constexpr std::size_t CommandsPerBlock = 4 * BulkMemory::LargeBlock / sizeof(IRCommandClass);

// Every header's commands, up to the end of the file or a library whose
// commands it cuts short. Which libraries the database takes is for the
// header read to say; this one only finds where each header's commands lie.
PendingIRCommands::Read ReadAllCommands(RecordFileReader& reader, const std::atomic<bool>& stopping)
{
    PendingIRCommands::Read read;
    std::shared_ptr<EntryBlock<IRCommandClass>> block;
    std::size_t next = 0;  // the record that reader.Next() returns
    while (const uint8_t* header = reader.Next()) {
        ++next;
        if (stopping) break;
        const int count = header[IRRecordLayout::NumCommandsOffset];
        if (count == 0) continue;
        if (block == nullptr || block->Room() < static_cast<std::size_t>(count))
            block = std::make_shared<EntryBlock<IRCommandClass>>(std::min(CommandsPerBlock, reader.RecordCount()));
        IRclass::CommandList commands = IRclass::CommandsToRead(count, block);
        for (const std::shared_ptr<IRCommandClass>& command : commands) {
            uint8_t* record = reader.Next();
            if (record == nullptr) return read;
            ReadCommandRecordInto(FixedRecord(record, RecordLength), *command);
        }
        read.runs.push_back({next, count});
        read.commands.push_back(std::move(commands));
        next += static_cast<std::size_t>(count);
    }
    return read;
}

}  // namespace

PendingIRCommands::PendingIRCommands(std::unique_ptr<RecordFileReader> reader) : path_(reader->Path())
{
    read_ = std::async(std::launch::async,
                       [this, reader = std::move(reader)] { return ReadAllCommands(*reader, stopping_); });
}

PendingIRCommands::~PendingIRCommands()
{
    stopping_ = true;
    // The future of an asynchronous call waits for it as it is destroyed.
}

void PendingIRCommands::HandTo(DatabaseArray<IRclass>& libraries)
{
    if (wanted_.size() != static_cast<std::size_t>(libraries.Count()))
        throw std::logic_error("the commands wanted are not those of the libraries");
    Read read;
    try {
        read = read_.get();
    } catch (const FileError& error) {
        // The reader knows the file by the name it was opened under.
        throw FileErrorAt("cannot read", path_, error.cause());
    }
    // Both lists are in the order of the file; the read holds every run
    // wanted, unless the file changed since the headers were read.
    std::vector<std::size_t> found;
    found.reserve(wanted_.size());
    std::size_t at = 0;
    for (const Run& run : wanted_) {
        while (at < read.runs.size() && read.runs[at].firstRecord < run.firstRecord) ++at;
        if (at == read.runs.size() || read.runs[at] != run)
            throw FileErrorAt("cannot read", path_, "the file no longer holds the commands of its libraries");
        found.push_back(at);
    }
    for (std::size_t i = 0; i < found.size(); ++i)
        libraries[static_cast<int>(i)].TakeCommands(std::move(read.commands[found[i]]));
}
