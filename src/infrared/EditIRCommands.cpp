// The editor's list of named commands: filled from the library, renamed in
// place, deleted, and added to or replaced by a capture.
#include "controls/FocusReturn.h"
#include "devicelink/CaptureLayout.h"
#include "devicelink/CaptureSession.h"
#include "infrared/EditIR.h"
#include "infrared/EditIRStore.h"
#include "infrared/EditIRText.h"
#include "infrared/EnterName.h"
#include "infrared/IRCapturePanel.h"
#include "infrared/IRGraph.h"
#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "model/LibraryFull.h"
#include "platform/ObjectName.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QMouseEvent>
#include <QTreeWidget>

using namespace EditIRText;

namespace {

constexpr int CommandIndexRole = Qt::UserRole;

}  // namespace

QWidget* EditIR::BuildCommands()
{
    treeview1 = WithName(new QTreeWidget, "treeview1");
    treeview1->setHeaderHidden(true);
    treeview1->setRootIsDecorated(false);
    treeview1->setSortingEnabled(true);
    treeview1->sortByColumn(0, Qt::AscendingOrder);
    treeview1->setSelectionMode(QAbstractItemView::SingleSelection);
    treeview1->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    treeview1->setMinimumHeight(160);
    return treeview1;
}

void EditIR::FillCommandTree()
{
    const FillGuard filling(filling_);
    treeview1->clear();
    for (int i = 0; i < ir_.WorkIRLibrary.Num_commands(); ++i) AddCommandNode(i);
}

// Each node carries the index of its command, so commands of one name
// remain apart.
QTreeWidgetItem* EditIR::AddCommandNode(int index)
{
    const FillGuard filling(filling_);
    auto* node = new QTreeWidgetItem;
    node->setText(0, Shown(ir_.WorkIRLibrary.CommandAt(index)->Name()));
    node->setData(0, CommandIndexRole, index);
    node->setFlags(node->flags() | Qt::ItemIsEditable);
    treeview1->addTopLevelItem(node);
    return node;
}

int EditIR::SelectedCommandIndex() const
{
    const QList<QTreeWidgetItem*> selected = treeview1->selectedItems();
    if (selected.isEmpty()) return -1;
    const int index = selected.front()->data(0, CommandIndexRole).toInt();
    return index < ir_.WorkIRLibrary.Num_commands() ? index : -1;
}

void EditIR::SelectionChanged()
{
    if (filling_) return;
    ir_.CurrentIRCommand = ir_.WorkIRLibrary.IRCommands(SelectedCommandIndex());
    IRGraph1->display(true);
    capture_->UpdateCommandButtons();
}

void EditIR::ClearSelection()
{
    treeview1->clearSelection();
    treeview1->setCurrentItem(nullptr);
    SelectionChanged();
}

bool EditIR::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == treeview1->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (treeview1->itemAt(press->position().toPoint()) == nullptr) {
            ClearSelection();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void EditIR::NodeRenamed(QTreeWidgetItem* node)
{
    if (filling_) return;
    const int index = node->data(0, CommandIndexRole).toInt();
    IRCommandClass* command = ir_.WorkIRLibrary.CommandAt(index);
    if (command == nullptr) return;
    command->Name(StoredName(node->text(0)));
    const FillGuard filling(filling_);
    node->setText(0, Shown(command->Name()));
    IRGraph1->display(false);
}

void EditIR::DeleteClicked()
{
    const FocusReturn keepFocus(*this, *treeview1);
    const QList<QTreeWidgetItem*> selected = treeview1->selectedItems();
    if (selected.isEmpty()) return;
    const QString question = "Delete button '" + selected.front()->text(0).trimmed() + "'";
    if (state_.Prompts().Message(question, "Delete!", PromptButtons::YesNo, PromptIcon::None) != PromptAnswer::Yes)
        return;
    const int index = SelectedCommandIndex();
    if (index < 0) return;
    // Later commands move down through the objects of the list, so no
    // reference to one may outlive the delete: the view is cleared with the selection.
    ir_.CurrentIRCommand = nullptr;
    ir_.WorkIRLibrary.RemoveIRCommand(index);
    FillCommandTree();
    ClearSelection();
}

void EditIR::AddCommandClicked()
{
    const FocusReturn keepFocus(*this, *treeview1);
    capture_->EnableEditorControls(false);
    std::string name;
    {
        EnterName dialog(ir_.WorkIRLibrary, state_.Prompts(), this);
        dialog.exec();
        name = dialog.KeyName();
    }
    if (!name.empty() && HasRoomFor(name) && capture_->Session().RunCaptureSession(ir_.IRCaptureRecord)) {
        ir_.IRCaptureRecord.Name = name;
        SelectCommand(StoreCapture(name));
    }
    capture_->EnableEditorControls(true);
    capture_->UpdateCommandButtons();
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
    const FocusReturn keepFocus(*this, *treeview1);
    capture_->EnableEditorControls(false);
    if (capture_->Session().RunCaptureSession(ir_.IRCaptureRecord)) {
        ir_.IRCaptureRecord.Name = "";
        TakeCapture(ir_.IRCaptureRecord, *command);
        IRGraph1->display(true);
    }
    capture_->EnableEditorControls(true);
    capture_->UpdateCommandButtons();
    FinishPendingClose();
}

// Test plays the selected command, whichever was captured last.
void EditIR::PlayBackClicked()
{
    const IRCommandClass* command = ir_.WorkIRLibrary.CommandAt(SelectedCommandIndex());
    if (command == nullptr) return;
    const FocusReturn keepFocus(*this, *treeview1);
    capture_->Session().PlayBack(CaptureRecordOf(*command));
    FinishPendingClose();
}

void EditIR::SearchClicked()
{
    const FocusReturn keepFocus(*this, *treeview1);
    capture_->Session().SearchClicked();
    FinishPendingClose();
}
