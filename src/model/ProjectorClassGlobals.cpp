#include "model/ProjectorClassGlobals.h"

#include "model/ConfigurationRecord.h"
#include "model/DamagedDatabaseRecovery.h"
#include "model/SaveDatabaseFile.h"
#include "platform/FixedText.h"
#include "platform/RecordFile.h"
#include "platform/Windows1252.h"

#include <cstring>

namespace {

using Name = FixedText<ProjectorClass::NameLength>;

std::string UpperField(std::string_view text)
{
    return UpperCase1252(Name(text).full());
}

// Byte order, as unsigned characters.
int CompareBytes(const std::string& a, const std::string& b)
{
    return std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
}

}  // namespace

ProjectorClassGlobals::ProjectorClassGlobals(const std::filesystem::path& programFolder, UserPrompts& prompts)
    : programFolder_(programFolder), prompts_(prompts)
{
}

int ProjectorClassGlobals::FindProjector(std::string_view manufacturer, std::string_view model) const
{
    const std::string wantedManufacturer = UpperField(manufacturer);
    const std::string wantedModel = UpperField(model);
    for (int i = 0; i < ProjectorDatabase.Count(); ++i) {
        const ProjectorClass& definition = ProjectorDatabase[i];
        if (UpperCase1252(definition.Manufacturer()) == wantedManufacturer &&
            UpperCase1252(definition.Model()) == wantedModel)
            return i;
    }
    return -1;
}

int ProjectorClassGlobals::FindWorkProjector() const
{
    return FindProjector(WorkProjector.Manufacturer(), WorkProjector.Model());
}

int ProjectorClassGlobals::FindConfigProjector(const ConfigProjectorBlockRecord& configProjectorBlock) const
{
    return FindProjector(configProjectorBlock.Manufacturer.full(), configProjectorBlock.Model.full());
}

void ProjectorClassGlobals::SortProjectorDatabase()
{
    ProjectorDatabase.StableSort([](const ProjectorClass& a, const ProjectorClass& b) {
        const int byManufacturer = CompareBytes(a.Manufacturer(), b.Manufacturer());
        if (byManufacturer != 0) return byManufacturer < 0;
        return CompareBytes(a.Model(), b.Model()) < 0;
    });
}

void ProjectorClassGlobals::AddProjectorDefinition()
{
    ProjectorDatabase.Append();
}

void ProjectorClassGlobals::ClearProjectorDatabase()
{
    ProjectorDatabase.Clear();
}

void ProjectorClassGlobals::ProjectorRecordToLastDefinition()
{
    ProjectorRecordBuffer.FillDefinition(ProjectorDatabase[ProjectorDatabase.LastIndex()]);
}

void ProjectorClassGlobals::ProjectorRecordToWorkProjector()
{
    ProjectorRecordBuffer.FillDefinition(WorkProjector);
}

void ProjectorClassGlobals::ProjectorDefinitionToRecord(int index)
{
    ProjectorRecordBuffer.StoreDefinition(ProjectorDatabase[index]);
}

void ProjectorClassGlobals::ReadDatabaseFile()
{
    const DatabaseFiles files(programFolder_, DatabaseName);
    RecordFileReader reader(files.def, ProjectorDefinitionRecord::Length);
    ProjectorDefinitionRecord& record = ProjectorRecordBuffer;
    while (reader.ReadNext(record)) {
        record.Manufacturer(UpperCase1252(WithoutControlCharacters(record.Manufacturer())));
        record.Model(UpperCase1252(WithoutControlCharacters(record.Model())));
        if (Name(record.Manufacturer()).isBlank() || Name(record.Model()).isBlank()) continue;
        AddProjectorDefinition();
        ProjectorRecordToLastDefinition();
    }
    SortProjectorDatabase();
}

void ProjectorClassGlobals::LoadProjectorDatabase()
{
    const DamagedDatabaseMessages messages{
        "Projector configuration file damaged!\r\nRestoring projector configuration backup!",
        "Projector configuration file damaged!\r\n all projector configurations have been lost!"};
    LoadDatabaseWithRecovery(
        DatabaseFiles(programFolder_, DatabaseName), prompts_, messages, [this] { ClearProjectorDatabase(); },
        [this] { ReadDatabaseFile(); });
}

void ProjectorClassGlobals::SaveProjectorDatabase()
{
    const auto writeAll = [this](RecordFileWriter& writer) {
        for (int i = 0; i < ProjectorDatabase.Count(); ++i) {
            ProjectorDefinitionToRecord(i);
            writer.Write(ProjectorRecordBuffer);
        }
    };
    SaveDatabaseFile(DatabaseFiles(programFolder_, DatabaseName), ProjectorDefinitionRecord::Length,
                     !ProjectorDatabaseAllocated(), writeAll);
}
