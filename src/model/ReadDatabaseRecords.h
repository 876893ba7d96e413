#pragma once

#include "model/DatabaseArray.h"
#include "model/RuntimeErrors.h"
#include "platform/FixedRecord.h"
#include "platform/RecordFile.h"

#include <algorithm>

// An entry that its record could not fill is not kept half made.
template <class Entry>
void DropHalfMade(DatabaseArray<Entry>& database)
{
    database.Remove(database.LastIndex());
}

// Reads a database file of one fixed-length record per entry into the
// (empty) database. Each record is decoded where the reader holds it rather
// than first copied through the shared buffer, the same transfer with one
// copy fewer: `take` prepares the record's names and tells whether it is
// taken, `fill` makes a taken record the new last entry. The entries come
// from one allocation. The buffer is left holding the last record read, as
// a load through it would leave it. Returns false when the file did not
// read whole: it ends inside a record, or `fill` found a record that an
// entry cannot hold (SubscriptOutOfRange, ValueOverflow). Every other
// record is still read, so the database keeps what the file holds whole.
// A read that fails throws FileError: what came before it is not the file.
template <class Record, class Entry, class Take, class Fill>
bool ReadDatabaseRecords(RecordFileReader& reader, DatabaseArray<Entry>& database, FixedRecord& buffer, Take take,
                         Fill fill)
{
    database.Reserve(reader.RecordCount());
    bool whole = true;
    while (uint8_t* bytes = reader.Next()) {
        Record record(bytes);
        if (!take(record)) continue;
        try {
            fill(record, database.Append());
        } catch (const SubscriptOutOfRange&) {
            DropHalfMade(database);
            whole = false;
        } catch (const ValueOverflow&) {
            DropHalfMade(database);
            whole = false;
        }
    }
    if (const uint8_t* last = reader.LastRecord()) std::copy_n(last, Record::Length, buffer.data());
    return whole && reader.EndedOnRecordBoundary();
}
