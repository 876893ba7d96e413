#include "rs232/SerialLibraryEdit.h"

#include "controls/DiscardQuestion.h"
#include "controls/DistinctNames.h"
#include "controls/IntegerEntry.h"
#include "controls/PageChange.h"
#include "controls/RowsScrollArea.h"
#include "controls/SaveCancelRow.h"
#include "controls/ScreenFit.h"
#include "controls/TabStepKeys.h"
#include "model/ApplicationState.h"
#include "platform/FixedText.h"
#include "platform/ObjectName.h"
#include "platform/Windows1252.h"
#include "rs232/RS232commandControl.h"
#include "rs232/SerialLibraryEditSave.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

enum Tab { FirstCommands, SecondCommands, SettingsTab };
constexpr int RowsShown = 16;
constexpr auto NameLength = RS232FileBlockClass::NameLength;
constexpr auto NotesLength = static_cast<int>(RS232FileBlockClass::NotesLength);
const QString ByteDelayTip = "Minimum delay between serial bytes";

// A name as the library keeps it: without control characters, as the loader
// reads it, then 16 characters at most, trimmed, upper case.
std::string LibraryName(const QString& text)
{
    return FixedText<1>::TrimSpaces(UpperCase1252(WithoutControlCharacters(ToWindows1252(text)).substr(0, NameLength)));
}

QString Shown(const std::string& field)
{
    return FromWindows1252(FixedText<1>::TrimSpaces(field));
}

QComboBox* NameList(const QString& name)
{
    auto* list = WithName(new QComboBox, name);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->lineEdit()->setMaxLength(static_cast<int>(NameLength));
    list->setMinimumContentsLength(static_cast<int>(NameLength));
    return list;
}

template <std::size_t N>
QGroupBox* OptionFrame(const QString& title, std::array<QRadioButton*, N>& options,
                       const std::array<const char*, N>& captions, const QString& name, QObject* owner)
{
    auto* frame = new QGroupBox(title);
    auto* column = new QVBoxLayout(frame);
    auto* group = new QButtonGroup(owner);
    for (std::size_t i = 0; i < N; ++i) {
        options[i] = WithName(new QRadioButton(captions[i]), name, i);
        group->addButton(options[i]);
        column->addWidget(options[i]);
    }
    column->addStretch();
    return frame;
}

}  // namespace

SerialLibraryEdit::SerialLibraryEdit(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("RS232 commands editor");
    BuildControls();
    Load();
    opened_.CopyFrom(state_.RS232Libraries.WorkRS232Library);
    WriteLibraryCommands(state_.RS232Libraries.EditCommandSerials, opened_);
}

// The name lists report their edits while the children are destroyed, when
// the form is no longer there to answer.
SerialLibraryEdit::~SerialLibraryEdit()
{
    for (QComboBox* list : {Manufacturer, TypeCombo1}) list->disconnect(this);
    Model->disconnect(this);
    Notes->disconnect(this);
}

