#pragma once

#include "model/DatabaseArray.h"
#include "platform/FixedRecord.h"
#include "platform/RecordFile.h"

#include <algorithm>
#include <filesystem>

// Reads a database file of one fixed-length record per entry into the
// (empty) database. Each record is decoded where the reader holds it rather
// than first copied through the shared buffer, the same transfer with one
// copy fewer: `take` prepares the record's names and tells whether it is
// taken, `fill` makes a taken record the new last entry. The entries come
// from one allocation. The buffer is left holding the last record read, as
// a load through it would leave it. A short last record is not read: a file
// that ends inside a record keeps its whole records. Throws FileError, and
// whatever `fill` throws for a record that an entry cannot hold.
template <class Record, class Entry, class Take, class Fill>
void ReadDatabaseRecords(const std::filesystem::path& path, DatabaseArray<Entry>& database, FixedRecord& buffer,
                         Take take, Fill fill)
{
    RecordFileReader reader(path, Record::Length);
    database.Reserve(reader.RecordCount());
    while (uint8_t* bytes = reader.Next()) {
        Record record(bytes);
        if (!take(record)) continue;
        fill(record, database.Append());
    }
    if (const uint8_t* last = reader.LastRecord()) std::copy_n(last, Record::Length, buffer.data());
}
