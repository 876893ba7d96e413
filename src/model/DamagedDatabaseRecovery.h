#pragma once

#include "platform/RecordFile.h"

#include <QString>
#include <functional>

class UserPrompts;

// The two texts told to the user when a database file cannot be loaded.
struct DamagedDatabaseMessages {
    QString restoring;  // the backup is put in the database file's place
    QString lost;       // nothing could be loaded
};

// Loads a database file, recovering once from its backup. `clear` empties
// the database in memory; `load` reads the ".DEF" and throws FileError,
// SubscriptOutOfRange or ValueOverflow when the file is damaged. A damaged
// file is never deleted: it is kept beside the database under a free name
// ("Name.DAMAGED", "Name.DAMAGED1", ...), the ".BAK" takes its place and is
// loaded again, once; when that fails too, or there is no backup, the
// database starts empty. No ".DEF" at all is an empty database, without a
// word.
void LoadDatabaseWithRecovery(const DatabaseFiles& files, UserPrompts& prompts,
                              const DamagedDatabaseMessages& messages, const std::function<void()>& clear,
                              const std::function<void()>& load);
