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
// The same for a database of one record per entry: `store(i, record)` fills
// the record from entry i, straight in the bytes it is written from. No
// entries is an empty database.
template <class Record, class Store>
void SaveDatabaseRecords(const DatabaseFiles& files, KnownDatabaseFile& known, int count, Store store)
{
    SaveDatabaseFile(files, known, Record::Length, count == 0, [&](RecordFileWriter& writer) {
        for (int i = 0; i < count; ++i) {
            Record record(writer.NextRecord());
            store(i, record);
        }
    });
}
