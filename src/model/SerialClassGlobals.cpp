#include "model/SerialClassGlobals.h"

#include "model/DamagedDatabaseRecovery.h"
#include "model/FindByNames.h"
#include "model/ReadDatabaseRecords.h"
#include "model/SaveDatabaseFile.h"
#include "platform/RecordFile.h"

#include <memory>

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
    // The file is read before it is emptied: a save afterwards then replaces
    // a file the editor knows, and the emptied database stays empty.
    RS232Database().Clear();
}

void SerialClassGlobals::ReleaseRS232Database()
{
    database_.Release();
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

bool SerialClassGlobals::ReadDatabaseFile(const std::filesystem::path& path)
{
    const std::unique_ptr<RecordFileReader> reader = openFile_(path, RS232LibraryRecord::Length);
    return ReadDatabaseRecords<RS232LibraryRecord>(
        *reader, database_.Entries(), RS232RecordBuffer,
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
    const DamagedDatabaseMessages messages{"RS232 configuration file damaged!",
                                           "Restoring RS232 configuration backup!",
                                           " all RS232 configurations have been lost!",
                                           "RS232 configuration file could not be loaded!",
                                           "RS232 configuration",
                                           "RS232 configurations"};
    const RecoverableDatabase database{[this] { database_.Entries().Clear(); },
                                       [this](const std::filesystem::path& path) { return ReadDatabaseFile(path); },
                                       [this] { return database_.Entries().Count(); },
                                       [this] { return DatabaseFileRecords(); },
                                       // Nothing is read from the file after the load.
                                       nullptr};
    LoadDatabaseWithRecovery(DatabaseFiles(programFolder_, DatabaseName), known_, prompts_, messages, database,
                             recoverySteps_);
}

DatabaseRecords SerialClassGlobals::DatabaseFileRecords()
{
    return RecordsOf<RS232LibraryRecord>(RS232Database().Count(), [this](int i, RS232LibraryRecord& record) {
        record.StoreLibrary(RS232Database()[i]);
    });
}

void SerialClassGlobals::SaveRS232Database()
{
    SaveDatabaseFile(DatabaseFiles(programFolder_, DatabaseName), known_, RS232Database().IsEmpty(),
                     DatabaseFileRecords());
}

void SerialClassGlobals::ReadRS232RecordFile(const std::filesystem::path& path)
{
    RS232LibraryRecord record;
    RecordFileReader reader(path, RS232LibraryRecord::Length);
    if (!reader.ReadNext(record)) throw FileError("'" + path.string() + "' does not hold a whole RS232 library");
    record.RemoveControlCharactersFromNames();
    RS232RecordBuffer = record;
}
