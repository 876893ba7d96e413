#include "projectors/ProjectorExchangeFile.h"

#include "model/MessageRecordField.h"
#include "model/ProjectorClass.h"
#include "model/ProjectorClassGlobals.h"
#include "platform/RecordFile.h"

void WriteProjectorExchangeFile(ProjectorClassGlobals& projectors, const std::vector<int>& indices,
                                const std::filesystem::path& target)
{
    WriteRecordFileReplacing(target, ProjectorDefinitionRecord::Length, [&](RecordFileWriter& writer) {
        for (const int index : indices) {
            projectors.ProjectorDefinitionToRecord(index);
            writer.Write(projectors.ProjectorRecordBuffer);
        }
    });
}

bool ProjectorRecordIsSound(const ProjectorDefinitionRecord& record)
{
    for (int slot = 0; slot < ProjectorClass::MessageSlots; ++slot) {
        const std::size_t offset =
            ProjectorDefinitionRecord::MessagesOffset + MessageRecordField::Length * static_cast<std::size_t>(slot);
        if (!MessageRecordField::IsSound(record, offset)) return false;
    }
    return true;
}
