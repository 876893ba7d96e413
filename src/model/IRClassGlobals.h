#pragma once

#include "model/ConfigurationRecord.h"
#include "model/DatabaseArray.h"
#include "model/DatabaseFileReader.h"
#include "model/FirstUseDatabase.h"
#include "model/IRRecords.h"
#include "model/IRclass.h"
#include "model/KnownDatabaseFile.h"
#include "model/PendingIRCommands.h"
#include "platform/FixedText.h"
#include "platform/RecordFile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

struct DatabaseRecords;
class FileStepObserver;
class UserPrompts;

// The IR module: the IR database in memory, the one pair of record buffers
// through which every IR file passes, and the objects the IR dialogs share.
// Every converter works through the shared buffers, so no two may interleave.
class IRClassGlobals {
public:
    static constexpr const char* DatabaseName = "InfraRed";
    // Library indexes are 16-bit.
    static constexpr int MaximumLibraries = 32767;

    // The folder and the prompts are the application's and outlive this object.
    IRClassGlobals(const std::filesystem::path& programFolder, UserPrompts& prompts)
        : programFolder_(programFolder), prompts_(prompts)
    {
    }
    IRClassGlobals(const IRClassGlobals&) = delete;
    IRClassGlobals& operator=(const IRClassGlobals&) = delete;

    // The libraries, read from "InfraRed.DEF" when first asked for.
    DatabaseArray<IRclass>& IRDatabase() { return database_.Used(); }
    const DatabaseArray<IRclass>& IRDatabase() const { return database_.Used(); }
    // The same libraries as far as their names, comments and inter-periods:
    // their commands may still be on their way from the file. For the trees
    // that list the libraries, which then need not wait for the commands.
    const DatabaseArray<IRclass>& IRLibraryNames() const { return database_.Listed(); }
    // Grows each time the libraries listed by their names are dropped, their
    // commands not read (the database is then empty, the user told): a list
    // made from the names before then shows libraries no longer held.
    int ListingsDropped() const { return listingsDropped_; }
    // Where the commands behind the headers are read from: another reader
    // of the file the headers are read from, unless given another way (a
    // reader whose file fails under it, say).
    using CommandsReader = std::function<std::unique_ptr<RecordFileReader>(const RecordFileReader& headers)>;
    void ReadCommandsThrough(CommandsReader reader) { commandsReader_ = std::move(reader); }
    // The database holds at least one library.
    bool IRDatabaseAllocated() const { return !IRDatabase().IsEmpty(); }
    // No other library can be added: the indexes are 16-bit.
    bool IRDatabaseFull() const { return IRDatabase().Count() >= MaximumLibraries; }
    // Appends a new, empty library (the last element) and returns it; a full
    // database raises ValueOverflow.
    IRclass& AddIRLibrary();
    // Empties the database, reading its file first when nothing has yet.
    void ClearIRDatabase();

    // Trims and upper-cases the three names in place (only when the database
    // holds libraries) and returns the first library with those names, or -1.
    int16_t FindIRLibrary(std::string& manufacturer, std::string& irType, std::string& model) const;
    int16_t FindIRLibrary(FixedText<16>& manufacturer, FixedText<16>& irType, FixedText<16>& model) const;

    // Conversions between library i and the record buffers. The buffers
    // made from a library hold nothing of an earlier record.
    void IRLibraryToRecord(int i);
    void IRRecordToLibrary(int i);
    // True when the buffers hold the same library as library i: names,
    // comment and settings exactly, and the commands paired by name in any
    // order (the n-th of a name with the n-th of that name).
    bool IRRecordMatchesLibrary(int i) const;

    // Writes the database to "InfraRed.DEF" in the program folder, keeping
    // the previous file as "InfraRed.BAK"; an empty database deletes the
    // ".DEF". Throws FileError, leaving the last good file in place; also,
    // touching nothing, when the ".DEF" is not the file the load read whole
    // (or its absence), nor the last one saved.
    void SaveIRDatabase();
    // Rebuilds the database from "InfraRed.DEF" now. Libraries without names
    // are skipped with their commands. A file that does not read whole (a
    // length that is not a whole number of records, a library whose command
    // records run past its end, more libraries than the database holds) or
    // yields no library from its bytes is damaged: it is kept aside as
    // "InfraRed.DAMAGED" (or the next free number) and replaced by a backup
    // that reads whole, with a message; failing that the database keeps the
    // libraries it could read (of the file or a damaged backup, whichever
    // yields more) and writes them as the new file, with a message. A file,
    // or a backup the load needs, that cannot be read leaves the database
    // empty, with a message naming it, and no save touches either.
    void LoadIRDatabase();
    // Told before each file step of a recovery from a damaged file.
    void ObserveRecoverySteps(FileStepObserver* steps) { recoverySteps_ = steps; }
    // How the database file and its backup are opened for reading.
    void ReadDatabaseFilesThrough(DatabaseFileReader open) { openFile_ = std::move(open); }
    // Reads the one library of an IR archive member into the buffers. True
    // when a whole library with names was read; otherwise the header's
    // Num_commands is 0 and the command buffers are empty, so nothing of the
    // member is taken.
    bool ReadIRRecordFile(const std::filesystem::path& path);

    IRLibraryHeaderRecord IRHeaderRecordBuffer;
    std::vector<IRCommandRecord> IRCommandRecordBuffers;

    // Handed to the IR library editor and taken back after it closes.
    IRclass WorkIRLibrary;
    // The IR browser's own clipboard; never the system's.
    IRclass IRClipboard;
    // The command of WorkIRLibrary that the IR library editor shows, or none.
    std::shared_ptr<IRCommandClass> CurrentIRCommand;
    // The last capture: unlike a command, the start part is Data[0] and the
    // repeat part Data[1]; Mode is 1 when it has a repeat part.
    ConfigIRCommandRecord IRCaptureRecord;

private:
    // The first use of the database may come between a read into the
    // buffers and the use of what was read, so the buffers are kept.
    void ReadOnFirstUse();
    // Reads a database file; false when it did not read whole.
    bool ReadDatabaseFile(const std::filesystem::path& path);
    // The libraries as the database file holds them.
    DatabaseRecords DatabaseFileRecords();
    // The libraries of the file without their commands, and where each
    // library's commands lie; false when the file did not read whole.
    bool ReadHeaders(RecordFileReader& reader, std::vector<PendingIRCommands::Run>& runs);
    // Gives the libraries the commands read since; a file that no longer
    // holds them leaves the database empty, with a message, as a file that
    // cannot be read does.
    void TakeReadCommands();
    void CheckBuffersHoldHeaderCommands() const;
    // Names, comment and inter-periods of the header buffer into a library.
    void TakeHeader(IRclass& library) const;

    const std::filesystem::path& programFolder_;
    UserPrompts& prompts_;
    FirstUseDatabase<IRclass> database_{[this] { ReadOnFirstUse(); }, [this] { TakeReadCommands(); }};
    KnownDatabaseFile known_;
    FileStepObserver* recoverySteps_ = nullptr;
    DatabaseFileReader openFile_ = ReaderOfFile;
    std::unique_ptr<PendingIRCommands> pendingCommands_;
    CommandsReader commandsReader_ = [](const RecordFileReader& headers) { return headers.ReaderOfTheSameFile(); };
    int listingsDropped_ = 0;
};
