#include "model/SaveDatabaseFile.h"

namespace {

void WriteDatabaseFiles(const DatabaseFiles& files, std::size_t recordLength, bool empty,
                        const std::function<void(RecordFileWriter&)>& writeRecords)
{
    files.RemoveTemporary();
    if (empty) {
        files.RemoveDatabase();
        return;
    }
    // A save that fails leaves no ".TMP": a half-written one would hold the
    // disk space a second try needs.
    WriteRecordFileThenPlace(files.tmp, recordLength, writeRecords, [&files] { files.PromoteTemporary(); });
}

}  // namespace

void SaveDatabaseFile(const DatabaseFiles& files, std::size_t recordLength, bool empty,
                      const std::function<void(RecordFileWriter&)>& writeRecords)
{
    try {
        WriteDatabaseFiles(files, recordLength, empty, writeRecords);
    } catch (const FileError& error) {
        // The user knows the database by its file, whichever of its companions failed.
        throw FileError(files.def.string() + ": " + error.cause(), error.cause());
    }
}

void SaveDatabaseRecords(const DatabaseFiles& files, const FixedRecord& buffer, int count,
                         const std::function<void(int)>& toRecord)
{
    SaveDatabaseFile(files, buffer.size(), count == 0, [&](RecordFileWriter& writer) {
        for (int i = 0; i < count; ++i) {
            toRecord(i);
            writer.Write(buffer);
        }
    });
}
