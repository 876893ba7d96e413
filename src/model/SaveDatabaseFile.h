#pragma once

#include "platform/RecordFile.h"

class KnownDatabaseFile;

#include <cstddef>
#include <functional>

// Saves a database: the records go to the ".TMP", which is flushed to the
// disk before the old ".DEF" becomes the ".BAK" and the ".TMP" the ".DEF".
// An empty database deletes the ".DEF" and keeps the ".BAK". Throws
// FileError, whose text is the ".DEF" path and the cause ("<path>: <cause>")
// whichever of the three files failed; whatever step fails, the ".DEF" or
// the ".BAK" still holds the last good database, and no ".TMP" is left.
// Only the ".DEF" that `known` holds (read whole, or saved) is replaced or
// deleted: any other file at its place raises FileError before anything is
// touched. `known` then learns the saved file.
void SaveDatabaseFile(const DatabaseFiles& files, KnownDatabaseFile& known, std::size_t recordLength, bool empty,
                      const std::function<void(RecordFileWriter&)>& writeRecords);
// The same for a database of one record per entry: `toRecord` fills the
// shared buffer from entry i, and the buffer is written; no entries is an
// empty database.
void SaveDatabaseRecords(const DatabaseFiles& files, KnownDatabaseFile& known, const FixedRecord& buffer, int count,
                         const std::function<void(int)>& toRecord);
