#pragma once

#include "model/ApplicationState.h"
#include "model/DatabaseFileReader.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class FileStepObserver;

using Names = std::vector<std::string>;

// One database, through the operations its callers use.
struct DatabaseKind {
    const char* label;
    // Appends an entry of this manufacturer.
    std::function<void(ApplicationState&, const std::string&)> add;
    // Puts an entry of this manufacturer in the record buffers, as a read of
    // an archive member or an export file leaves them.
    std::function<void(ApplicationState&, const std::string&)> fillBuffers;
    // Appends an entry made from the record buffers.
    std::function<void(ApplicationState&)> addFromBuffers;
    std::function<void(ApplicationState&)> save;
    std::function<void(ApplicationState&)> clear;
    std::function<Names(const ApplicationState&)> manufacturers;
    const char* files;  // "Name" of "Name.DEF"
    std::size_t recordLength;
    std::size_t recordsPerEntry;
    const char* damaged;  // the first line of the messages about a damaged file
    const char* restoring;
    const char* lost;         // the second line when no entry could be read
    const char* entries;      // what the messages call more than one entry
    const char* unavailable;  // the first line when the files cannot be read or kept
    // Tells the observer of each file step of the database's recovery.
    std::function<void(ApplicationState&, FileStepObserver*)> watchRecovery;
    // Opens the database file and its backup through these readers.
    std::function<void(ApplicationState&, DatabaseFileReader)> readFilesThrough;
};

// The projector, RS232 and IR databases.
const std::vector<DatabaseKind>& DatabaseKinds();
// The bytes of a database of entries of these manufacturers, as saved.
std::string SavedBytes(const DatabaseKind& database, const Names& manufacturers);
// The same, its last byte cut off: every entry but the last reads whole.
std::string CutShort(const DatabaseKind& database, const Names& manufacturers);
// Zeros as long as two entries, as a power cut often leaves a file.
std::string Zeros(const DatabaseKind& database);
