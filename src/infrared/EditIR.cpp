#include "infrared/EditIR.h"

#include "controls/DiscardQuestion.h"
#include "controls/DistinctNames.h"
#include "devicelink/CaptureSession.h"
#include "infrared/EditIRStore.h"
#include "infrared/EditIRText.h"
#include "infrared/IRCapturePanel.h"
#include "infrared/IRGraph.h"
#include "infrared/ShowEditIR.h"
#include "model/ApplicationState.h"
#include "model/FindByNames.h"
#include "model/SaveDatabaseReporting.h"
#include "platform/ObjectName.h"
#include "platform/Windows1252.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

using namespace EditIRText;

namespace {

constexpr int NotesLength = 160;

QGroupBox* Framed(const QString& title, QWidget* content)
{
    auto* frame = new QGroupBox(title);
    auto* column = new QVBoxLayout(frame);
    column->addWidget(content);
    return frame;
}

QComboBox* NameList(const QString& name)
{
    auto* list = WithName(new QComboBox, name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMinimumContentsLength(NameLength);
    return list;
}

}  // namespace

EditIR::EditIR(ApplicationState& state, QWidget* parent, CaptureDurations durations)
    : QDialog(parent), state_(state), ir_(state.IR)
{
    setWindowTitle("IR Editor");
    BuildControls(durations);
    ConnectControls();

    IRGraph1->reset();
    capture_->UpdateCommandButtons();
    FillCommandTree();
    BackupLibrary.CopyFrom(ir_.WorkIRLibrary);
    ir_.CurrentIRCommand = nullptr;
    IRGraph1->display(true);
    FillHeaderFields();
    capture_->ShowPanel(CapturePanel::None);
    opened_.CopyFrom(ir_.WorkIRLibrary);
    StoreHeaderInto(opened_);
}

// The name fields report their lost focus while the children are destroyed,
// when the form is no longer there to answer.
EditIR::~EditIR()
{
    for (QComboBox* list : {Manufacturer, TypeCombo1}) list->lineEdit()->disconnect(this);
    Model->disconnect(this);
}

void EditIR::BuildControls(CaptureDurations durations)
{
    auto* left = new QVBoxLayout;
    left->addWidget(BuildHeader());
    left->addWidget(Framed("Commands", BuildCommands()), 1);

    IRGraph1 = WithName(new IRGraph(ir_.CurrentIRCommand), "IRGraph1");
    auto* right = new QVBoxLayout;
    right->addWidget(Framed("Button Detail", IRGraph1), 1);
    capture_ = new IRCapturePanel(state_, *treeview1, *IRGraph1, durations);
    right->addWidget(capture_);

    auto* main = new QHBoxLayout(this);
    main->addLayout(left, 2);
    main->addLayout(right, 3);
}

QWidget* EditIR::BuildHeader()
{
    Manufacturer = NameList("Manufacturer");
    TypeCombo1 = NameList("TypeCombo1");
    Model = WithName(new QLineEdit, "Model");
    Model->setMaxLength(NameLength);
    Notes = WithName(new QPlainTextEdit, "Notes");
    Notes->setToolTip("Up to 160 characters");
    Notes->setMaximumHeight(Notes->fontMetrics().lineSpacing() * 5);
    // Tab moves on, as in every other box; a tab character would be kept in the file.
    Notes->setTabChangesFocus(true);

    auto* names = new QWidget;
    auto* grid = new QGridLayout(names);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(Framed("Manufacturer", Manufacturer), 0, 0);
    grid->addWidget(Framed("Type", TypeCombo1), 0, 1);
    grid->addWidget(Framed("Model", Model), 1, 0);
    grid->addWidget(Framed("Notes", Notes), 2, 0, 1, 2);
    return names;
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
    connect(capture_, &IRCapturePanel::DeletePressed, this, &EditIR::DeleteClicked);
    connect(capture_, &IRCapturePanel::AddCommandPressed, this, &EditIR::AddCommandClicked);
    connect(capture_, &IRCapturePanel::ReCapturePressed, this, &EditIR::ReCaptureClicked);
    connect(capture_, &IRCapturePanel::PlayBackPressed, this, &EditIR::PlayBackClicked);
    connect(capture_, &IRCapturePanel::SearchPressed, this, &EditIR::SearchClicked);
    connect(capture_, &IRCapturePanel::DonePressed, this, &EditIR::DoneClicked);
    connect(capture_, &IRCapturePanel::MainCancelPressed, this, &EditIR::MainCancelClicked);
}

void EditIR::FillHeaderFields()
{
    if (ir_.IRDatabaseAllocated()) {
        const auto& database = ir_.IRDatabase();
        AddDistinctNames(*Manufacturer, database.Count(),
                         [&](int i) { return database[i].ManufacturerField().view(); });
        AddDistinctNames(*TypeCombo1, database.Count(), [&](int i) { return database[i].IRtypeField().view(); });
    }
    const IRclass& work = ir_.WorkIRLibrary;
    Manufacturer->setEditText(FromWindows1252(TrimmedUpper(work.Manufacturer())));
    TypeCombo1->setEditText(FromWindows1252(TrimmedUpper(work.IRtype())));
    Model->setText(FromWindows1252(TrimmedUpper(work.Model())));
    Notes->setPlainText(Shown(work.Comment()));
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

void EditIR::StoreHeaderInto(IRclass& library) const
{
    library.Manufacturer(StoredName(Manufacturer->currentText()));
    library.IRtype(StoredName(TypeCombo1->currentText()));
    library.Model(StoredName(Model->text()));
    library.Comment(ToWindows1252(Notes->toPlainText()));
}

bool EditIR::LibraryChanged() const
{
    IRclass now;
    now.CopyFrom(ir_.WorkIRLibrary);
    StoreHeaderInto(now);
    return !now.IsSameAs(opened_);
}

void EditIR::DoneClicked()
{
    StoreHeaderInto(ir_.WorkIRLibrary);
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
    closingDown_ = true;
    capture_->CloseDown();
}

void EditIR::keyPressEvent(QKeyEvent* event)
{
    if (!event->matches(QKeySequence::Cancel)) {
        QDialog::keyPressEvent(event);
        return;
    }
    // A capture panel's Cancel ends the capture, not the editing.
    if (capture_->ClickPanelCancelInView() || !capture_->MainCancelInView()) return;
    if (DiscardAgreed(state_.Prompts(), LibraryChanged())) capture_->ClickMainCancel();
}

void EditIR::reject()
{
    if (capture_->Busy()) {
        capture_->AbortForClose();
        closeRequested_ = true;
        return;
    }
    if (CloseAgreed()) CloseWindow();
}

void EditIR::FinishPendingClose()
{
    // A close during the restart the pod is owed asks again.
    while (closeRequested_) {
        closeRequested_ = false;
        if (CloseAgreed()) {
            CloseWindow();
            return;
        }
        capture_->Session().Resume();
    }
}

bool EditIR::CloseAgreed() const
{
    // Done or Cancel is already closing the editor: there is nothing left to ask.
    return closingDown_ || DiscardAgreed(state_.Prompts(), LibraryChanged());
}

void EditIR::CloseWindow()
{
    capture_->Session().EditorWindowClosing();
    QDialog::reject();
}

void ShowEditIR(ApplicationState& state, QWidget* parent)
{
    EditIR form(state, parent);
    form.exec();
}
