#pragma once

#include "platform/RecordFile.h"

#include <QString>
#include <functional>

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

// Loads a database file, recovering once from its backup. `clear` empties
// the database in memory; `read` reads the ".DEF" into it and returns false
// when the file did not read whole (a length that is not a whole number of
// records, a record that cannot be represented, a count that runs past the
// end), keeping the entries it could read; it throws FileError where the
// file cannot be read. `count` tells how many entries the database holds;
// `save` writes them as the database file, as a save does (throws
// FileError).
//
// A damaged file is never deleted: it is kept beside the database under a
// free name ("Name.DAMAGED", "Name.DAMAGED1", ...), the ".BAK" takes its
// place and is read again, once. When that fails too, or there is no
// backup, the entries that could be read are written as the new ".DEF", so
// that the next start finds what the user was told could be read, and the
// user is told how much and where the damaged file was kept. Where they
// cannot be written, the damaged file goes back to the ".DEF", left to
// itself by every save, to be read again at the next start; the user is
// told so. No ".DEF" at all is an empty database, without a word. Where the
// files cannot be read, examined or moved, the database starts empty, with
// the `unavailable` message and the reason, and the files stay as they are:
// nothing throws. `known` learns the file read whole or written (or that
// there is none), so that a save replaces nothing else.
void LoadDatabaseWithRecovery(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
                              const DamagedDatabaseMessages& messages, const std::function<void()>& clear,
                              const std::function<bool()>& read, const std::function<int()>& count,
                              const std::function<void()>& save);
// The `unavailable` message with the reason: the files could not be read.
void TellUnavailable(UserPrompts& prompts, const DamagedDatabaseMessages& messages, const FileError& error);
