#pragma once

#include "model/DatabaseArray.h"
#include "model/DatabaseFileReader.h"
#include "model/FirstUseDatabase.h"
#include "model/KnownDatabaseFile.h"
#include "model/ProjectorClass.h"
#include "model/ProjectorDefinitionRecord.h"

#include <filesystem>
#include <string_view>
#include <utility>

struct ConfigProjectorBlockRecord;
struct DatabaseRecords;
class FileStepObserver;
class UserPrompts;

// The projector database module: the definitions in memory, the one record
// buffer through which every projector file is read and written, the
// projector clipboard and the definition that the dialogs work on. The
// configuration's own projector belongs to the configuration.
class ProjectorClassGlobals {
public:
    static constexpr const char* DatabaseName = "Projectors";

    // The folder and the prompts are those of the application and outlive it.
    ProjectorClassGlobals(const std::filesystem::path& programFolder, UserPrompts& prompts);
    ProjectorClassGlobals(const ProjectorClassGlobals&) = delete;
    ProjectorClassGlobals& operator=(const ProjectorClassGlobals&) = delete;

    // The definitions, read from "Projectors.DEF" when first asked for.
    DatabaseArray<ProjectorClass>& ProjectorDatabase() { return database_.Used(); }
    const DatabaseArray<ProjectorClass>& ProjectorDatabase() const { return database_.Used(); }
    // The database holds at least one definition.
    bool ProjectorDatabaseAllocated() const { return !ProjectorDatabase().IsEmpty(); }
    ProjectorDefinitionRecord ProjectorRecordBuffer;
    ProjectorClass ProjectorClipboard;
    ProjectorClass WorkProjector;

    // The first definition whose manufacturer and model, upper-cased over
    // their whole 32-character fields, equal the given names upper-cased and
    // padded to 32; -1 when none does. Nothing is trimmed.
    int FindProjector(std::string_view manufacturer, std::string_view model) const;
    int FindWorkProjector() const;
    // The same for the projector kept in the configuration record.
    int FindConfigProjector(const ConfigProjectorBlockRecord& configProjectorBlock) const;

    // Orders the database by manufacturer, then model, comparing the bytes of
    // the whole fields; definitions with equal names keep their order.
    void SortProjectorDatabase();
    // Appends a new, empty definition; it is the last.
    void AddProjectorDefinition();
    // Empties the database, reading its file first when nothing has yet.
    void ClearProjectorDatabase();
    void ProjectorRecordToLastDefinition();
    void ProjectorRecordToWorkProjector();
    void ProjectorDefinitionToRecord(int index);

    // Rebuilds the database from "Projectors.DEF" now and sorts it. A file
    // that does not read whole (a length that is not a whole number of
    // records, a record that cannot be represented) or yields no definition
    // from its bytes is damaged: it is kept aside as "Projectors.DAMAGED"
    // (or the next free number) and replaced by a backup that reads whole,
    // with a message; failing that the database keeps the definitions it
    // could read (of the file or a damaged backup, whichever yields more)
    // and writes them as the new file, with a message. A file, or a backup
    // the load needs, that cannot be read leaves the database empty, with a
    // message naming it, and no save touches either.
    void LoadProjectorDatabase();
    // Writes the database to "Projectors.DEF", keeping the previous file as
    // "Projectors.BAK"; an empty database deletes the ".DEF". Throws
    // FileError, leaving the last good file in place; also, touching
    // nothing, when the ".DEF" is not the file the load read whole (or its
    // absence), nor the last one saved.
    void SaveProjectorDatabase();
    // Told before each file step of a recovery from a damaged file.
    void ObserveRecoverySteps(FileStepObserver* steps) { recoverySteps_ = steps; }
    // How the database file and its backup are opened for reading.
    void ReadDatabaseFilesThrough(DatabaseFileReader open) { openFile_ = std::move(open); }

private:
    // Reads a database file; false when it did not read whole.
    bool ReadDatabaseFile(const std::filesystem::path& path);
    // The definitions as the database file holds them.
    DatabaseRecords DatabaseFileRecords();
    // The first use of the database may come between a read into the record
    // buffer and the use of what was read, so the buffer is kept.
    void ReadOnFirstUse();

    FirstUseDatabase<ProjectorClass> database_{[this] { ReadOnFirstUse(); }};
    KnownDatabaseFile known_;
    FileStepObserver* recoverySteps_ = nullptr;
    DatabaseFileReader openFile_ = ReaderOfFile;

    const std::filesystem::path& programFolder_;
    UserPrompts& prompts_;
};
