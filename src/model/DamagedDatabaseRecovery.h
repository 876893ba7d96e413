#pragma once

#include "model/SaveDatabaseFile.h"
#include "platform/RecordFile.h"

#include <QString>
#include <filesystem>
#include <functional>

class FileStepObserver;
class KnownDatabaseFile;
class UserPrompts;

// The texts told to the user when a database file does not read whole.
struct DamagedDatabaseMessages {
    QString damaged;      // the first line of every message about a damaged file
    QString restoring;    // the backup is put in the damaged file's place
    QString lost;         // nothing could be read
    QString unavailable;  // the files cannot be read, examined or moved; the reason follows
    QString entry;        // what one entry is called ("projector configuration")
    QString entries;      // and more than one
};

// A database as its load works on it.
struct RecoverableDatabase {
    // Empties the database in memory.
    std::function<void()> clear;
    // Reads a database file into the (empty) database and returns false when
    // it did not read whole (a length that is not a whole number of records,
    // a record that cannot be represented, a count that runs past the end),
    // keeping the entries it could read. Throws FileError where the file
    // cannot be read.
    std::function<bool(const std::filesystem::path&)> read;
    // How many entries the database holds.
    std::function<int()> count;
    // Its entries as a save writes them.
    std::function<DatabaseRecords()> records;
    // Where one is given: the file last read now has this name (its backup
    // was restored), for what is still read from it to name.
    std::function<void(const std::filesystem::path&)> renamed;
};

// Loads a database file, recovering from damage. A file that does not read
// whole, or holds bytes but yields no entry (all zeros, as a power cut may
// leave one), is damaged; so is a file of no bytes beside a backup that
// yields entries, since no save leaves one. A damaged file is never deleted:
// it is kept beside the database under a free name ("Name.DAMAGED",
// "Name.DAMAGED1", ...); a file of no bytes holds nothing to keep. A backup
// that reads whole and yields entries takes its place. Otherwise, of the
// damaged file and the backup, the one that yields more entries (the backup
// when they yield as many, if any) becomes the database: its entries are
// written as the new ".DEF" at once, so that the next start finds what the
// user was told could be read, and the user is told how much and where the
// damaged files were kept. Where they cannot be written, the damaged file
// stays the ".DEF", left to itself by every save, to be read again at the
// next start; the user is told so.
//
// Each step is ordered for a kill at any instant: the ".DEF" is replaced
// only by the rename of a complete file, after its bytes were kept aside,
// and the user is told before that rename, so that a recovery stopped
// anywhere is done again, and told, at the next start. No ".DEF" at all is
// an empty database (as a save of one leaves it), without a word: a
// recovery never leaves a moment without one until the user was told.
//
// Where the files cannot be read, examined or kept aside, the database
// starts empty, with the `unavailable` message and the reason (which names
// the file), and the files stay as they are: nothing throws. A read error
// is never an empty file nor an empty backup. `known` learns the file read
// whole or written (or that there is none), so that a save replaces nothing
// else, or why it is not known. `steps`, when given, is told before each
// file step.
void LoadDatabaseWithRecovery(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
                              const DamagedDatabaseMessages& messages, const RecoverableDatabase& database,
                              FileStepObserver* steps);
// The `unavailable` message with the reason: the files could not be read.
void TellUnavailable(UserPrompts& prompts, const DamagedDatabaseMessages& messages, const FileError& error);
