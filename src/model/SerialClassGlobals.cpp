#include "model/SerialClassGlobals.h"

#include "model/DamagedDatabaseRecovery.h"
#include "model/FindByNames.h"
#include "model/SaveDatabaseFile.h"
#include "platform/RecordFile.h"

#include <algorithm>

SerialClassGlobals::SerialClassGlobals(const std::filesystem::path& programFolder, UserPrompts& prompts)
    : programFolder_(programFolder), prompts_(prompts)
{
}

int SerialClassGlobals::FindRS232Library(std::string& manufacturer, std::string& type, std::string& model) const
{
    return FindByNames(RS232Database, manufacturer, type, model,
                       [](const RS232FileBlockClass& library) { return library.MyType(); });
}

void SerialClassGlobals::AddRS232Library()
{
    RS232Database.Append();
}

void SerialClassGlobals::ClearRS232Database()
{
    RS232Database.Clear();
}

void SerialClassGlobals::RS232LibraryToRecord(int index)
{
    RS232RecordBuffer.StoreLibrary(RS232Database[index]);
}

void SerialClassGlobals::RS232RecordToLibrary(int index)
{
    RS232RecordBuffer.FillLibrary(RS232Database[index]);
}

bool SerialClassGlobals::RS232RecordMatchesLibrary(int index)
{
    const RS232FileBlockClass& library = RS232Database[index];
    RS232RecordBuffer.UpperCaseNames();
    return RS232RecordBuffer.Matches(library);
}

void SerialClassGlobals::ReadDatabaseFile()
{
    const DatabaseFiles files(programFolder_, DatabaseName);
    RecordFileReader reader(files.def, RS232LibraryRecord::Length);
    // Each record is decoded where the reader holds it, rather than first
    // copied through the shared buffer: the same transfer, one copy fewer.
    RS232Database.Reserve(reader.RecordCount());
    while (uint8_t* bytes = reader.Next()) {
        RS232LibraryRecord record(bytes);
        record.RemoveControlCharactersFromNames();
        if (!record.HasAllNames()) continue;
        AddRS232Library();
        record.FillLibrary(RS232Database[RS232Database.LastIndex()]);
    }
    if (!reader.EndedOnRecordBoundary())
        throw FileError("'" + files.def.string() + "' does not hold a whole number of records");
    // The buffer is left holding the last record read, as a load through it would.
    if (const uint8_t* last = reader.LastRecord()) std::copy_n(last, RS232LibraryRecord::Length, RS232RecordBuffer.data());
}

void SerialClassGlobals::LoadRS232Database()
{
    const DamagedDatabaseMessages messages{
        "RS232 configuration file damaged!\r\nRestoring RS232 configuration backup!",
        "RS232 configuration file damaged!\r\n all RS232 configurations have been lost!"};
    LoadDatabaseWithRecovery(
        DatabaseFiles(programFolder_, DatabaseName), prompts_, messages, [this] { ClearRS232Database(); },
        [this] { ReadDatabaseFile(); });
}

void SerialClassGlobals::SaveRS232Database()
{
    const auto writeAll = [this](RecordFileWriter& writer) {
        for (int i = 0; i < RS232Database.Count(); ++i) {
            RS232LibraryToRecord(i);
            writer.Write(RS232RecordBuffer);
        }
    };
    SaveDatabaseFile(DatabaseFiles(programFolder_, DatabaseName), RS232LibraryRecord::Length,
                     !RS232DatabaseAllocated(), writeAll);
}

void SerialClassGlobals::ReadRS232RecordFile(const std::filesystem::path& path)
{
    RS232LibraryRecord record;
    RecordFileReader reader(path, RS232LibraryRecord::Length);
    if (!reader.ReadNext(record)) throw FileError("'" + path.string() + "' does not hold a whole RS232 library");
    record.RemoveControlCharactersFromNames();
    RS232RecordBuffer = record;
}
