#pragma once

#include "platform/RecordFile.h"

#include <QString>
#include <functional>

class UserPrompts;

// The texts told to the user when a database file cannot be loaded.
struct DamagedDatabaseMessages {
    QString restoring;    // the backup is put in the database file's place
    QString lost;         // nothing could be loaded
    QString unavailable;  // the files cannot be examined or moved; the reason follows
};

// Loads a database file, recovering once from its backup. `clear` empties
// the database in memory; `load` reads the ".DEF" and throws FileError,
// SubscriptOutOfRange or ValueOverflow when the file is damaged. A damaged
// file is never deleted: it is kept beside the database under a free name
// ("Name.DAMAGED", "Name.DAMAGED1", ...), the ".BAK" takes its place and is
// loaded again, once; when that fails too, or there is no backup, the
// database starts empty. No ".DEF" at all is an empty database, without a
// word. Where the files cannot be examined or moved (a folder that cannot
// be written), the database starts empty too, with the `unavailable`
// message and the reason, and the files stay as they are: nothing throws.
void LoadDatabaseWithRecovery(const DatabaseFiles& files, UserPrompts& prompts, const DamagedDatabaseMessages& messages,
                              const std::function<void()>& clear, const std::function<void()>& load);
