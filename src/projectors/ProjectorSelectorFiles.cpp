// The browser's ".BRD" export and import.
#include "model/ApplicationState.h"
#include "platform/FixedText.h"
#include "platform/RecordFile.h"
#include "platform/Windows1252.h"
#include "projectors/ProjectorExchangeFile.h"
#include "projectors/ProjectorReplaceForm2.h"
#include "projectors/ProjectorSelector.h"

#include <QTreeWidget>
#include <algorithm>

namespace {

// The names as an import takes them: control characters dropped, the
// manufacturer upper-cased, the model kept as written.
void CleanImportedNames(ProjectorDefinitionRecord& record)
{
    record.Manufacturer(UpperCase1252(WithoutControlCharacters(record.Manufacturer())));
    record.Model(WithoutControlCharacters(record.Model()));
}

}  // namespace

void ProjectorSelector::ExportKey()
{
    QTreeWidgetItem* node = CurrentNode();
    if (!node) return;
    std::vector<int> indices;
    if (IsModel(*node)) {
        indices.push_back(ProjectorIndexOf(*node));
    } else {
        const std::vector<QTreeWidgetItem*> models = LibraryTree::ModelsUnder(*node, Arrangement());
        indices = ProjectorIndexesOf(NamesOfModels(models));
        // The manufacturer's last model ends as the current node, as the export walked to it.
        if (!models.empty()) MakeCurrent(models.back());
    }
    std::erase(indices, -1);
    Export(indices);
}

void ProjectorSelector::WriteExportFile(const std::vector<int>& indices, const std::filesystem::path& target)
{
    WriteProjectorExchangeFile(state_.Projectors, indices, target);
}

void ProjectorSelector::Imported(bool chosen, bool complete)
{
    if (!chosen) return;
    RefreshTree();
    const ProjectorDefinitionRecord& last = state_.Projectors.ProjectorRecordBuffer;
    if (complete && lastHadNames_) SelectProjectorNode(last.Manufacturer(), last.Model());
}

ImportEnd ProjectorSelector::ReadImportFile(const std::filesystem::path& source)
{
    lastHadNames_ = false;
    ProjectorDefinitionRecord& buffer = state_.Projectors.ProjectorRecordBuffer;
    RecordFileReader reader(source, ProjectorDefinitionRecord::Length);
    const uint8_t* bytes = reader.Next();
    if (bytes == nullptr) return ImportEnd::Empty;
    for (; bytes != nullptr; bytes = reader.Next()) {
        std::copy_n(bytes, ProjectorDefinitionRecord::Length, buffer.data());
        // Nothing after a damaged record can be trusted to be a definition.
        if (!ProjectorRecordIsSound(buffer)) return ImportEnd::Damaged;
        lastHadNames_ = ImportRecord();
    }
    return ImportEnd::Complete;
}

bool ProjectorSelector::ImportRecord()
{
    ProjectorClassGlobals& projectors = state_.Projectors;
    ProjectorDefinitionRecord& record = projectors.ProjectorRecordBuffer;
    CleanImportedNames(record);
    projectors.ProjectorRecordToWorkProjector();
    const std::string manufacturer = FixedText<1>::TrimSpaces(record.Manufacturer());
    const std::string model = FixedText<1>::TrimSpaces(record.Model());
    record.Manufacturer(manufacturer);
    record.Model(model);
    if (manufacturer.empty() || model.empty()) return false;
    const int index = projectors.FindProjector(manufacturer, model);
    if (index < 0) {
        projectors.AddProjectorDefinition();
        projectors.ProjectorRecordToLastDefinition();
    } else if (!projectors.ProjectorDatabase()[index].IsSameAs(projectors.WorkProjector)) {
        ShowProjectorReplaceForm2(state_, this);
    }
    return true;
}
