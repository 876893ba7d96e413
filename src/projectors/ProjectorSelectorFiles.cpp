// The browser's ".BRD" export and import.
#include "controls/ExchangeFilePrompts.h"
#include "model/ApplicationState.h"
#include "platform/FixedText.h"
#include "platform/RecordFile.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"
#include "projectors/ProjectorExchangeFile.h"
#include "projectors/ProjectorReplaceForm2.h"
#include "projectors/ProjectorSelector.h"
#include "controls/LibraryTree.h"

#include <QTreeWidget>
#include <algorithm>

namespace {

const QString ExchangeFilter = "Brenlo Projector Definition (*.BRD)|*.BRD";
const QString ExportTitle = "Export projector definitions";
const QString ImportTitle = "Import projector definitions";

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
    if (LibraryTree::IsModelNode(*node, LibraryTree::Arrangement::ManufacturerAndModel)) {
        indices.push_back(ProjectorIndexOf(*node));
    } else {
        for (int i = 0; i < node->childCount(); ++i) indices.push_back(ProjectorIndexOf(*node->child(i)));
        // The manufacturer's last model ends as the current node, as the export walked to it.
        if (node->childCount() > 0) MakeCurrent(node->child(node->childCount() - 1));
    }
    std::erase(indices, -1);
    Export(indices);
}

void ProjectorSelector::ExportAllKey()
{
    if (!state_.Projectors.ProjectorDatabaseAllocated()) return;
    std::vector<int> indices(static_cast<std::size_t>(state_.Projectors.ProjectorDatabase.Count()));
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<int>(i);
    Export(indices);
}

void ProjectorSelector::Export(const std::vector<int>& indices)
{
    const ExportTexts texts{
        ExportTitle, ExchangeFilter, {"Projector definition saved", "File Saved."}, FileErrorText()};
    ExportToChosenFile(state_.Prompts(), texts, [&](const std::filesystem::path& target) {
        WriteProjectorExchangeFile(state_.Projectors, indices, target);
    });
}

void ProjectorSelector::ImportKey()
{
    const std::optional<std::filesystem::path> chosen = ChooseImportFile(state_.Prompts(), ImportTitle, ExchangeFilter);
    if (!chosen) return;
    bool lastHadNames = false;
    // A damaged definition is reported in the words of any file error.
    const bool complete =
        ImportExchangeFile(state_.Prompts(), FileErrorText(), [&] { return ImportFile(*chosen, lastHadNames); });
    // What was imported before any failure stays in the database.
    RefreshTree();
    const ProjectorDefinitionRecord& last = state_.Projectors.ProjectorRecordBuffer;
    if (complete && lastHadNames) SelectProjectorNode(last.Manufacturer(), last.Model());
}

ImportEnd ProjectorSelector::ImportFile(const std::filesystem::path& path, bool& lastHadNames)
{
    ProjectorDefinitionRecord& buffer = state_.Projectors.ProjectorRecordBuffer;
    RecordFileReader reader(path, ProjectorDefinitionRecord::Length);
    const uint8_t* bytes = reader.Next();
    if (bytes == nullptr) return ImportEnd::Empty;
    for (; bytes != nullptr; bytes = reader.Next()) {
        std::copy_n(bytes, ProjectorDefinitionRecord::Length, buffer.data());
        // Nothing after a damaged record can be trusted to be a definition.
        if (!ProjectorRecordIsSound(buffer)) return ImportEnd::Damaged;
        lastHadNames = ImportRecord();
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
    } else if (!projectors.ProjectorDatabase[index].IsSameAs(projectors.WorkProjector)) {
        ShowProjectorReplaceForm2(state_, this);
    }
    return true;
}
