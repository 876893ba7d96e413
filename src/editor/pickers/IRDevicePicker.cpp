#include "editor/pickers/IRDevicePicker.h"

#include "controls/CommandErrors.h"
#include "controls/TreeNames.h"
#include "editor/panels/IRCommandAssignment.h"
#include "editor/pickers/DeviceTree.h"
#include "editor/pickers/PickerLabel.h"
#include "editor/pickers/PointerPosition.h"
#include "model/ApplicationState.h"
#include "model/RuntimeErrors.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

namespace {

void ClearCommandNames(InputIRRecord& record)
{
    for (std::size_t k = 0; k < InputIRRecord::Commands; ++k) {
        record.SelectCommandNames[k] = "";
        record.DeselectCommandNames[k] = "";
        record.SelectAssigned[k] = false;
        record.DeselectAssigned[k] = false;
    }
}

void ClearDevice(InputIRRecord& record)
{
    record.DeviceSelected = false;
    record.Manufacturer = "";
    record.IRtype = "";
    record.Model = "";
    ClearCommandNames(record);
}

bool HoldsCommandNames(const InputIRRecord& record)
{
    for (std::size_t k = 0; k < InputIRRecord::Commands; ++k)
        if (!record.SelectCommandNames[k].isBlank() || !record.DeselectCommandNames[k].isBlank()) return true;
    return false;
}

}  // namespace

IRDevicePicker::IRDevicePicker(ApplicationState& state, QWidget* parent)
    : QGroupBox("Infrared", parent),
      state_(state),
      IRLabel(new PickerLabel(this)),
      ClearButton(new QPushButton("Clear", this)),
      IRCommandFrame(new IRCommandAssignment(state.Config, state.IR, InstalledPointerPosition(state.Installed), this)),
      treeview1(new DeviceTree(InstalledPointerPosition(state.Installed), this))
{
    setObjectName("IRFrame");
    IRLabel->setObjectName("IRLabel");
    IRLabel->setFixedSize(241, 49);
    IRLabel->setFrameShape(QFrame::Box);
    IRLabel->setToolTip("Click to choose the infrared device");
    SortBy[0] = new QRadioButton("Sort By Manufacturer", this);
    SortBy[1] = new QRadioButton("Sort By Type", this);
    SortBy[0]->setChecked(true);
    auto* sortBox = new QVBoxLayout;
    for (std::size_t i = 0; i < SortBy.size(); ++i) {
        SortBy[i]->setObjectName("SortBy_" + QString::number(i));
        sortBox->addWidget(SortBy[i]);
    }
    ClearButton->setObjectName("Clear");
    auto* layout = new QGridLayout(this);
    layout->addWidget(IRLabel, 0, 0);
    layout->addLayout(sortBox, 0, 1);
    layout->addWidget(ClearButton, 0, 2, Qt::AlignTop);
    layout->setColumnStretch(3, 1);
    layout->addWidget(IRCommandFrame, 1, 0, 1, 4);

    connect(IRLabel, &PickerLabel::Pressed, this, &IRDevicePicker::DropDown);
    connect(treeview1, &DeviceTree::Opening, this, &IRDevicePicker::FillIRDeviceTree);
    connect(treeview1, &DeviceTree::Hovered, this, &IRDevicePicker::ShowHoveredNotes);
    connect(treeview1, &DeviceTree::Clicked, this,
            [this](const QTreeWidgetItem* node) { RunCommandReportingErrors(state_.Prompts(), [&] { Pick(node); }); });
    connect(treeview1, &DeviceTree::ClickedOnNothing, this, [this] { treeview1->Close(); });
    connect(ClearButton, &QPushButton::clicked, this,
            [this] { RunCommandReportingErrors(state_.Prompts(), [this] { Clear(); }); });
}

void IRDevicePicker::ShowInput(int t)
{
    if (t < 0 || t >= ConfigurationRecord::Inputs) throw SubscriptOutOfRange("input " + std::to_string(t));
    input_ = t;
    IRCommandFrame->ShowInput(t);
    if (state_.Config.Record.InputIRRecords[static_cast<std::size_t>(t)].DeviceSelected) {
        ShowDeviceCaption();
        IRCommandFrame->show();
    } else {
        IRLabel->clear();
        IRCommandFrame->hide();
    }
}

void IRDevicePicker::ClearIRDisplay()
{
    for (InputIRRecord& record : state_.Config.Record.InputIRRecords) ClearDevice(record);
    IRCommandFrame->EmptyCaptions();
    IRLabel->clear();
    IRCommandFrame->hide();
    IRCommandFrame->EmptyCommandList();
}

void IRDevicePicker::FillIRDeviceTree()
{
    treeGrouping_ = ChosenGrouping();
    const bool byManufacturer = treeGrouping_ == IRGrouping::ByManufacturer;
    std::string names = IRDeviceTreeNames(
        state_.IR, byManufacturer ? LibraryTree::Arrangement::ByManufacturer : LibraryTree::Arrangement::ByType);
    if (names != treeNames_) {
        ::FillIRDeviceTree(*treeview1, state_.IR, treeGrouping_);
        treeNames_ = std::move(names);
    }
    treeview1->ShowCollapsed();
}

