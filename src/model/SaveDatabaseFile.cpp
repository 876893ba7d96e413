#include "model/SaveDatabaseFile.h"

#include "model/KnownDatabaseFile.h"

namespace {

void WriteDatabaseFiles(const DatabaseFiles& files, KnownDatabaseFile& known, std::size_t recordLength, bool empty,
                        const std::function<void(RecordFileWriter&)>& writeRecords)
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
    WriteRecordFileThenPlace(files.tmp, recordLength, writeRecords, [&files] { files.PromoteTemporary(); });
    known.Learn(files.def);
}

}  // namespace

void SaveDatabaseFile(const DatabaseFiles& files, KnownDatabaseFile& known, std::size_t recordLength, bool empty,
                      const std::function<void(RecordFileWriter&)>& writeRecords)
{
    try {
        WriteDatabaseFiles(files, known, recordLength, empty, writeRecords);
    } catch (const FileError& error) {
        // The user knows the database by its file, whichever of its companions failed.
        throw FileError(files.def.string() + ": " + error.cause(), error.cause());
    }
}
