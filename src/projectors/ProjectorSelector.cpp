#include "projectors/ProjectorSelector.h"

#include "controls/LibraryTree.h"
#include "controls/ToolbarIcons.h"
#include "model/ApplicationState.h"
#include "platform/FixedText.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"
#include "projectors/NewNameForm.h"
#include "projectors/ProjectorDatabaseSaving.h"
#include "projectors/ProjectorSetupForm.h"

#include <QAction>
#include <QIcon>
#include <QMouseEvent>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr LibraryTree::Arrangement Arrangement = LibraryTree::Arrangement::ManufacturerAndModel;

std::vector<LibraryTree::Entry> EntriesOf(const DatabaseArray<ProjectorClass>& database)
{
    std::vector<LibraryTree::Entry> entries;
    entries.reserve(static_cast<std::size_t>(database.Count()));
    for (int i = 0; i < database.Count(); ++i)
        entries.push_back({{database[i].ManufacturerField().trimmed(), {}, database[i].ModelField().trimmed()}, {}});
    return entries;
}

}  // namespace

ProjectorSelector::ProjectorSelector(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Projector/Display  Selector");
    Toolbar1 = new QToolBar;
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setIconSize(QSize(16, 16));
    AddKey("NEW", "Create new projector", &ProjectorSelector::NewKey);
    AddKey("COPY", "Copy current projector", &ProjectorSelector::CopyKey);
    AddKey("CUT", "Cut current projector", &ProjectorSelector::CutKey);
    AddKey("PASTE", "Paste copied projector", &ProjectorSelector::PasteKey);
    AddKey("DELETE", "Delete current projector", &ProjectorSelector::DeleteKey);
    AddKey("EDIT", "Edit current projector", &ProjectorSelector::EditKey, "EDITPROJECTOR");
    AddKey("EXPORT", "Export current projector", &ProjectorSelector::ExportKey);
    AddKey("EXPORTALL", "Export all projectors", &ProjectorSelector::ExportAllKey);
    AddKey("IMPORT", "Import projector", &ProjectorSelector::ImportKey);
    AddKey("EXIT", "Exit", &ProjectorSelector::accept);

    treeview1 = new QTreeWidget;
    treeview1->setObjectName("treeview1");
    treeview1->setHeaderHidden(true);
    treeview1->setToolTip("Select Projector");
    treeview1->viewport()->installEventFilter(this);
    connect(treeview1, &QTreeWidget::itemClicked, this, [this] {
        MakeCurrent(treeview1->currentItem());
        RefreshToolbar();
    });
    connect(treeview1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* node) {
        if (LibraryTree::IsModelNode(*node, Arrangement)) RunCommand(&ProjectorSelector::EditKey);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(Toolbar1);
    layout->addWidget(treeview1);
    // Wide enough for every key, pictured or not.
    resize(640, 480);

    // A paste is offered only after a copy or cut in this browser.
    state_.Projectors.ProjectorClipboard.Manufacturer("");
    state_.Projectors.ProjectorClipboard.Model("");
    BuildTree();
    RefreshToolbar();
}

void ProjectorSelector::AddKey(const char* key, const char* tooltip, void (ProjectorSelector::*command)(),
                               const char* picture)
{
    QAction* button = AddToolbarKey(*Toolbar1, key, tooltip, picture);
    connect(button, &QAction::triggered, this, [this, command] { RunCommand(command); });
}

void ProjectorSelector::RunCommand(void (ProjectorSelector::*command)())
{
    (this->*command)();
    RefreshToolbar();
}

void ProjectorSelector::done(int result)
{
    // However the browser closes, the database reaches the disk; a failure has been told.
    SaveProjectorDatabaseReporting(state_);
    currentPath_.clear();
    QDialog::done(result);
}

bool ProjectorSelector::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == treeview1->viewport() && event->type() == QEvent::MouseButtonRelease) {
        MakeCurrent(treeview1->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        RefreshToolbar();
    }
    return QDialog::eventFilter(watched, event);
}

void ProjectorSelector::RefreshToolbar()
{
    const QTreeWidgetItem* node = CurrentNode();
    const bool model = node && LibraryTree::IsModelNode(*node, Arrangement);
    for (const char* key : {"COPY", "CUT", "DELETE", "EDIT"}) Toolbar1->findChild<QAction*>(key)->setEnabled(model);
    Toolbar1->findChild<QAction*>("EXPORT")->setEnabled(node != nullptr);
    Toolbar1->findChild<QAction*>("EXPORTALL")->setEnabled(state_.Projectors.ProjectorDatabaseAllocated());
    const ProjectorClass& clipboard = state_.Projectors.ProjectorClipboard;
    Toolbar1->findChild<QAction*>("PASTE")->setEnabled(!clipboard.ManufacturerField().isBlank() &&
                                                       !clipboard.ModelField().isBlank());
}

QTreeWidgetItem* ProjectorSelector::CurrentNode() const
{
    return LibraryTree::Find(*treeview1, Arrangement, currentPath_);
}

void ProjectorSelector::MakeCurrent(QTreeWidgetItem* node)
{
    currentPath_ = node ? LibraryTree::PathOf(*node) : QStringList();
}

