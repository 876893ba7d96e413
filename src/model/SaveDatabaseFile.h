#pragma once

#include "platform/RecordFile.h"

class KnownDatabaseFile;

#include <cstddef>
#include <functional>

// The entries of a database as its file holds them: records of one length,
// which `write` hands to the writer in the file's order.
struct DatabaseRecords {
    std::size_t recordLength;
    std::function<void(RecordFileWriter&)> write;
};

// Saves a database: the records go to the ".TMP", which is flushed to the
// disk before the old ".DEF" becomes the ".BAK" and the ".TMP" the ".DEF".
// An empty database, or records that come to no bytes, deletes the ".DEF"
// and keeps the ".BAK"; a ".DEF" of no bytes never becomes the ".BAK". Throws
// FileError, whose text is the ".DEF" path and the cause ("<path>: <cause>")
// whichever of the three files failed; whatever step fails, the ".DEF" or
// the ".BAK" still holds the last good database, and no ".TMP" is left.
// Only the ".DEF" that `known` holds (read whole, or saved) is replaced or
// deleted: any other file at its place raises FileError before anything is
// touched. `known` then learns the saved file.
void SaveDatabaseFile(const DatabaseFiles& files, KnownDatabaseFile& known, bool empty, const DatabaseRecords& records);
// The records of a database of one record per entry: `store(i, record)`
// fills the record from entry i, straight in the bytes it is written from.
template <class Record, class Store>
DatabaseRecords RecordsOf(int count, Store store)
{
    return {Record::Length, [count, store](RecordFileWriter& writer) {
                for (int i = 0; i < count; ++i) {
                    Record record(writer.NextRecord());
                    store(i, record);
                }
            }};
}
