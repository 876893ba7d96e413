#include "editor/pickers/ProjectorPicker.h"

#include "controls/CommandErrors.h"
#include "controls/TreeNames.h"
#include "editor/pickers/DeviceTree.h"
#include "editor/pickers/DeviceTreeFill.h"
#include "editor/pickers/PickerLabel.h"
#include "editor/pickers/PointerPosition.h"
#include "model/ApplicationState.h"
#include "platform/Windows1252.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

ProjectorPicker::ProjectorPicker(ApplicationState& state, QWidget* parent)
    : QGroupBox("Manufacturer/Model", parent),
      state_(state),
      ProjectorLabel(new PickerLabel(this)),
      ProjectorNotes(new QPlainTextEdit(this)),
      treeview1(new DeviceTree(InstalledPointerPosition(state.Installed), this))
{
    setObjectName("ProjectorFrame");
    ProjectorLabel->setObjectName("ProjectorLabel");
    ProjectorLabel->setFixedSize(297, 33);
    ProjectorLabel->setFrameShape(QFrame::Box);
    ProjectorLabel->setToolTip("Click to choose the projector or display");
    ProjectorNotes->setObjectName("ProjectorNotes");
    ProjectorNotes->setReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProjectorLabel);
    layout->addWidget(ProjectorNotes);

    connect(ProjectorLabel, &PickerLabel::Pressed, this, &ProjectorPicker::DropDown);
    connect(treeview1, &DeviceTree::Opening, this, &ProjectorPicker::FillProjectorTree);
    connect(treeview1, &DeviceTree::Hovered, this, &ProjectorPicker::ShowHoveredNotes);
    connect(treeview1, &DeviceTree::Clicked, this,
            [this](const QTreeWidgetItem* node) { RunCommandReportingErrors(state_.Prompts(), [&] { Pick(node); }); });
    connect(treeview1, &DeviceTree::ClickedOnNothing, this, [this] { treeview1->Close(); });
}

void ProjectorPicker::ShowConfiguration()
{
    const ConfigProjectorBlockRecord& projector = state_.Config.Record.ConfigProjectorBlock;
    ProjectorLabel->setText(FromWindows1252(projector.Manufacturer.view()) + '\n' +
                            FromWindows1252(projector.Model.view()));
    ProjectorNotes->setPlainText(FromWindows1252(projector.Notes.view()));
}

void ProjectorPicker::FillProjectorTree()
{
    std::string names = ProjectorTreeNames(state_.Projectors);
    if (names != treeNames_) {
        ::FillProjectorTree(*treeview1, state_.Projectors);
        treeNames_ = std::move(names);
    }
    treeview1->ShowCollapsed();
}

int ProjectorPicker::FindProjectorForNode(const QTreeWidgetItem* node) const
{
    if (node == nullptr || node->parent() == nullptr) return -1;
    // The node names the entry it was made for; the database may have
    // changed since, so the entry must still be that model.
    const int index = DatabaseIndexOf(node);
    const auto& database = state_.Projectors.ProjectorDatabase();
    if (index < 0 || index >= database.Count()) return -1;
    if (FromWindows1252(database[index].ModelField().view()) != node->text(0)) return -1;
    return index;
}

void ProjectorPicker::DropDown()
{
    treeview1->ToggleUnder(ProjectorLabel);
}

void ProjectorPicker::ShowHoveredNotes(const QTreeWidgetItem* node)
{
    if (node->parent() == nullptr) {
        treeview1->ShowNotes("Manufacturer = " + node->text(0), QString());
        return;
    }
    // The notes are read from the entry when shown, not kept in every node.
    const int index = FindProjectorForNode(node);
    treeview1->ShowNotes(
        "Manufacturer = " + node->parent()->text(0) + "\nModel = " + node->text(0),
        index < 0 ? QString() : NotesShown(state_.Projectors.ProjectorDatabase()[index].NotesField().view()));
}

void ProjectorPicker::Pick(const QTreeWidgetItem* node)
{
    treeview1->Close();
    const int index = FindProjectorForNode(node);
    if (index < 0) return;  // a manufacturer, or an entry no longer in the database
    const ProjectorClass& definition = state_.Projectors.ProjectorDatabase()[index];
    ProjectorLabel->setText(node->parent()->text(0) + '\n' + node->text(0));
    ProjectorNotes->setPlainText(NotesShown(definition.NotesField().view()));
    state_.Config.Edit(ConfigGroup::Projector, [&] {
        state_.Config.ConfigProjector().CopyFromProjectorClass(definition);
        state_.Config.StoreProjectorToConfig();
    });
}
