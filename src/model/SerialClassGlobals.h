#pragma once

#include "model/DatabaseArray.h"
#include "model/DatabaseFileReader.h"
#include "model/FirstUseDatabase.h"
#include "model/KnownDatabaseFile.h"
#include "model/RS232FileBlockClass.h"
#include "model/RS232LibraryRecord.h"
#include "model/SerialClass.h"

#include <array>
#include <filesystem>
#include <string>
#include <utility>

struct DatabaseRecords;
class FileStepObserver;
class UserPrompts;

// The RS232 database module: the libraries in memory, the one record buffer
// through which every RS232 library file is read and written, the library
// clipboard and the objects that the library dialogs work on.
class SerialClassGlobals {
public:
    static constexpr const char* DatabaseName = "RS232Serials";

    // The folder and the prompts are those of the application and outlive it.
    SerialClassGlobals(const std::filesystem::path& programFolder, UserPrompts& prompts);
    SerialClassGlobals(const SerialClassGlobals&) = delete;
    SerialClassGlobals& operator=(const SerialClassGlobals&) = delete;

    // The libraries, read from "RS232Serials.DEF" when first asked for.
    DatabaseArray<RS232FileBlockClass>& RS232Database() { return database_.Used(); }
    const DatabaseArray<RS232FileBlockClass>& RS232Database() const { return database_.Used(); }
    // The database holds at least one library.
    bool RS232DatabaseAllocated() const { return !RS232Database().IsEmpty(); }
    RS232LibraryRecord RS232RecordBuffer;
    RS232FileBlockClass RS232LibraryClipboard;
    RS232FileBlockClass WorkRS232Library;
    // The command messages of the library open in the library editor.
    std::array<SerialClass, RS232FileBlockClass::Commands> EditCommandSerials;

    // Trims and upper-cases the caller's three names (when the database holds
    // libraries) and returns the first library whose names, trimmed and upper
    // case, equal them; -1 when none does.
    int FindRS232Library(std::string& manufacturer, std::string& type, std::string& model) const;
    // Appends a new, empty library; it is the last.
    void AddRS232Library();
    // Empties the database, reading its file first when nothing has yet.
    void ClearRS232Database();
    // Drops the libraries from memory, as the main window does when it
    // closes, without reading a file that was never used.
    void ReleaseRS232Database();
    void RS232LibraryToRecord(int index);
    void RS232RecordToLibrary(int index);
    // True when the buffer holds the same library as entry `index`, its
    // commands paired by name in any order (the n-th of a name with the n-th
    // of that name). Leaves the buffer's three names upper-cased.
    bool RS232RecordMatchesLibrary(int index);

    // Rebuilds the database from "RS232Serials.DEF" now. A file that does not
    // read whole (a length that is not a whole number of records, a record
    // that cannot be represented) or yields no library from its bytes is
    // damaged: it is kept aside as "RS232Serials.DAMAGED" (or the next free
    // number) and replaced by a backup that reads whole, with a message;
    // failing that the database keeps the libraries it could read (of the
    // file or a damaged backup, whichever yields more) and writes them as
    // the new file, with a message. A file, or a backup the load needs, that
    // cannot be read leaves the database empty, with a message naming it,
    // and no save touches either.
    void LoadRS232Database();
    // Writes the database to "RS232Serials.DEF", keeping the previous file
    // as "RS232Serials.BAK"; an empty database deletes the ".DEF". Throws
    // FileError, leaving the last good file in place; also, touching
    // nothing, when the ".DEF" is not the file the load read whole (or its
    // absence), nor the last one saved.
    void SaveRS232Database();
    // Reads the first record of an export file or archive member into the
    // buffer. A file without a whole record raises FileError and leaves the
    // buffer as it was.
    void ReadRS232RecordFile(const std::filesystem::path& path);
    // Told before each file step of a recovery from a damaged file.
    void ObserveRecoverySteps(FileStepObserver* steps) { recoverySteps_ = steps; }
    // How the database file and its backup are opened for reading.
    void ReadDatabaseFilesThrough(DatabaseFileReader open) { openFile_ = std::move(open); }

private:
    // Reads a database file; false when it did not read whole.
    bool ReadDatabaseFile(const std::filesystem::path& path);
    // The libraries as the database file holds them.
    DatabaseRecords DatabaseFileRecords();
    // The first use of the database may come between a read into the record
    // buffer and the use of what was read, so the buffer is kept.
    void ReadOnFirstUse();

    FirstUseDatabase<RS232FileBlockClass> database_{[this] { ReadOnFirstUse(); }};
    KnownDatabaseFile known_;
    FileStepObserver* recoverySteps_ = nullptr;
    DatabaseFileReader openFile_ = ReaderOfFile;

    const std::filesystem::path& programFolder_;
    UserPrompts& prompts_;
};