int ProjectorSelector::CurrentProjectorIndex() const
{
    const QTreeWidgetItem* node = CurrentNode();
    return node ? ProjectorIndexOf(*node) : -1;
}

int ProjectorSelector::ProjectorIndexOf(const QTreeWidgetItem& node) const
{
    if (!LibraryTree::IsModelNode(node, Arrangement)) return -1;
    const std::string manufacturer = ToWindows1252(node.parent()->text(0));
    const std::string model = ToWindows1252(node.text(0));
    const DatabaseArray<ProjectorClass>& database = state_.Projectors.ProjectorDatabase;
    for (int i = 0; i < database.Count(); ++i)
        if (database[i].ManufacturerField().trimmed() == manufacturer && database[i].ModelField().trimmed() == model)
            return i;
    return -1;
}

void ProjectorSelector::BuildTree()
{
    LibraryTree::Build(*treeview1, Arrangement, EntriesOf(state_.Projectors.ProjectorDatabase));
}

void ProjectorSelector::RefreshTree()
{
    LibraryTree::Add(*treeview1, Arrangement, EntriesOf(state_.Projectors.ProjectorDatabase));
}

QTreeWidgetItem* ProjectorSelector::FindModel(const std::string& manufacturer, const std::string& model) const
{
    return LibraryTree::Find(*treeview1, Arrangement,
                             LibraryTree::ModelPath(Arrangement, {FixedText<1>::TrimSpaces(manufacturer), {},
                                                                  FixedText<1>::TrimSpaces(model)}));
}

void ProjectorSelector::SelectProjectorNode(const std::string& manufacturer, const std::string& model)
{
    QTreeWidgetItem* node = FindModel(manufacturer, model);
    if (!node) return;
    treeview1->setCurrentItem(node);
    treeview1->scrollToItem(node);
    MakeCurrent(node);
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
    projectors.WorkProjector.CopyFromProjectorClass(projectors.ProjectorDatabase[index]);
    ShowProjectorSetupForm(state_, this);
    RefreshTree();
    SelectProjectorNode(projectors.WorkProjector.Manufacturer(), projectors.WorkProjector.Model());
}

void ProjectorSelector::CopyKey()
{
    const int index = CurrentProjectorIndex();
    if (index < 0) return;
    state_.Projectors.ProjectorClipboard.CopyFromProjectorClass(state_.Projectors.ProjectorDatabase[index]);
}

void ProjectorSelector::CutKey()
{
    const int index = CurrentProjectorIndex();
    if (index < 0) return;
    state_.Projectors.ProjectorClipboard.CopyFromProjectorClass(state_.Projectors.ProjectorDatabase[index]);
    if (AskSure("cut(delete)")) RemoveProjector(index);
}

void ProjectorSelector::DeleteKey()
{
    const int index = CurrentProjectorIndex();
    if (index < 0 || !AskSure("delete")) return;
    QTreeWidgetItem* node = CurrentNode();
    const QTreeWidgetItem* parent = node->parent();
    const int position = parent->indexOfChild(node);
    const QStringList previousPath = position > 0 ? LibraryTree::PathOf(*parent->child(position - 1)) : QStringList();
    RemoveProjector(index);
    if (!previousPath.isEmpty()) {
        QTreeWidgetItem* previous = LibraryTree::Find(*treeview1, Arrangement, previousPath);
        treeview1->setCurrentItem(previous);
        treeview1->scrollToItem(previous);
        MakeCurrent(previous);
    }
}

bool ProjectorSelector::AskSure(const QString& verb)
{
    const QTreeWidgetItem* node = CurrentNode();
    const QString question =
        "Are you sure you want to " + verb + " " + node->parent()->text(0) + " / " + node->text(0) + " projector?";
    return state_.Prompts().Message(question, "Are you sure?", PromptButtons::YesNo, PromptIcon::None) ==
           PromptAnswer::Yes;
}

void ProjectorSelector::RemoveProjector(int index)
{
    ProjectorClassGlobals& projectors = state_.Projectors;
    if (projectors.ProjectorDatabase.Count() == 1)
        projectors.ClearProjectorDatabase();
    else
        projectors.ProjectorDatabase.Remove(index);
    BuildTree();
    // The rebuilt tree has no selection, so no node is current.
    currentPath_.clear();
}

void ProjectorSelector::PasteKey()
{
    ProjectorClassGlobals& projectors = state_.Projectors;
    ProjectorClass& clipboard = projectors.ProjectorClipboard;
    if (clipboard.ManufacturerField().isBlank() || clipboard.ModelField().isBlank()) return;
    if (FindModel(clipboard.ManufacturerField().trimmed(), clipboard.ModelField().trimmed())) {
        ShowNewNameForm(state_, this);
    } else {
        projectors.AddProjectorDefinition();
        projectors.ProjectorDatabase[projectors.ProjectorDatabase.LastIndex()].CopyFromProjectorClass(clipboard);
    }
    RefreshTree();
    SelectProjectorNode(clipboard.Manufacturer(), clipboard.Model());
}

void ShowProjectorSelector(ApplicationState& state, QWidget* parent)
{
    ProjectorSelector selector(state, parent);
    selector.exec();
}
