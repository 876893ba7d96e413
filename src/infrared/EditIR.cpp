#include "infrared/EditIR.h"

#include "devicelink/CaptureSession.h"
#include "infrared/EditIRStore.h"
#include "infrared/IRGraph.h"
#include "infrared/ShowEditIR.h"
#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "model/SaveDatabaseReporting.h"
#include "platform/SerialPortMaker.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedLayout>
#include <QTreeWidget>
#include <algorithm>

namespace {

constexpr int NameLength = 16;
constexpr int NotesLength = 160;
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

EditIR::EditIR(ApplicationState& state, QWidget* parent, CaptureDurations durations)
    : QDialog(parent), state_(state), ir_(state.IR), MSComm1(MakeSerialPortOwnedBy(this, state.Installed))
{
    setWindowTitle("IR Editor");
    BuildControls();
    session_ = std::make_unique<CaptureSession>(*MSComm1, state.Prompts(), state.DeviceTypes,
                                                static_cast<CaptureView&>(*this), durations);
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

// The name fields report their lost focus while the children are destroyed,
// when the form is no longer there to answer.
EditIR::~EditIR()
{
    for (QComboBox* list : {Manufacturer, TypeCombo1}) list->lineEdit()->disconnect(this);
    Model->disconnect(this);
}

void EditIR::ConnectControls()
{
    connect(Manufacturer->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { NameFieldLeft(Manufacturer->lineEdit()); });
    connect(TypeCombo1->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { NameFieldLeft(TypeCombo1->lineEdit()); });
    connect(Model, &QLineEdit::editingFinished, this, [this] { NameFieldLeft(Model); });
    connect(Notes, &QPlainTextEdit::textChanged, this, &EditIR::KeepNotesStorable);
    connect(treeview1, &QTreeWidget::itemSelectionChanged, this, &EditIR::SelectionChanged);
    connect(treeview1, &QTreeWidget::itemChanged, this, &EditIR::NodeRenamed);
    treeview1->viewport()->installEventFilter(this);
    connect(Delete, &QPushButton::clicked, this, &EditIR::DeleteClicked);
    connect(AddCommand, &QPushButton::clicked, this, &EditIR::AddCommandClicked);
    connect(ReCapture, &QPushButton::clicked, this, &EditIR::ReCaptureClicked);
    connect(PlayBack, &QPushButton::clicked, this, &EditIR::PlayBackClicked);
    connect(search, &QPushButton::clicked, this, &EditIR::SearchClicked);
    connect(Done, &QPushButton::clicked, this, &EditIR::DoneClicked);
    connect(MainCancel, &QPushButton::clicked, this, &EditIR::MainCancelClicked);
    for (QRadioButton* option : IRport)
        connect(option, &QRadioButton::clicked, this, [this] { session_->PortClicked(); });
    for (QPushButton* button : Cancel)
        connect(button, &QPushButton::clicked, this, [this] { session_->CancelClicked(); });
    connect(Retry, &QPushButton::clicked, this, [this] { session_->RetryClicked(); });
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

// The comment holds 160 Windows-1252 characters: the box shows no more
// than Done will keep.
void EditIR::KeepNotesStorable()
{
    const QString text = Notes->toPlainText();
    const QString storable = FromWindows1252(ToWindows1252(text)).left(NotesLength);
    if (storable == text) return;
    const int caret = std::min(Notes->textCursor().position(), static_cast<int>(storable.size()));
    Notes->setPlainText(storable);
    QTextCursor cursor = Notes->textCursor();
    cursor.setPosition(caret);
    Notes->setTextCursor(cursor);
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

void EditIR::DoneClicked()
{
    IRclass& work = ir_.WorkIRLibrary;
    work.Manufacturer(StoredName(Manufacturer->currentText()));
    work.IRtype(StoredName(TypeCombo1->currentText()));
    work.Model(StoredName(Model->text()));
    work.Comment(ToWindows1252(Notes->toPlainText()));
    if (!StoreWorkIRLibrary(ir_, BackupLibrary, state_.Prompts())) return;
    CloseDown();
    // A library that fails to reach the disk stays in memory; the browser's next save may still write it.
    SaveDatabaseReporting(state_.Prompts(), "IR", [this] { ir_.SaveIRDatabase(); });
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
    session_->CloseEditor();
}

void EditIR::keyPressEvent(QKeyEvent* event)
{
    if (!event->matches(QKeySequence::Cancel)) {
        QDialog::keyPressEvent(event);
        return;
    }
    for (QPushButton* cancel : Cancel) {
        if (cancel->isVisible() && cancel->isEnabled()) {
            cancel->click();
            return;
        }
    }
    if (MainCancel->isVisible() && MainCancel->isEnabled()) MainCancel->click();
}

void EditIR::reject()
{
    if (busy_) {
        session_->Flags().EditorAbortWait = true;
        closeRequested_ = true;
        return;
    }
    session_->EditorWindowClosing();
    QDialog::reject();
}

void EditIR::FinishPendingClose()
{
    if (!closeRequested_) return;
    closeRequested_ = false;
    reject();
}

void ShowEditIR(ApplicationState& state, QWidget* parent)
{
    EditIR form(state, parent);
    form.exec();
}
