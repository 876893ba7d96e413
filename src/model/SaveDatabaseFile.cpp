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
