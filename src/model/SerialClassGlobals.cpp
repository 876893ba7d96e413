#include "model/SerialClassGlobals.h"

#include "model/DamagedDatabaseRecovery.h"
#include "model/FindByNames.h"
#include "model/SaveDatabaseFile.h"
#include "model/MessageRecordField.h"
#include "platform/RecordFile.h"
#include "platform/Windows1252.h"

namespace {

}  // namespace

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
    RS232LibraryRecord& record = RS232RecordBuffer;
    record.Manufacturer(UpperCase1252(record.Manufacturer()));
    record.Model(UpperCase1252(record.Model()));
    record.Type(UpperCase1252(record.Type()));

    if (library.Baudrate() != record.Int16At(RS232LibraryRecord::BaudrateOffset) ||
        library.InterByteDelay() != record.Int16At(RS232LibraryRecord::InterByteDelayOffset))
        return false;
    if (library.Manufacturer() != record.Manufacturer() || library.Model() != record.Model()) return false;
    if (library.Notes() != record.Notes()) return false;
    if (library.Parity() != record.Int16At(RS232LibraryRecord::ParityOffset) || library.MyType() != record.Type())
        return false;

    for (int r = 0; r < RS232FileBlockClass::Commands; ++r) {
        const std::string name = record.CommandName(r);
        int j = 0;
        while (j < RS232FileBlockClass::Commands && library.Command(j) != name) ++j;
        if (j == RS232FileBlockClass::Commands) return false;

        const std::size_t offset = RS232LibraryRecord::MessageOffset(r);
        if (library.IsInputNotOutput(j) != record.BoolAt(RS232LibraryRecord::IsInputNotOutputOffset + 2 * static_cast<std::size_t>(r)))
            return false;
        const RS232_String_Class& message = library.My_RS232_String_Class(j);
        // A count the file cannot mean is no match, and bounds the reads below.
        const int count = record.Int16At(offset + MessageRecordField::CountOffset);
        if (count != message.NumberOfBytes()) return false;
        for (int b = 0; b < count; ++b) {
            const auto at = static_cast<std::size_t>(b);
            if (message.ContentBytes(b) != record.ByteAt(offset + MessageRecordField::BytesOffset + at) ||
                message.ContentTypes(b) != record.ByteAt(offset + MessageRecordField::TypesOffset + at))
                return false;
        }
    }
    return true;
}

void SerialClassGlobals::ReadDatabaseFile()
{
    const DatabaseFiles files(programFolder_, DatabaseName);
    RecordFileReader reader(files.def, RS232LibraryRecord::Length);
    while (reader.ReadNext(RS232RecordBuffer)) {
        RS232RecordBuffer.RemoveControlCharactersFromNames();
        if (!RS232RecordBuffer.HasAllNames()) continue;
        AddRS232Library();
        RS232RecordToLibrary(RS232Database.LastIndex());
    }
    if (!reader.EndedOnRecordBoundary())
        throw FileError("'" + files.def.string() + "' does not hold a whole number of records");
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
    SaveDatabaseFile(DatabaseFiles(programFolder_, DatabaseName), RS232LibraryRecord::Length, !RS232DatabaseAllocated(),
                     [this](RecordFileWriter& writer) {
                         for (int i = 0; i < RS232Database.Count(); ++i) {
                             RS232LibraryToRecord(i);
                             writer.Write(RS232RecordBuffer);
                         }
                     });
}

void SerialClassGlobals::ReadRS232RecordFile(const std::filesystem::path& path)
{
    RS232LibraryRecord record;
    RecordFileReader reader(path, RS232LibraryRecord::Length);
    if (!reader.ReadNext(record)) throw FileError("'" + path.string() + "' does not hold a whole RS232 library");
    record.RemoveControlCharactersFromNames();
    RS232RecordBuffer = record;
}
