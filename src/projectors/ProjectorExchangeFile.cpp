#include "projectors/ProjectorExchangeFile.h"

#include "model/MessageRecordField.h"
#include "model/ProjectorClass.h"
#include "model/ProjectorClassGlobals.h"
#include "model/RS232_String_Class.h"
#include "platform/RecordFile.h"

#include <system_error>

void WriteProjectorExchangeFile(ProjectorClassGlobals& projectors, const std::vector<int>& indices,
                                const std::filesystem::path& target)
{
    std::filesystem::path fresh = target;
    fresh += ".TMP";
    try {
        RecordFileWriter writer(fresh, ProjectorDefinitionRecord::Length);
        for (const int index : indices) {
            projectors.ProjectorDefinitionToRecord(index);
            writer.Write(projectors.ProjectorRecordBuffer);
        }
        writer.Commit();
        RenameFile(fresh, target);
    } catch (const FileError&) {
        std::error_code ignored;  // the export failed already; a stray temporary file changes nothing
        std::filesystem::remove(fresh, ignored);
        throw;
    }
}

bool ProjectorRecordIsSound(const ProjectorDefinitionRecord& record)
{
    for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot) {
        const std::size_t offset =
            ProjectorDefinitionRecord::MessagesOffset + MessageRecordField::Length * static_cast<std::size_t>(slot);
        const int count = record.Int16At(offset + MessageRecordField::CountOffset);
        if (count < 0 || count > RS232_String_Class::Capacity) return false;
        const uint8_t* types =
            record.BytesAt(offset + MessageRecordField::TypesOffset, static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            if (types[i] > ContentIgnore) return false;
    }
    return true;
}
