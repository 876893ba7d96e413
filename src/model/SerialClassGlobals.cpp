#include "model/SerialClassGlobals.h"

#include "model/DamagedDatabaseRecovery.h"
#include "model/FindByNames.h"
#include "model/ReadDatabaseRecords.h"
#include "model/SaveDatabaseFile.h"
#include "platform/RecordFile.h"

SerialClassGlobals::SerialClassGlobals(const std::filesystem::path& programFolder, UserPrompts& prompts)
    : programFolder_(programFolder), prompts_(prompts)
{
}

int SerialClassGlobals::FindRS232Library(std::string& manufacturer, std::string& type, std::string& model) const
{
    return FindByNames(
        RS232Database(), manufacturer, type, model,
        [](const RS232FileBlockClass& library) -> const auto& { return library.MyTypeField(); });
}

void SerialClassGlobals::AddRS232Library()
{
    RS232Database().Append();
}

void SerialClassGlobals::ClearRS232Database()
{
    // An emptied database is not read again from its file.
    database_.Entries().Clear();
}

void SerialClassGlobals::RS232LibraryToRecord(int index)
{
    RS232RecordBuffer.StoreLibrary(RS232Database()[index]);
}

void SerialClassGlobals::RS232RecordToLibrary(int index)
{
    RS232RecordBuffer.FillLibrary(RS232Database()[index]);
}

bool SerialClassGlobals::RS232RecordMatchesLibrary(int index)
{
    const RS232FileBlockClass& library = RS232Database()[index];
    RS232RecordBuffer.UpperCaseNames();
    return RS232RecordBuffer.Matches(library);
}

void SerialClassGlobals::ReadDatabaseFile()
{
    // A short last record is simply not read: only a record that cannot be
    // represented makes the file damaged.
    ReadDatabaseRecords<RS232LibraryRecord>(
        DatabaseFiles(programFolder_, DatabaseName).def, database_.Entries(), RS232RecordBuffer,
        [](RS232LibraryRecord& record) {
            record.RemoveControlCharactersFromNames();
            return record.HasAllNames();
        },
        [](const RS232LibraryRecord& record, RS232FileBlockClass& library) { record.FillLibrary(library); });
}

void SerialClassGlobals::ReadOnFirstUse()
{
    const RS232LibraryRecord kept = RS232RecordBuffer;
    LoadRS232Database();
    RS232RecordBuffer = kept;
}

void SerialClassGlobals::LoadRS232Database()
{
    const DamagedDatabaseMessages messages{
        "RS232 configuration file damaged!\r\nRestoring RS232 configuration backup!",
        "RS232 configuration file damaged!\r\n all RS232 configurations have been lost!",
        "RS232 configuration file could not be loaded!"};
    LoadDatabaseWithRecovery(
        DatabaseFiles(programFolder_, DatabaseName), prompts_, messages, [this] { ClearRS232Database(); },
        [this] { ReadDatabaseFile(); });
}

void SerialClassGlobals::SaveRS232Database()
{
    SaveDatabaseRecords(DatabaseFiles(programFolder_, DatabaseName), RS232RecordBuffer, RS232Database().Count(),
                        [this](int i) { RS232LibraryToRecord(i); });
}

void SerialClassGlobals::ReadRS232RecordFile(const std::filesystem::path& path)
{
    RS232LibraryRecord record;
    RecordFileReader reader(path, RS232LibraryRecord::Length);
    if (!reader.ReadNext(record)) throw FileError("'" + path.string() + "' does not hold a whole RS232 library");
    record.RemoveControlCharactersFromNames();
    RS232RecordBuffer = record;
}
