#include "projectors/ProjectorSelector.h"

#include "controls/TreeNames.h"
#include "model/ApplicationState.h"
#include "platform/FixedText.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"
#include "projectors/NewNameForm.h"
#include "projectors/ProjectorDatabaseSaving.h"
#include "projectors/ProjectorSetupForm.h"

#include <QTreeWidget>

namespace {

LibraryTree::Names TrimmedNames(const std::string& manufacturer, const std::string& model)
{
    return {FixedText<1>::TrimSpaces(manufacturer), {}, FixedText<1>::TrimSpaces(model)};
}

LibraryTree::Entry EntryOf(const ProjectorClass& definition)
{
    return {{definition.ManufacturerField().trimmed(), {}, definition.ModelField().trimmed()}, {}};
}

// The tree's entry of each definition, in database order.
LibraryTree::EntryAt DefinitionEntries(const ApplicationState& state)
{
    const DatabaseArray<ProjectorClass>& database = state.Projectors.ProjectorDatabase();
    return [&database](int i) {
        database.PrefetchAhead(i);
        return EntryOf(database[i]);
    };
}

}  // namespace

ProjectorSelector::ProjectorSelector(ApplicationState& state, QWidget* parent)
    : LibraryBrowser(state.Prompts(),
                     {"Projector/Display  Selector",
                      {.NEW = "Create new projector",
                       .COPY = "Copy current projector",
                       .CUT = "Cut current projector",
                       .PASTE = "Paste copied projector",
                       .DELETE = "Delete current projector",
                       .EDIT = "Edit current projector",
                       .EXPORT = "Export current projector",
                       .EXPORTALL = "Export all projectors",
                       .IMPORT = "Import projector"},
                      "Brenlo Projector Definition (*.BRD)|*.BRD",
                      "Export projector definitions",
                      "Import projector definitions",
                      {"Projector definition saved", "File Saved."},
                      FileErrorText(),
                      // A damaged definition is reported in the words of any file error.
                      FileErrorText()},
                     Sorting::Fixed, parent),
      state_(state)
{
    Tree().setToolTip("Select Projector");
    PrepareOpening();
}

void ProjectorSelector::EmptyClipboard()
{
    state_.Projectors.ProjectorClipboard.Manufacturer("");
    state_.Projectors.ProjectorClipboard.Model("");
}

void ProjectorSelector::BuildTree()
{
    LibraryTree::Build(Tree(), Arrangement(), EntryCount(), DefinitionEntries(state_));
}

std::string ProjectorSelector::TreeNames() const
{
    return ProjectorTreeNames(state_.Projectors);
}

void ProjectorSelector::RefreshTree()
{
    LibraryTree::Add(Tree(), Arrangement(), EntryCount(), DefinitionEntries(state_));
}

int ProjectorSelector::EntryCount() const
{
    return state_.Projectors.ProjectorDatabase().Count();
}

bool ProjectorSelector::ClipboardHolds() const
{
    const ProjectorClass& clipboard = state_.Projectors.ProjectorClipboard;
    return !clipboard.ManufacturerField().isBlank() && !clipboard.ModelField().isBlank();
}

void ProjectorSelector::SaveDatabase()
{
    SaveProjectorDatabaseReporting(state_);
}

int ProjectorSelector::CurrentProjectorIndex() const
{
    const QTreeWidgetItem* node = CurrentNode();
    return node ? ProjectorIndexOf(*node) : -1;
}

int ProjectorSelector::ProjectorIndexOf(const QTreeWidgetItem& node) const
{
    return IsModel(node) ? ProjectorIndexesOf({LibraryTree::NamesOf(node, Arrangement())}).front() : -1;
}

std::vector<int> ProjectorSelector::ProjectorIndexesOf(const std::vector<LibraryTree::Names>& names) const
{
    return LibraryTree::FirstEntriesOf(names, state_.Projectors.ProjectorDatabase(),
                                       [](const ProjectorClass& definition) { return EntryOf(definition).names; });
}

void ProjectorSelector::SelectProjectorNode(const std::string& manufacturer, const std::string& model)
{
    SelectModel(TrimmedNames(manufacturer, model));
}

bool ProjectorSelector::ModelNodeExists(const std::string& manufacturer, const std::string& model) const
{
    return LibraryTree::Find(Tree(), Arrangement(),
                             LibraryTree::ModelPath(Arrangement(), TrimmedNames(manufacturer, model))) != nullptr;
}

void ProjectorSelector::NewKey()
{
    state_.Projectors.WorkProjector.Clear();
    ShowProjectorSetupForm(state_, this);
    RefreshTree();
}

void ProjectorSelector::EditKey()
{
    const int index = CurrentProjectorIndex();
    if (index < 0) return;
    ProjectorClassGlobals& projectors = state_.Projectors;
    projectors.WorkProjector.CopyFromProjectorClass(projectors.ProjectorDatabase()[index]);
    ShowProjectorSetupForm(state_, this);
    RefreshTree();
    SelectProjectorNode(projectors.WorkProjector.Manufacturer(), projectors.WorkProjector.Model());
}

void ProjectorSelector::CopyKey()
{
    const int index = CurrentProjectorIndex();
    if (index < 0) return;
    state_.Projectors.ProjectorClipboard.CopyFromProjectorClass(state_.Projectors.ProjectorDatabase()[index]);
}

void ProjectorSelector::CutKey()
{
    const int index = CurrentProjectorIndex();
    if (index < 0) return;
    state_.Projectors.ProjectorClipboard.CopyFromProjectorClass(state_.Projectors.ProjectorDatabase()[index]);
    if (AskSure("cut(delete)")) RemoveProjector(index);
}

void ProjectorSelector::DeleteKey()
{
    const int index = CurrentProjectorIndex();
    if (index < 0 || !AskSure("delete")) return;
    RemoveCurrentModel([&] { RemoveProjector(index); });
}

bool ProjectorSelector::AskSure(const QString& verb)
{
    const QTreeWidgetItem* node = CurrentNode();
    const QString question =
        "Are you sure you want to " + verb + " " + node->parent()->text(0) + " / " + node->text(0) + " projector?";
    return Prompts().Message(question, "Are you sure?", PromptButtons::YesNo, PromptIcon::None) == PromptAnswer::Yes;
}

void ProjectorSelector::RemoveProjector(int index)
{
    ProjectorClassGlobals& projectors = state_.Projectors;
    if (projectors.ProjectorDatabase().Count() == 1)
        projectors.ClearProjectorDatabase();
    else
        projectors.ProjectorDatabase().Remove(index);
    FillTree();
    // The rebuilt tree has no selection, so no node is current.
    MakeCurrent(nullptr);
}

void ProjectorSelector::PasteKey()
{
    ProjectorClassGlobals& projectors = state_.Projectors;
    ProjectorClass& clipboard = projectors.ProjectorClipboard;
    if (!ClipboardHolds()) return;
    if (ModelNodeExists(clipboard.Manufacturer(), clipboard.Model())) {
        ShowNewNameForm(state_, this);
    } else {
        projectors.AddProjectorDefinition();
        projectors.ProjectorDatabase()[projectors.ProjectorDatabase().LastIndex()].CopyFromProjectorClass(clipboard);
    }
    RefreshTree();
    SelectProjectorNode(clipboard.Manufacturer(), clipboard.Model());
}
