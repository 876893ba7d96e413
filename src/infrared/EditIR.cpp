#include "infrared/EditIR.h"

#include "infrared/EditIRStore.h"
#include "infrared/IRGraph.h"
#include "infrared/ShowEditIR.h"
#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "platform/RecordFile.h"
#include "platform/SerialPortMaker.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QComboBox>
#include <QEventLoop>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedLayout>
#include <QTimer>
#include <QTreeWidget>

namespace {

constexpr int NameLength = 16;
constexpr int CommandIndexRole = Qt::UserRole;

QString Shown(const std::string& field)
{
    return FromWindows1252(FixedText<1>::TrimSpaces(field));
}

// A name as the editor stores it: its first 16 characters, trimmed, upper case.
std::string StoredName(const QString& text)
{
    return TrimmedUpper(ToWindows1252(text).substr(0, NameLength));
}

}  // namespace

EditIR::EditIR(ApplicationState& state, QWidget* parent)
    : QDialog(parent), state_(state), ir_(state.IR), MSComm1(MakeSerialPortOwnedBy(this, state.Installed))
{
    setWindowTitle("IR Editor");
    BuildControls();
    ConnectControls();

    IRGraph1->reset();
    for (QLineEdit* pod : PodType) pod->clear();
    UpdateCommandButtons();
    FillCommandTree();
    BackupLibrary.CopyFrom(ir_.WorkIRLibrary);
    ir_.CurrentIRCommand = nullptr;
    IRGraph1->display(true);
    FillHeaderFields();
    frontOfButtons_->setCurrentWidget(ControlFrame);
}

void EditIR::ConnectControls()
{
    connect(Manufacturer->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { NameFieldLeft(Manufacturer->lineEdit()); });
    connect(TypeCombo1->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { NameFieldLeft(TypeCombo1->lineEdit()); });
    connect(Model, &QLineEdit::editingFinished, this, [this] { NameFieldLeft(Model); });
    connect(treeview1, &QTreeWidget::itemSelectionChanged, this, &EditIR::SelectionChanged);
    connect(treeview1, &QTreeWidget::itemChanged, this, &EditIR::NodeRenamed);
    treeview1->viewport()->installEventFilter(this);
    connect(Delete, &QPushButton::clicked, this, &EditIR::DeleteClicked);
    connect(Done, &QPushButton::clicked, this, &EditIR::DoneClicked);
    connect(MainCancel, &QPushButton::clicked, this, &EditIR::MainCancelClicked);
    for (QRadioButton* option : IRport) connect(option, &QRadioButton::clicked, this, &EditIR::PortClicked);
}

void EditIR::FillHeaderFields()
{
    if (ir_.IRDatabaseAllocated()) {
        for (int i = 0; i < ir_.IRDatabase.Count(); ++i) {
            const QString name = FromWindows1252(TrimmedUpper(ir_.IRDatabase[i].Manufacturer()));
            if (Manufacturer->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
                Manufacturer->addItem(name);
        }
        for (int i = 0; i < ir_.IRDatabase.Count(); ++i) {
            const QString name = FromWindows1252(TrimmedUpper(ir_.IRDatabase[i].IRtype()));
            if (TypeCombo1->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) TypeCombo1->addItem(name);
        }
    }
    const IRclass& work = ir_.WorkIRLibrary;
    Manufacturer->setEditText(FromWindows1252(TrimmedUpper(work.Manufacturer())));
    TypeCombo1->setEditText(FromWindows1252(TrimmedUpper(work.IRtype())));
    Model->setText(FromWindows1252(TrimmedUpper(work.Model())));
    Notes->setPlainText(Shown(work.Comment()));
}

void EditIR::FillCommandTree()
{
    const QScopedValueRollback<bool> filling(filling_, true);
    treeview1->clear();
    for (int i = 0; i < ir_.WorkIRLibrary.Num_commands(); ++i) AddCommandNode(i);
}

// Each node carries the index of its command, so commands of one name
// remain apart.
QTreeWidgetItem* EditIR::AddCommandNode(int index)
{
    const QScopedValueRollback<bool> filling(filling_, true);
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
    UpdateCommandButtons();
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
    const QScopedValueRollback<bool> filling(filling_, true);
    node->setText(0, Shown(command->Name()));
    IRGraph1->display(false);
}

void EditIR::NameFieldLeft(QLineEdit* field)
{
    const QString stored = FromWindows1252(StoredName(field->text()));
    if (field->text() != stored) field->setText(stored);
}

void EditIR::DeleteClicked()
{
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

void EditIR::PortClicked()
{
    PortChosen = true;
    UpdateCommandButtons();
}

void EditIR::UpdateCommandButtons()
{
    const bool selected = !treeview1->selectedItems().isEmpty();
    AddCommand->setEnabled(PortChosen);
    ReCapture->setEnabled(selected && PortChosen);
    PlayBack->setEnabled(selected && PortChosen);
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

void EditIR::DoneClicked()
{
    IRclass& work = ir_.WorkIRLibrary;
    work.Manufacturer(StoredName(Manufacturer->currentText()));
    work.IRtype(StoredName(TypeCombo1->currentText()));
    work.Model(StoredName(Model->text()));
    work.Comment(ToWindows1252(Notes->toPlainText()));
    if (!StoreWorkIRLibrary(ir_, BackupLibrary, state_.Prompts())) return;
    CloseDown();
    try {
        ir_.SaveIRDatabase();
    } catch (const FileError& error) {
        // The library stays in the database in memory; the browser's next save may still write it.
        state_.Prompts().Message("Failed to save the IR data base! '" + QString::fromStdString(error.what()) + "'",
                                 "Save Fail!", PromptButtons::Ok, PromptIcon::Exclamation);
    }
    done(Accepted);
}

void EditIR::MainCancelClicked()
{
    ir_.WorkIRLibrary.CopyFrom(BackupLibrary);
    ir_.CurrentIRCommand = nullptr;
    CloseDown();
    done(Rejected);
}

void EditIR::CloseDown()
{
    frontOfButtons_->setCurrentWidget(ClosingFrame);
    QEventLoop pause;
    QTimer::singleShot(1500, &pause, &QEventLoop::quit);
    pause.exec();
    if (MSComm1->IsOpen()) MSComm1->Close();
}

void EditIR::reject()
{
    if (busy_) {
        closeRequested_ = true;
        return;
    }
    if (MSComm1->IsOpen()) MSComm1->Close();
    QDialog::reject();
}

void ShowEditIR(ApplicationState& state, QWidget* parent)
{
    EditIR form(state, parent);
    form.exec();
}
