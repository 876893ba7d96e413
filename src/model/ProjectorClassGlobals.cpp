#include "model/ProjectorClassGlobals.h"

#include "model/ConfigurationRecord.h"
#include "model/DamagedDatabaseRecovery.h"
#include "model/ReadDatabaseRecords.h"
#include "model/SaveDatabaseFile.h"
#include "platform/FixedText.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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

// Byte order over the whole fields, as unsigned characters. The load sorts
// a thousand definitions with ten thousand of these: eight bytes at a time,
// read big-end first so that one integer comparison orders them, instead of
// a library call each.
int CompareBytes(const FixedText<ProjectorClass::NameLength>& a, const FixedText<ProjectorClass::NameLength>& b)
{
    static_assert(ProjectorClass::NameLength % sizeof(uint64_t) == 0);
    for (std::size_t at = 0; at < ProjectorClass::NameLength; at += sizeof(uint64_t)) {
        uint64_t x = 0;
        uint64_t y = 0;
        std::memcpy(&x, a.data() + at, sizeof x);
        std::memcpy(&y, b.data() + at, sizeof y);
        if (x != y) {
            if constexpr (std::endian::native == std::endian::little) {
                x = __builtin_bswap64(x);
                y = __builtin_bswap64(y);
            }
            return x < y ? -1 : 1;
        }
    }
    return 0;
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
    ProjectorDatabase().StableSort([](const ProjectorClass& a, const ProjectorClass& b) {
        const int byManufacturer = CompareBytes(a.ManufacturerField(), b.ManufacturerField());
        if (byManufacturer != 0) return byManufacturer < 0;
        return CompareBytes(a.ModelField(), b.ModelField()) < 0;
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

bool ProjectorClassGlobals::ReadDatabaseFile()
{
    bool whole = false;
    try {
        whole = ReadDatabaseRecords<ProjectorDefinitionRecord>(
            DatabaseFiles(programFolder_, DatabaseName).def, database_.Entries(), ProjectorRecordBuffer,
            [](ProjectorDefinitionRecord& record) {
                record.CleanNamesForDatabase();
                return record.HasBothNames();
            },
            [](const ProjectorDefinitionRecord& record, ProjectorClass& definition) {
                record.FillDefinition(definition);
            });
    } catch (const FileError&) {
        // A file that cannot be opened or read is damaged like one that
        // cannot be represented: its backup is worth more than nothing.
    }
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
    LoadDatabaseWithRecovery(
        DatabaseFiles(programFolder_, DatabaseName), known_, prompts_, messages,
        [this] { database_.Entries().Clear(); }, [this] { return ReadDatabaseFile(); },
        [this] { return database_.Entries().Count(); });
}

void ProjectorClassGlobals::SaveProjectorDatabase()
{
    SaveDatabaseRecords(DatabaseFiles(programFolder_, DatabaseName), known_, ProjectorRecordBuffer,
                        ProjectorDatabase().Count(), [this](int i) { ProjectorDefinitionToRecord(i); });
}
