#include "model/ProjectorClassGlobals.h"

#include "model/ConfigurationRecord.h"
#include "model/DamagedDatabaseRecovery.h"
#include "model/ReadDatabaseRecords.h"
#include "model/SaveDatabaseFile.h"
#include "platform/FixedText.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

using Name = std::array<char, ProjectorClass::NameLength>;

// A name as the finds compare it: cut or padded to the field, upper-cased.
Name UpperField(std::string_view text)
{
    Name field;
    field.fill(' ');
    std::copy_n(text.begin(), std::min(text.size(), field.size()), field.begin());
    MakeUpperCase1252(field.data(), field.size());
    return field;
}

bool SameUpperCased(const FixedText<ProjectorClass::NameLength>& stored, const Name& wanted)
{
    Name field;
    std::copy_n(stored.data(), field.size(), field.begin());
    MakeUpperCase1252(field.data(), field.size());
    return field == wanted;
}

}  // namespace

ProjectorClassGlobals::ProjectorClassGlobals(const std::filesystem::path& programFolder, UserPrompts& prompts)
    : programFolder_(programFolder), prompts_(prompts)
{
}

int ProjectorClassGlobals::FindProjector(std::string_view manufacturer, std::string_view model) const
{
    const Name wantedManufacturer = UpperField(manufacturer);
    const Name wantedModel = UpperField(model);
    for (int i = 0; i < ProjectorDatabase().Count(); ++i) {
        const ProjectorClass& definition = ProjectorDatabase()[i];
        if (SameUpperCased(definition.ManufacturerField(), wantedManufacturer) &&
            SameUpperCased(definition.ModelField(), wantedModel))
            return i;
    }
    return -1;
}

int ProjectorClassGlobals::FindWorkProjector() const
{
    return FindProjector(WorkProjector.ManufacturerField().view(), WorkProjector.ModelField().view());
}

int ProjectorClassGlobals::FindConfigProjector(const ConfigProjectorBlockRecord& configProjectorBlock) const
{
    return FindProjector(configProjectorBlock.Manufacturer.view(), configProjectorBlock.Model.view());
}

void ProjectorClassGlobals::SortProjectorDatabase()
{
    // By manufacturer, then model: both names are of fixed width, so the
    // two side by side compare as the pair does.
    constexpr std::size_t name = ProjectorClass::NameLength;
    ProjectorDatabase().StableSortByKey([](const ProjectorClass& definition) {
        std::array<char, 2 * name> key{};
        std::copy_n(definition.ManufacturerField().data(), name, key.begin());
        std::copy_n(definition.ModelField().data(), name, key.begin() + name);
        return key;
    });
}

void ProjectorClassGlobals::AddProjectorDefinition()
{
    ProjectorDatabase().Append();
}

void ProjectorClassGlobals::ClearProjectorDatabase()
{
    // The file is read before it is emptied: a save afterwards then replaces
    // a file the editor knows, and the emptied database stays empty.
    ProjectorDatabase().Clear();
}

void ProjectorClassGlobals::ProjectorRecordToLastDefinition()
{
    ProjectorRecordBuffer.FillDefinition(ProjectorDatabase()[ProjectorDatabase().LastIndex()]);
}

void ProjectorClassGlobals::ProjectorRecordToWorkProjector()
{
    ProjectorRecordBuffer.FillDefinition(WorkProjector);
}

void ProjectorClassGlobals::ProjectorDefinitionToRecord(int index)
{
    ProjectorRecordBuffer.StoreDefinition(ProjectorDatabase()[index]);
}

bool ProjectorClassGlobals::ReadDatabaseFile(const std::filesystem::path& path)
{
    const std::unique_ptr<RecordFileReader> reader = openFile_(path, ProjectorDefinitionRecord::Length);
    const bool whole = ReadDatabaseRecords<ProjectorDefinitionRecord>(
        *reader, database_.Entries(), ProjectorRecordBuffer,
        [](ProjectorDefinitionRecord& record) {
            record.CleanNamesForDatabase();
            return record.HasBothNames();
        },
        [](const ProjectorDefinitionRecord& record, ProjectorClass& definition) { record.FillDefinition(definition); });
    SortProjectorDatabase();
    return whole;
}

void ProjectorClassGlobals::ReadOnFirstUse()
{
    const ProjectorDefinitionRecord kept = ProjectorRecordBuffer;
    LoadProjectorDatabase();
    ProjectorRecordBuffer = kept;
}

void ProjectorClassGlobals::LoadProjectorDatabase()
{
    const DamagedDatabaseMessages messages{"Projector configuration file damaged!",
                                           "Restoring projector configuration backup!",
                                           " all projector configurations have been lost!",
                                           "Projector configuration file could not be loaded!",
                                           "projector configuration",
                                           "projector configurations"};
    const RecoverableDatabase database{[this] { database_.Entries().Clear(); },
                                       [this](const std::filesystem::path& path) { return ReadDatabaseFile(path); },
                                       [this] { return database_.Entries().Count(); },
                                       [this] { return DatabaseFileRecords(); },
                                       // Nothing is read from the file after the load.
                                       nullptr};
    LoadDatabaseWithRecovery(DatabaseFiles(programFolder_, DatabaseName), known_, prompts_, messages, database,
                             recoverySteps_);
}

DatabaseRecords ProjectorClassGlobals::DatabaseFileRecords()
{
    return RecordsOf<ProjectorDefinitionRecord>(
        ProjectorDatabase().Count(),
        [this](int i, ProjectorDefinitionRecord& record) { record.StoreDefinition(ProjectorDatabase()[i]); });
}

void ProjectorClassGlobals::SaveProjectorDatabase()
{
    SaveDatabaseFile(DatabaseFiles(programFolder_, DatabaseName), known_, ProjectorDatabase().IsEmpty(),
                     DatabaseFileRecords());
}
