#include "model/SaveDatabaseFile.h"

#include "platform/TemporaryFile.h"

void SaveDatabaseFile(const DatabaseFiles& files, std::size_t recordLength, bool empty,
                      const std::function<void(RecordFileWriter&)>& writeRecords)
{
    files.RemoveTemporary();
    if (empty) {
        files.RemoveDatabase();
        return;
    }
    // A save that fails leaves no ".TMP": a half-written one would hold the
    // disk space a second try needs.
    TemporaryFile fresh(files.tmp);
    {
        RecordFileWriter writer(files.tmp, recordLength);
        writeRecords(writer);
        writer.Commit();
    }
    files.PromoteTemporary();
    fresh.Placed();
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
