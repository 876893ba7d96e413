#include "model/SaveDatabaseFile.h"

void SaveDatabaseFile(const DatabaseFiles& files, std::size_t recordLength, bool empty,
                      const std::function<void(RecordFileWriter&)>& writeRecords)
{
    files.RemoveTemporary();
    if (empty) {
        files.RemoveDatabase();
        return;
    }
    RecordFileWriter writer(files.tmp, recordLength);
    writeRecords(writer);
    writer.Commit();
    files.PromoteTemporary();
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
