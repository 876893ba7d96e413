#include "rs232/RS232ExchangeFile.h"

#include "model/ApplicationState.h"
#include "model/BufferedLibraryMerge.h"
#include "model/SerialClassGlobals.h"
#include "platform/RecordFile.h"

#include <algorithm>
#include <string>

namespace {

std::string WithoutLeadingSpaces(const std::string& name)
{
    const auto first = name.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : name.substr(first);
}

// The record in the buffer, its names cleaned, settled with the database.
void MergeRecord(ApplicationState& state)
{
    SerialClassGlobals& libraries = state.RS232Libraries;
    RS232LibraryRecord& record = libraries.RS232RecordBuffer;
    record.RemoveControlCharactersFromNames();
    record.Manufacturer(WithoutLeadingSpaces(record.Manufacturer()));
    record.Model(WithoutLeadingSpaces(record.Model()));
    record.Type(WithoutLeadingSpaces(record.Type()));
    if (!record.HasAllNames()) return;
    MergeBufferedLibrary(state, LibraryKind::RS232, LibraryArrival::Imported);
}

}  // namespace

void WriteRS232ExchangeFile(SerialClassGlobals& libraries, const std::vector<int>& indices,
                            const std::filesystem::path& target)
{
    WriteRecordFileReplacing(target, RS232LibraryRecord::Length, [&](RecordFileWriter& writer) {
        for (const int index : indices) {
            libraries.RS232LibraryToRecord(index);
            writer.Write(libraries.RS232RecordBuffer);
        }
    });
}

ImportEnd ImportRS232ExchangeFile(ApplicationState& state, const std::filesystem::path& source)
{
    RS232LibraryRecord& buffer = state.RS232Libraries.RS232RecordBuffer;
    RecordFileReader reader(source, RS232LibraryRecord::Length);
    uint8_t* bytes = reader.Next();
    if (bytes == nullptr) return ImportEnd::Empty;
    for (; bytes != nullptr; bytes = reader.Next()) {
        // Nothing after a record that cannot be a library can be trusted to be one.
        if (!RS232LibraryRecord(bytes).IsSound()) return ImportEnd::Damaged;
        std::copy_n(bytes, RS232LibraryRecord::Length, buffer.data());
        MergeRecord(state);
    }
    return ImportEnd::Complete;
}