IRGrouping IRDevicePicker::ChosenGrouping() const
{
    return SortBy[0]->isChecked() ? IRGrouping::ByManufacturer : IRGrouping::ByType;
}

void IRDevicePicker::DropDown()
{
    treeview1->ToggleUnder(IRLabel);
}

void IRDevicePicker::ShowHoveredNotes(const QTreeWidgetItem* node)
{
    const bool byManufacturer = treeGrouping_ == IRGrouping::ByManufacturer;
    const QTreeWidgetItem* parent = node->parent();
    if (parent == nullptr) {
        treeview1->ShowNotes((byManufacturer ? "Manufacturer = " : "Type = ") + node->text(0), QString());
        return;
    }
    const QTreeWidgetItem* root = parent->parent();
    if (root == nullptr) {
        const QString& manufacturer = byManufacturer ? parent->text(0) : node->text(0);
        const QString& type = byManufacturer ? node->text(0) : parent->text(0);
        treeview1->ShowNotes("Manufacturer = " + manufacturer + "\nType = " + type, QString());
        return;
    }
    const QString& manufacturer = byManufacturer ? root->text(0) : parent->text(0);
    const QString& type = byManufacturer ? parent->text(0) : root->text(0);
    // The comment is read from the library when shown, not kept in every node.
    const int index = FindLibraryForNode(node);
    treeview1->ShowNotes("Manufacturer = " + manufacturer + "\nType = " + type + "\nModel = " + node->text(0),
                         index < 0 ? QString() : NotesShown(state_.IR.IRLibraryNames()[index].CommentField().view()));
}

int IRDevicePicker::FindLibraryForNode(const QTreeWidgetItem* node) const
{
    if (node == nullptr || node->parent() == nullptr || node->parent()->parent() == nullptr) return -1;
    return LibraryStillAt(DatabaseIndexOf(node), node->text(0));
}

int IRDevicePicker::LibraryStillAt(int index, const QString& model) const
{
    const auto& database = state_.IR.IRLibraryNames();
    if (index < 0 || index >= database.Count()) return -1;
    if (FromWindows1252(database[index].ModelField().view()) != model) return -1;
    return index;
}

bool IRDevicePicker::ConfirmDeviceChange() const
{
    return state_.Prompts().Message(
               "Changing the infrared device\r\nwill clear all commands\r\nallocated to this "
               "command!\r\nDo you wish to proceed?",
               "Device Changed!", PromptButtons::YesNo, PromptIcon::None) == PromptAnswer::Yes;
}

void IRDevicePicker::Pick(const QTreeWidgetItem* node)
{
    treeview1->Close();
    if (FindLibraryForNode(node) < 0) return;  // a group, or an entry no longer in the database
    const int picked = DatabaseIndexOf(node);
    const QString model = node->text(0);
    InputIRRecord& record = state_.Config.Record.InputIRRecords[static_cast<std::size_t>(input_)];
    // The question yields to the window loop, where the database may change
    // (commands that could not be read empty it): the library is looked up
    // again once it is answered.
    if (HoldsCommandNames(record) && !ConfirmDeviceChange()) return;
    const int index = LibraryStillAt(picked, model);
    if (index < 0) return;
    const IRclass& library = state_.IR.IRLibraryNames()[index];
    state_.Config.Edit(ConfigGroup::InputIR, [&] {
        record.Manufacturer = library.ManufacturerField();
        record.IRtype = library.IRtypeField();
        record.Model = library.ModelField();
        record.DeviceSelected = true;
        ClearCommandNames(record);
    });
    ShowDeviceCaption();
    IRCommandFrame->EmptyCaptions();
    IRCommandFrame->show();
}

void IRDevicePicker::Clear()
{
    InputIRRecord& record = state_.Config.Record.InputIRRecords[static_cast<std::size_t>(input_)];
    if (!record.DeviceSelected) return;
    if (state_.Prompts().Message("Do you really wish to clear the\r\n infrared settings for this input!",
                                 "Clear Infrared", PromptButtons::YesNo, PromptIcon::None) != PromptAnswer::Yes)
        return;
    state_.Config.Edit(ConfigGroup::InputIR, [&] { ClearDevice(record); });
    IRLabel->clear();
    IRCommandFrame->EmptyCaptions();
    IRCommandFrame->hide();
}

void IRDevicePicker::ShowDeviceCaption()
{
    const InputIRRecord& record = state_.Config.Record.InputIRRecords[static_cast<std::size_t>(input_)];
    IRLabel->setText("Manufacturer = " + FromWindows1252(record.Manufacturer.view()) + "\nType = " +
                     FromWindows1252(record.IRtype.view()) + "\nModel = " + FromWindows1252(record.Model.view()));
}
