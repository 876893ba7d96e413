#include "devicelink/CaptureLayout.h"
#include "devicelink/CaptureSession.h"
#include "infrared/EditIR.h"
#include "infrared/EditIRStore.h"
#include "infrared/EnterName.h"
#include "infrared/IRGraph.h"
#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "model/LibraryFull.h"

#include <QButtonGroup>
#include <QFrame>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedLayout>
#include <QTreeWidget>

void EditIR::AddCommandClicked()
{
    EnableEditorControls(false);
    std::string name;
    {
        EnterName dialog(ir_.WorkIRLibrary, state_.Prompts(), this);
        dialog.exec();
        name = dialog.KeyName();
    }
    if (!name.empty() && HasRoomFor(name) && session_->RunCaptureSession(ir_.IRCaptureRecord)) {
        ir_.IRCaptureRecord.Name = name;
        SelectCommand(StoreCapture(name));
    }
    EnableEditorControls(true);
    UpdateCommandButtons();
    FinishPendingClose();
}

// The files count a library's commands in one byte: the user learns that
// before pressing the remote's button, not after.
bool EditIR::HasRoomFor(const std::string& name)
{
    const IRclass& work = ir_.WorkIRLibrary;
    if (FindIRCommand(work, name) >= 0 || work.Num_commands() < IRclass::MaximumCommands) return true;
    ReportLibraryFull(state_.Prompts(), IRclass::MaximumCommands, {name});
    return false;
}

// A name the library holds already was agreed to be replaced: that command
// takes the capture rather than a second command of the name.
int EditIR::StoreCapture(const std::string& name)
{
    IRclass& work = ir_.WorkIRLibrary;
    int index = FindIRCommand(work, name);
    if (index < 0) {
        work.AddIRCommand().Name(TrimmedUpper(name));
        index = work.Num_commands() - 1;
        AddCommandNode(index);
    }
    TakeCapture(ir_.IRCaptureRecord, *work.CommandAt(index));
    return index;
}

void EditIR::SelectCommand(int index)
{
    for (int i = 0; i < treeview1->topLevelItemCount(); ++i) {
        QTreeWidgetItem* node = treeview1->topLevelItem(i);
        if (node->data(0, Qt::UserRole).toInt() != index) continue;
        treeview1->setCurrentItem(node);
        treeview1->scrollToItem(node);
    }
    // The view shows the stored command even when its node was selected already.
    ir_.CurrentIRCommand = ir_.WorkIRLibrary.IRCommands(SelectedCommandIndex());
    IRGraph1->display(true);
}

void EditIR::ReCaptureClicked()
{
    const std::shared_ptr<IRCommandClass> command = ir_.CurrentIRCommand;
    if (!command) return;
    EnableEditorControls(false);
    if (session_->RunCaptureSession(ir_.IRCaptureRecord)) {
        ir_.IRCaptureRecord.Name = "";
        TakeCapture(ir_.IRCaptureRecord, *command);
        IRGraph1->display(true);
    }
    EnableEditorControls(true);
    UpdateCommandButtons();
    FinishPendingClose();
}

// Test plays the selected command, whichever was captured last.
void EditIR::PlayBackClicked()
{
    const IRCommandClass* command = ir_.WorkIRLibrary.CommandAt(SelectedCommandIndex());
    if (command == nullptr) return;
    session_->PlayBack(CaptureRecordOf(*command));
    FinishPendingClose();
}

void EditIR::SearchClicked()
{
    session_->SearchClicked();
    FinishPendingClose();
}

void EditIR::ShowPanel(CapturePanel panel)
{
    QWidget* front = ControlFrame;
    switch (panel) {
    case CapturePanel::None: break;
    case CapturePanel::Press: front = Press; break;
    case CapturePanel::Release: front = Release; break;
    case CapturePanel::Downloading: front = Downloading; break;
    case CapturePanel::DoneOk: front = DoneOk; break;
    case CapturePanel::DoneFailed: front = DoneFailed; break;
    }
    frontOfButtons_->setCurrentWidget(front);
}

void EditIR::SetProgress(int value)
{
    ProgressBar1->setValue(value);
}

std::optional<int> EditIR::CheckedPortRow() const
{
    for (std::size_t i = 0; i < IRport.size(); ++i)
        if (IRport[i]->isChecked()) return static_cast<int>(i);
    return std::nullopt;
}

void EditIR::SetPodType(int row, const QString& text)
{
    PodType.at(static_cast<std::size_t>(row))->setText(text);
}

void EditIR::SetPodTypeVisible(int row, bool visible)
{
    PodType.at(static_cast<std::size_t>(row))->setVisible(visible);
}

void EditIR::SetPortOption(int row, bool enabled, bool visible)
{
    QRadioButton* option = IRport.at(static_cast<std::size_t>(row));
    // An exclusive group keeps its one checked option: it lets go only while not exclusive.
    portGroup_->setExclusive(false);
    option->setChecked(false);
    portGroup_->setExclusive(true);
    option->setEnabled(enabled);
    option->setVisible(visible);
}

void EditIR::SetBlanking(int index, bool visible)
{
    if (index == SearchingBlanking) {
        Blanking[SearchingBlanking]->setVisible(visible);
        return;
    }
    const auto row = static_cast<std::size_t>(index);
    portRows_.at(row)->setCurrentIndex(visible ? 1 : 0);
}

void EditIR::UpdateCommandButtons()
{
    const bool portChosen = session_->Flags().PortChosen;
    const bool selected = !treeview1->selectedItems().isEmpty();
    AddCommand->setEnabled(portChosen);
    ReCapture->setEnabled(selected && portChosen);
    PlayBack->setEnabled(selected && portChosen);
    Delete->setEnabled(selected);
}

void EditIR::EnableEditorControls(bool enabled)
{
    busy_ = !enabled;
    for (QWidget* control : {static_cast<QWidget*>(Done), static_cast<QWidget*>(search),
                             static_cast<QWidget*>(MainCancel), static_cast<QWidget*>(treeview1)})
        control->setEnabled(enabled);
    for (QRadioButton* option : IRport) option->setEnabled(enabled);
    if (!enabled)
        for (QPushButton* button : {AddCommand, ReCapture, PlayBack, Delete}) button->setEnabled(false);
}

void EditIR::RedrawCodeView()
{
    IRGraph1->display(true);
}
