#pragma once

#include "model/DatabaseArray.h"
#include "model/IRclass.h"
#include "platform/RecordFile.h"

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <future>
#include <memory>
#include <vector>

// The commands of an IR database file, read on a thread of their own while
// the editor's thread reads the libraries' headers. A browser shows only
// the libraries' names, so its first press waits for the headers alone, not
// for the tens of megabytes of codes behind them. The commands reach the
// libraries only through HandTo, on the editor's thread: nothing else ever
// sees one half made.
class PendingIRCommands {
public:
    // Where the commands of one library lie in the file.
    struct Run {
        std::size_t firstRecord;
        int count;
        bool operator==(const Run&) const = default;
    };

    // Starts reading, from the first record, the commands behind every
    // header of the file `reader` reads; the reader is the thread's alone.
    explicit PendingIRCommands(std::unique_ptr<RecordFileReader> reader);
    // Stops the read where it is and waits for the thread.
    ~PendingIRCommands();
    PendingIRCommands(const PendingIRCommands&) = delete;
    PendingIRCommands& operator=(const PendingIRCommands&) = delete;

    // The runs of the libraries the database took, in the order of the file
    // and of the libraries.
    void Want(std::vector<Run> runs) { wanted_ = std::move(runs); }
    // Waits for the read and gives library i the commands of the i-th run
    // wanted. Throws FileError, and gives none, when the file read again
    // does not hold those runs.
    void HandTo(DatabaseArray<IRclass>& libraries);
    // The file read has been given this name: a failure names it so.
    void Renamed(const std::filesystem::path& path) { path_ = path; }

    // What the thread read: each run and its commands.
    struct Read {
        std::vector<Run> runs;
        std::vector<IRclass::CommandList> commands;
    };

private:
    std::filesystem::path path_;
    std::vector<Run> wanted_;
    std::atomic<bool> stopping_ = false;
    std::future<Read> read_;
};
