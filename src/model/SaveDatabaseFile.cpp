#include "model/SaveDatabaseFile.h"

#include "model/KnownDatabaseFile.h"

namespace {

void WriteDatabaseFiles(const DatabaseFiles& files, KnownDatabaseFile& known, bool empty,
                        const DatabaseRecords& records)
{
    // A file the editor never read whole would be lost to the save, or
    // become the backup of a good database.
    known.CheckUnchanged(files.def);
    files.RemoveTemporary();
    if (empty) {
        files.RemoveDatabase();
        known.Learn(files.def);
        return;
    }
    // A save that fails leaves no ".TMP": a half-written one would hold the
    // disk space a second try needs.
    WriteRecordFileThenPlace(files.tmp, records.recordLength, records.write, [&files] { files.PromoteTemporary(); });
    known.Learn(files.def);
}

}  // namespace

void SaveDatabaseFile(const DatabaseFiles& files, KnownDatabaseFile& known, bool empty, const DatabaseRecords& records)
{
    try {
        WriteDatabaseFiles(files, known, empty, records);
    } catch (const FileError& error) {
        // The user knows the database by its file, whichever of its companions failed.
        throw FileError(files.def.string() + ": " + error.cause(), error.cause());
    }
}