void SerialLibraryEdit::BuildControls()
{
    SSTab1 = WithName(new QTabBar, "SSTab1");
    for (const char* caption : {"Commands 1 to 16", "Commands 17 to 32", "Settings"}) SSTab1->addTab(caption);
    // A click leaves the focus where it was, or takes it into the page shown
    // (ShowTab): a tab bar clicked into focus would show none.
    SSTab1->setFocusPolicy(Qt::TabFocus);

    SerialFrame = WithName(new QWidget, "SerialFrame");
    auto* rows = new QVBoxLayout(SerialFrame);
    rows->setSpacing(2);
    for (std::size_t k = 0; k < RS232commandControl1.size(); ++k) {
        RS232commandControl1[k] = WithName(new RS232commandControl(state_, state_.RS232Libraries.EditCommandSerials),
                                           "RS232commandControl1", k);
        RS232commandControl1[k]->setMinimumWidth(560);
        rows->addWidget(RS232commandControl1[k]);
    }
    rows->addStretch();
    // Sixteen rows are taller than a laptop's screen: they scroll, and Save
    // and Cancel stay in view below them.
    commandRows_ = new RowsScrollArea(SerialFrame);
    settingsPage_ = BuildSettings();

    QHBoxLayout* buttons = SaveCancelRow(Done, Cancel);

    auto* page = new QGroupBox;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(commandRows_);
    pageLayout->addWidget(settingsPage_);
    auto* main = new QVBoxLayout(this);
    main->setSpacing(0);
    main->addWidget(SSTab1);
    main->addWidget(page, 1);
    main->addSpacing(8);
    main->addLayout(buttons);
    // The commands tabs set the size, which stays as the tabs change.
    settingsPage_->hide();
    FitToScreen(*this);

    connect(SSTab1, &QTabBar::currentChanged, this, &SerialLibraryEdit::ShowTab);
    // From the keyboard the focus goes into the page shown, from Save and
    // Cancel too; on the tabs it stays.
    AddTabStepKeys(*this, [this](int places) {
        const int tab = SteppedTab(SSTab1->currentIndex(), places, SSTab1->count());
        ChangePage(Page(tab), *SSTab1, [&] { SSTab1->setCurrentIndex(tab); });
    });
    connect(Done, &QPushButton::clicked, this, &SerialLibraryEdit::SaveClicked);
    // Cancel leaves at once, as it always has; only Escape and the close box ask.
    connect(Cancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
}

QWidget* SerialLibraryEdit::BuildSettings()
{
    auto* names = new QGroupBox;
    auto* namesGrid = new QGridLayout(names);
    Manufacturer = NameList("Manufacturer");
    TypeCombo1 = NameList("TypeCombo1");
    Model = WithName(new QLineEdit, "Model");
    Model->setMaxLength(static_cast<int>(NameLength));
    namesGrid->addWidget(new QLabel("Manufacturer"), 0, 0);
    namesGrid->addWidget(Manufacturer, 0, 1);
    namesGrid->addWidget(new QLabel("Type"), 1, 0);
    namesGrid->addWidget(TypeCombo1, 1, 1);
    namesGrid->addWidget(new QLabel("Model"), 2, 0);
    namesGrid->addWidget(Model, 2, 1);
    namesGrid->setRowStretch(3, 1);

    auto* baudFrame = OptionFrame<5>("Baudrate", Baudrate, {"9600", "19k2", "38k4", "57k6", "115k2"}, "Baudrate", this);
    auto* parityFrame = OptionFrame<3>("Parity", ParityOption, {"None", "Even", "Odd"}, "ParityOption", this);

    auto* delayFrame = new QGroupBox("Byte delay");
    auto* delayRow = new QHBoxLayout(delayFrame);
    InterByteDelay = WithName(new IntegerEntry, "InterByteDelay");
    InterByteDelay->setMaximumWidth(InterByteDelay->sizeHint().width());
    delayRow->addWidget(InterByteDelay);
    delayRow->addWidget(new QLabel("mS"));
    delayRow->addStretch();

    auto* notesFrame = new QGroupBox("Notes");
    auto* notesColumn = new QVBoxLayout(notesFrame);
    Notes = WithName(new QPlainTextEdit, "Notes");
    Notes->setToolTip(QString("Up to %1 characters").arg(NotesLength));
    // Tab moves on, as in every other box; a tab character would be kept in the file.
    Notes->setTabChangesFocus(true);
    notesColumn->addWidget(Notes);

    auto* left = new QVBoxLayout;
    left->addWidget(names);
    left->addWidget(delayFrame);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(baudFrame);
    top->addWidget(parityFrame);
    auto* settings = WithName(new QWidget, "SettingsPage");
    auto* column = new QVBoxLayout(settings);
    column->setContentsMargins(0, 0, 0, 0);
    column->addLayout(top);
    column->addWidget(notesFrame, 1);

    for (QComboBox* list : {Manufacturer, TypeCombo1}) {
        connect(list, &QComboBox::editTextChanged, this, &SerialLibraryEdit::StoreNames);
        connect(list, &QComboBox::activated, this, &SerialLibraryEdit::StoreNames);
    }
    connect(Model, &QLineEdit::textChanged, this, &SerialLibraryEdit::StoreNames);
    for (QRadioButton* option : Baudrate)
        connect(option, &QRadioButton::clicked, this, &SerialLibraryEdit::StorePortSettings);
    for (QRadioButton* option : ParityOption)
        connect(option, &QRadioButton::clicked, this, &SerialLibraryEdit::StorePortSettings);
    connect(InterByteDelay, &IntegerEntry::ValueChanged, this, &SerialLibraryEdit::StorePortSettings);
    connect(Notes, &QPlainTextEdit::textChanged, this, &SerialLibraryEdit::StoreNotes);
    return settings;
}

void SerialLibraryEdit::Load()
{
    SSTab1->setCurrentIndex(SettingsTab);
    ShowTab(SettingsTab);
    Manufacturer->setFocus();  // the names come first, from the keyboard too
    const FillGuard loading(Loading);
    SerialClassGlobals& libraries = state_.RS232Libraries;
    const RS232FileBlockClass& work = libraries.WorkRS232Library;
    Manufacturer->setEditText(Shown(work.Manufacturer()));
    TypeCombo1->setEditText(Shown(work.MyType()));
    // A stored index without an option shows none and is kept until one is chosen.
    const int16_t baudrate = work.Baudrate();
    if (baudrate >= 0 && baudrate < static_cast<int16_t>(Baudrate.size()))
        Baudrate[static_cast<std::size_t>(baudrate)]->setChecked(true);
    const int16_t parity = work.Parity();
    if (parity >= 0 && parity < static_cast<int16_t>(ParityOption.size()))
        ParityOption[static_cast<std::size_t>(parity)]->setChecked(true);
    Notes->setPlainText(Shown(work.Notes()));
    Model->setText(Shown(work.Model()));
    InterByteDelay->set_values(work.InterByteDelay(), 0, 255, ByteDelayTip);
    LoadLibraryCommands(work, libraries.EditCommandSerials);
    FillNameLists();
}

// Each list holds every distinct name of the database once, in database
// order, as the names are compared: trimmed and upper case.
void SerialLibraryEdit::FillNameLists()
{
    const SerialClassGlobals& libraries = state_.RS232Libraries;
    if (!libraries.RS232DatabaseAllocated()) return;
    const QString manufacturer = Manufacturer->currentText();
    const QString type = TypeCombo1->currentText();
    const auto& database = libraries.RS232Database();
    AddDistinctNames(*Manufacturer, database.Count(), [&](int i) { return database[i].ManufacturerField().view(); });
    AddDistinctNames(*TypeCombo1, database.Count(), [&](int i) { return database[i].MyTypeField().view(); });
    // Adding the first item puts it into the box: the library's own names stay.
    Manufacturer->setEditText(manufacturer);
    TypeCombo1->setEditText(type);
}

QWidget& SerialLibraryEdit::Page(int tab) const
{
    return tab == SettingsTab ? *settingsPage_ : *commandRows_;
}

void SerialLibraryEdit::ShowTab(int tab)
{
    // The focus on a page that hid goes into the page shown, not on to the
    // buttons; on a control still shown it stays.
    ChangePage(Page(tab), *this, [&] {
        SerialFrame->setVisible(tab != SettingsTab);
        commandRows_->setVisible(tab != SettingsTab);
        settingsPage_->setVisible(tab == SettingsTab);
    });
    if (tab == SettingsTab) return;
    const int first = tab == FirstCommands ? 0 : RowsShown;
    for (int k = 0; k < RowsShown; ++k)
        RS232commandControl1[static_cast<std::size_t>(k)]->MyIndex(static_cast<int16_t>(first + k));
}

void SerialLibraryEdit::StoreNames()
{
    if (Loading) return;
    RS232FileBlockClass& work = state_.RS232Libraries.WorkRS232Library;
    work.Manufacturer(LibraryName(Manufacturer->currentText()));
    work.MyType(LibraryName(TypeCombo1->currentText()));
    work.Model(LibraryName(Model->text()));
    StampCommands();
}

void SerialLibraryEdit::StorePortSettings()
{
    if (Loading) return;
    RS232FileBlockClass& work = state_.RS232Libraries.WorkRS232Library;
    const auto chosen = [](const auto& options) {
        return std::find_if(options.begin(), options.end(), [](QRadioButton* o) { return o->isChecked(); });
    };
    if (const auto baudrate = chosen(Baudrate); baudrate != Baudrate.end())
        work.Baudrate(static_cast<int16_t>(baudrate - Baudrate.begin()));
    if (const auto parity = chosen(ParityOption); parity != ParityOption.end())
        work.Parity(static_cast<int16_t>(parity - ParityOption.begin()));
    work.InterByteDelay(InterByteDelay->return_value());
    StampCommands();
}

// The field holds 160 Windows-1252 characters: text beyond them, or that the
// code page cannot hold, is shown as it will be kept.
void SerialLibraryEdit::StoreNotes()
{
    if (Loading) return;
    const QString text = Notes->toPlainText();
    const QString storable = FromWindows1252(ToWindows1252(text)).left(NotesLength);
    if (storable != text) {
        const int caret = std::min(Notes->textCursor().position(), static_cast<int>(storable.size()));
        const FillGuard loading(Loading);
        Notes->setPlainText(storable);
        QTextCursor cursor = Notes->textCursor();
        cursor.setPosition(caret);
        Notes->setTextCursor(cursor);
    }
    state_.RS232Libraries.WorkRS232Library.Notes(ToWindows1252(storable));
    StampCommands();
}

void SerialLibraryEdit::StampCommands()
{
    StampLibraryCommands(state_.RS232Libraries.WorkRS232Library, state_.RS232Libraries.EditCommandSerials);
}

void SerialLibraryEdit::SaveClicked()
{
    if (SaveWorkRS232Library(state_.RS232Libraries, state_.Prompts())) accept();
}

void SerialLibraryEdit::reject()
{
    if (DiscardAgreed(state_.Prompts(), LibraryChanged())) QDialog::reject();
}

bool SerialLibraryEdit::LibraryChanged() const
{
    const SerialClassGlobals& libraries = state_.RS232Libraries;
    RS232FileBlockClass now;
    now.CopyFrom(libraries.WorkRS232Library);
    WriteLibraryCommands(libraries.EditCommandSerials, now);
    return !now.IsSameAs(opened_);
}

void ShowSerialLibraryEdit(ApplicationState& state, QWidget* parent)
{
    SerialLibraryEdit form(state, parent);
    form.exec();
}
