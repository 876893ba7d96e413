#include "model/SaveDatabaseFile.h"

#include "model/KnownDatabaseFile.h"
#include "platform/FileIdentity.h"

namespace {

// Puts the committed ".TMP" in place. The editor never leaves a ".DEF" of no
// bytes, so that the load can take one for damage: records that came to
// nothing are an emptied database. A ".DEF" of no bytes holds nothing to go
// back to and never takes the place of a backup, which may hold entries.
void PlaceDatabaseFile(const DatabaseFiles& files)
{
    if (FileIdentity::Of(files.tmp).Size() == 0) {
        files.RemoveTemporary();
        files.RemoveDatabase();
        return;
    }
    if (FileIdentity::Of(files.def).Size() > 0) {
        files.PromoteTemporary();
        return;
    }
    RenameFile(files.tmp, files.def);
    SyncFolder(files.def.parent_path());
}

void WriteDatabaseFiles(const DatabaseFiles& files, KnownDatabaseFile& known, bool empty,
                        const DatabaseRecords& records)
{
    // A file the editor never read whole would be lost to the save, or
    // become the backup of a good database.
    known.CheckUnchanged(files);
    files.RemoveTemporary();
    if (empty) {
        files.RemoveDatabase();
        known.Learn(files.def);
        return;
    }
    // A save that fails leaves no ".TMP": a half-written one would hold the
    // disk space a second try needs.
    WriteRecordFileThenPlace(files.tmp, records.recordLength, records.write, [&files] { PlaceDatabaseFile(files); });
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
