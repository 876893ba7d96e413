#include "projectors/ProjectorSetupForm.h"

#include "controls/DiscardQuestion.h"
#include "controls/DistinctNames.h"
#include "controls/IntegerEntry.h"
#include "controls/RowsScrollArea.h"
#include "controls/SaveCancelRow.h"
#include "controls/ScreenFit.h"
#include "controls/TabOrder.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "platform/ObjectName.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"
#include "projectors/ProjectorSetupSave.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Columns of the message grid: a reply box stands in ReplyColumnCheck while
// ticked and in RowEndCheck while not, when the command widens over the
// reply column.
enum GridColumn { LabelColumn, OptionColumn, CommandColumn, ReplyColumnCheck, ReplyColumn, RowEndCheck };

// The narrowest a message display may be.
constexpr int MessageWidth = 240;

const QString ByteDelayTip = "Minimum delay between serial bytes";
const QString CommandDelayTip = "Minimum delay between serial commands";
const QString WarmUpTip = "Time it takes the projector to warm up after power on";
const QString CoolDownTip = "Time it takes the projector to cool down after power off";
const QString CoolDownOutOfRangeTip = "Time it takes the projector to cool down after power down";

// Slots of the left column, top to bottom, with their captions.
struct CommandRowText {
    int slot;
    const char* label;
};
constexpr std::array<CommandRowText, 12> CommandRowTexts = {{{0, "Serial enable"},
                                                             {1, "Power on"},
                                                             {2, "Data 1"},
                                                             {3, "Data 2 (Component)"},
                                                             {4, "Video 1"},
                                                             {23, "Video 2 (HDMI)"},
                                                             {5, "Blank On (Off)"},
                                                             {24, "Blank Off"},
                                                             {6, "Volume up"},
                                                             {7, "Volume down"},
                                                             {8, "Power off"},
                                                             {9, "Serial disable"}}};

int ReplyCheckOf(int slot)
{
    return slot == 23 ? 11 : slot == 24 ? 12 : slot;
}
int ReplyOf(int slot)
{
    return slot == 23 ? 21 : slot == 24 ? 22 : slot + 10;
}

// A stored timing outside the entry's range shows as 0.
int16_t WithinRange(int16_t value, int16_t maximum)
{
    return value < 0 || value > maximum ? int16_t{0} : value;
}

QLabel* Caption(const QString& text)
{
    return new QLabel(text);
}

}  // namespace

ProjectorSetupForm::ProjectorSetupForm(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Projector/Display Setup");
    BuildControls();
    Load();
    FitToScreen(*this);
    SetTabOrderByRows();
    Manufacturer->setFocus();  // the names come first, from the keyboard too
    opened_.CopyFromProjectorClass(state_.Projectors.WorkProjector);
    StoreInto(opened_);
}

// The panes are bound to the form's messages, which die before the form's
// children do: the panes go first. The name box reports its lost focus while
// the children are destroyed, when the form is no longer there to answer.
ProjectorSetupForm::~ProjectorSetupForm()
{
    Manufacturer->lineEdit()->disconnect(this);
    for (SerialStringDisplay*& display : SerialStringDisplay1) {
        delete display;
        display = nullptr;
    }
}

void ProjectorSetupForm::BuildControls()
{
    QHBoxLayout* buttons = SaveCancelRow(Done, Cancel);

    auto* contents = new QWidget;
    auto* column = new QVBoxLayout(contents);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(BuildSettings());
    column->addWidget(BuildMessageGrid());
    column->addStretch();
    auto* main = new QVBoxLayout(this);
    // With every option ticked the form is taller than a laptop's screen: it
    // scrolls, and Save and Cancel stay in view below it.
    main->addWidget(new RowsScrollArea(contents), 1);
    main->addLayout(buttons);

    connect(Done, &QPushButton::clicked, this, &ProjectorSetupForm::SaveClicked);
    // Cancel leaves at once, as it always has; only Escape and the close box ask.
    connect(Cancel, &QPushButton::clicked, this, [this] { QDialog::reject(); });
}

// Tab runs through the controls as they are seen: the settings, then the
// message grid row by row, each row from left to right.
void ProjectorSetupForm::SetTabOrderByRows()
{
    std::vector<QWidget*> order = {Manufacturer, Model,        InterByteDelay, InterCommandDelay,
                                   WarmUpTime,   CoolDownTime, Notes};
    order.insert(order.end(), Baudrate.begin(), Baudrate.end());
    order.insert(order.end(), ParityOption.begin(), ParityOption.end());
    const auto optionsBeside = [this](int slot) -> std::vector<QWidget*> {
        switch (slot) {
        case 0: return {SerialOnOffUsedCheck};
        case 3: return {AvailableCheck[1]};
        case 5: return {AvailableCheck[3]};
        case 6: return {VolumeAvailableCheck, UseLevelsCheck};
        case 23: return {AvailableCheck[5]};
        case 24: return {AvailableCheck[4]};
        default: return {};
        }
    };
    for (const CommandRow& row : commandRows_) {
        const std::vector<QWidget*> options = optionsBeside(row.slot);
        order.insert(order.end(), options.begin(), options.end());
        order.push_back(SerialStringDisplay1[static_cast<std::size_t>(row.slot)]);
        order.push_back(ReplyCheck[static_cast<std::size_t>(row.replyCheck)]);
        order.push_back(SerialStringDisplay1[static_cast<std::size_t>(row.reply)]);
    }
    order.insert(order.end(), {ReplyCheck[10], SerialStringDisplay1[20], Done, Cancel});
    SetTabOrder(order);
}

void ProjectorSetupForm::reject()
{
    if (DiscardAgreed(state_.Prompts(), DefinitionChanged())) QDialog::reject();
}

bool ProjectorSetupForm::DefinitionChanged() const
{
    ProjectorClass now;
    // Level-format edits reach WorkProjector at once; the rest is in the controls.
    now.CopyFromProjectorClass(state_.Projectors.WorkProjector);
    StoreInto(now);
    return !now.IsSameAs(opened_);
}

QWidget* ProjectorSetupForm::BuildSettings()
{
    auto* names = new QGroupBox;
    auto* namesGrid = new QGridLayout(names);
    Manufacturer = WithName(new QComboBox, "Manufacturer");
    Manufacturer->setEditable(true);
    Manufacturer->setInsertPolicy(QComboBox::NoInsert);
    // Longer names would be cut by the 32-character fields without a word.
    Manufacturer->lineEdit()->setMaxLength(NameLength);
    Manufacturer->setMinimumContentsLength(NameLength);
    Model = WithName(new QLineEdit, "Model");
    Model->setMaxLength(NameLength);
    namesGrid->addWidget(Caption("Manufacturer"), 0, 0);
    namesGrid->addWidget(Manufacturer, 0, 1);
    namesGrid->addWidget(Caption("Model"), 1, 0);
    namesGrid->addWidget(Model, 1, 1);
    connect(Manufacturer->lineEdit(), &QLineEdit::editingFinished, this, &ProjectorSetupForm::UpperCaseManufacturer);

    auto* notesFrame = new QGroupBox("Notes");
    auto* notesColumn = new QVBoxLayout(notesFrame);
    Notes = WithName(new QPlainTextEdit, "Notes");
    Notes->setToolTip(QString("Up to %1 characters").arg(NotesLength));
    Notes->setMinimumWidth(260);
    // Tab moves on, as in every other box; a tab character would be kept in the file.
    Notes->setTabChangesFocus(true);
    notesColumn->addWidget(Notes);
    connect(Notes, &QPlainTextEdit::textChanged, this, &ProjectorSetupForm::KeepNotesWithinField);

    auto* baudFrame = new QGroupBox("Baudrate");
    auto* baudColumn = new QVBoxLayout(baudFrame);
    auto* baudGroup = new QButtonGroup(this);
    const std::array<const char*, 5> baudCaptions = {"9600", "19k2", "38k4", "57k6", "115k2"};
    for (std::size_t i = 0; i < Baudrate.size(); ++i) {
        Baudrate[i] = WithName(new QRadioButton(baudCaptions[i]), "Baudrate", i);
        baudGroup->addButton(Baudrate[i]);
        baudColumn->addWidget(Baudrate[i]);
    }

    auto* parityFrame = new QGroupBox("Parity");
    auto* parityColumn = new QVBoxLayout(parityFrame);
    auto* parityGroup = new QButtonGroup(this);
    const std::array<const char*, 3> parityCaptions = {"None", "Even", "Odd"};
    for (std::size_t i = 0; i < ParityOption.size(); ++i) {
        ParityOption[i] = WithName(new QRadioButton(parityCaptions[i]), "ParityOption", i);
        parityGroup->addButton(ParityOption[i]);
        parityColumn->addWidget(ParityOption[i]);
    }
    parityColumn->addStretch();

    auto* timings = new QGroupBox;
    auto* timingGrid = new QGridLayout(timings);
    InterByteDelay = WithName(new IntegerEntry, "InterByteDelay");
    InterCommandDelay = WithName(new IntegerEntry, "InterCommandDelay");
    WarmUpTime = WithName(new IntegerEntry, "WarmUpTime");
    CoolDownTime = WithName(new IntegerEntry, "CoolDownTime");
    const std::array<std::tuple<IntegerEntry*, const char*, const char*>, 4> entries = {
        {{InterByteDelay, "Byte delay", "mS"},
         {InterCommandDelay, "Command delay", "mS"},
         {WarmUpTime, "Warm up time", "Sec"},
         {CoolDownTime, "Cool down time", "Sec"}}};
    int row = 0;
    for (const auto& [entry, caption, unit] : entries) {
        timingGrid->addWidget(Caption(caption), row, 0);
        entry->setMaximumWidth(entry->sizeHint().width());
        timingGrid->addWidget(entry, row, 1);
        timingGrid->addWidget(Caption(unit), row, 2);
        ++row;
    }

    auto* settings = new QWidget;
    auto* left = new QVBoxLayout;
    left->addWidget(names);
    left->addWidget(timings);
    auto* row1 = new QHBoxLayout(settings);
    row1->setContentsMargins(0, 0, 0, 0);
    row1->addLayout(left);
    row1->addWidget(notesFrame, 1);
    row1->addWidget(baudFrame);
    row1->addWidget(parityFrame);
    return settings;
}

QWidget* ProjectorSetupForm::BuildMessageGrid()
{
    auto* frame = new QGroupBox;
    messageGrid_ = new QGridLayout(frame);
    messageGrid_->setColumnStretch(CommandColumn, 1);
    messageGrid_->setColumnStretch(ReplyColumn, 1);
    messageGrid_->addWidget(Caption("Command"), 0, CommandColumn);
    messageGrid_->addWidget(Caption("Reply"), 0, ReplyColumn);

    for (std::size_t i = 0; i < SerialStringDisplay1.size(); ++i) {
        SerialStringDisplay1[i] = WithName(new SerialStringDisplay(state_), "SerialStringDisplay1", i);
        SerialStringDisplay1[i]->setMinimumWidth(MessageWidth);
    }
    for (std::size_t i = 0; i < ReplyCheck.size(); ++i)
        ReplyCheck[i] = WithName(new QCheckBox(i == 10 ? "In Use" : "Requires reply"), "ReplyCheck", i);
    for (std::size_t i : {1, 3, 4, 5}) AvailableCheck[i] = WithName(new QCheckBox("Available"), "AvailableCheck", i);
    SerialOnOffUsedCheck = WithName(new QCheckBox("Required"), "SerialOnOffUsedCheck");
    VolumeAvailableCheck = WithName(new QCheckBox("Available"), "VolumeAvailableCheck");
    UseLevelsCheck = WithName(new QCheckBox("Uses Levels"), "UseLevelsCheck");
    VolumeSeparator = WithName(new QFrame, "VolumeSeparator");
    VolumeSeparator->setFrameShape(QFrame::HLine);
    VolumeSeparator->setFrameShadow(QFrame::Sunken);

    int gridRow = 1;
    for (std::size_t i = 0; i < CommandRowTexts.size(); ++i) {
        const int slot = CommandRowTexts[i].slot;
        if (slot == 7) messageGrid_->addWidget(VolumeSeparator, gridRow++, LabelColumn, 1, RowEndCheck + 1);
        commandRows_[i] = {slot, ReplyCheckOf(slot), ReplyOf(slot), gridRow};
        messageGrid_->addWidget(Caption(CommandRowTexts[i].label), gridRow, LabelColumn);
        messageGrid_->addWidget(SerialStringDisplay1[static_cast<std::size_t>(ReplyOf(slot))], gridRow, ReplyColumn);
        PlaceRow(commandRows_[i], true);
        ++gridRow;
    }
    const auto besideRow = [this](int slot) {
        const auto row = std::find_if(commandRows_.begin(), commandRows_.end(),
                                      [slot](const CommandRow& r) { return r.slot == slot; });
        return row->gridRow;
    };
    messageGrid_->addWidget(SerialOnOffUsedCheck, besideRow(0), OptionColumn);
    messageGrid_->addWidget(AvailableCheck[1], besideRow(3), OptionColumn);
    messageGrid_->addWidget(AvailableCheck[3], besideRow(5), OptionColumn);
    messageGrid_->addWidget(AvailableCheck[5], besideRow(23), OptionColumn);
    messageGrid_->addWidget(AvailableCheck[4], besideRow(24), OptionColumn);
    auto* volumeChecks = new QVBoxLayout;
    volumeChecks->setSpacing(0);
    volumeChecks->addWidget(VolumeAvailableCheck);
    volumeChecks->addWidget(UseLevelsCheck);
    messageGrid_->addLayout(volumeChecks, besideRow(6), OptionColumn);

    messageGrid_->addWidget(Caption("External off"), gridRow, CommandColumn, Qt::AlignRight);
    messageGrid_->addWidget(ReplyCheck[10], gridRow, ReplyColumnCheck);
    messageGrid_->addWidget(SerialStringDisplay1[20], gridRow, ReplyColumn);

    // Each column keeps the width its widest control needs, shown or not, so
    // that ticking a box never changes the form's width.
    const auto widest = [](std::initializer_list<QWidget*> controls) {
        int width = 0;
        for (QWidget* control : controls) width = std::max(width, control->sizeHint().width());
        return width;
    };
    const int replyBox = widest({ReplyCheck[0], ReplyCheck[10]});
    messageGrid_->setColumnMinimumWidth(OptionColumn,
                                        widest({SerialOnOffUsedCheck, AvailableCheck[1], UseLevelsCheck}));
    messageGrid_->setColumnMinimumWidth(CommandColumn, MessageWidth);
    messageGrid_->setColumnMinimumWidth(ReplyColumnCheck, replyBox);
    messageGrid_->setColumnMinimumWidth(ReplyColumn, MessageWidth);
    messageGrid_->setColumnMinimumWidth(RowEndCheck, replyBox);

    std::vector<QCheckBox*> checks(ReplyCheck.begin(), ReplyCheck.end());
    for (std::size_t i : {1, 3, 4, 5}) checks.push_back(AvailableCheck[i]);
    for (QCheckBox* check : {SerialOnOffUsedCheck, VolumeAvailableCheck, UseLevelsCheck}) checks.push_back(check);
    for (QCheckBox* check : checks) connect(check, &QCheckBox::clicked, this, &ProjectorSetupForm::RefreshVisibility);
    return frame;
}

// A ticked reply box sits at the head of the reply column beside a narrow
// command; an unticked one moves to the row's end and the command widens.
void ProjectorSetupForm::PlaceRow(const CommandRow& row, bool replyTicked)
{
    SerialStringDisplay* command = SerialStringDisplay1[static_cast<std::size_t>(row.slot)];
    QCheckBox* reply = ReplyCheck[static_cast<std::size_t>(row.replyCheck)];
    messageGrid_->removeWidget(command);
    messageGrid_->removeWidget(reply);
    if (replyTicked) {
        messageGrid_->addWidget(command, row.gridRow, CommandColumn);
        messageGrid_->addWidget(reply, row.gridRow, ReplyColumnCheck);
    } else {
        messageGrid_->addWidget(command, row.gridRow, CommandColumn, 1, ReplyColumn - CommandColumn + 1);
        messageGrid_->addWidget(reply, row.gridRow, RowEndCheck);
    }
}

void ProjectorSetupForm::Load()
{
    {
        const FillGuard loading(loading_);
        ProjectorClassGlobals& projectors = state_.Projectors;
        const ProjectorClass& work = projectors.WorkProjector;
        if (projectors.ProjectorDatabaseAllocated()) {
            const auto& database = projectors.ProjectorDatabase();
            AddDistinctNames(*Manufacturer, database.Count(),
                             [&](int i) { return database[i].ManufacturerField().view(); });
        }
        Notes->setPlainText(FromWindows1252(work.NotesField().trimmed()));
        const int16_t parity = work.Parity();
        ParityOption[parity < 0 || parity > 2 ? 0 : static_cast<std::size_t>(parity)]->setChecked(true);
        LoadMessages();

        SerialOnOffUsedCheck->setChecked(work.InUse(0));
        AvailableCheck[1]->setChecked(work.InUse(3));
        AvailableCheck[3]->setChecked(work.InUse(5));
        AvailableCheck[5]->setChecked(work.InUse(23));
        AvailableCheck[4]->setChecked(work.InUse(24));
        VolumeAvailableCheck->setChecked(work.InUse(6));
        UseLevelsCheck->setChecked(work.My_VolumeExtensionClass().UseLevelForVolume());
        for (std::size_t k = 0; k < ReplyCheck.size(); ++k)
            ReplyCheck[k]->setChecked(work.ReplyRequired(static_cast<int>(k)));

        Manufacturer->setEditText(FromWindows1252(work.ManufacturerField().trimmed()));
        Model->setText(FromWindows1252(work.ModelField().trimmed()));
        const int16_t baudrate = work.Baudrate();
        Baudrate[baudrate >= 1 && baudrate <= 4 ? static_cast<std::size_t>(baudrate) : 0]->setChecked(true);

        InterCommandDelay->set_values(WithinRange(work.InterCommandDelay(), 255), 0, 255, CommandDelayTip);
        InterByteDelay->set_values(WithinRange(work.InterByteDelay(), 10), 0, 10, ByteDelayTip);
        WarmUpTime->set_values(WithinRange(work.WarmUpTime(), 255), 0, 255, WarmUpTip);
        const int16_t coolDown = work.CoolDownTime();
        CoolDownTime->set_values(WithinRange(coolDown, 255), 0, 255,
                                 coolDown == WithinRange(coolDown, 255) ? CoolDownTip : CoolDownOutOfRangeTip);
    }
    // The visibility follows the loaded values once the guard is down.
    RefreshVisibility();
}

// The form's own copies of the messages; slot 6 shares the definition's
// level format while levels are used, so level edits land in WorkProjector
// at once.
void ProjectorSetupForm::LoadMessages()
{
    ProjectorClass& work = state_.Projectors.WorkProjector;
    for (std::size_t i = 0; i < messages_.size(); ++i) {
        const int slot = static_cast<int>(i);
        SerialClass& message = messages_[i];
        message.Baudrate(work.Baudrate());
        // The serial test sends with the message's own parity.
        message.Parity(work.Parity());
        message.InterByteDelay(work.InterByteDelay());
        message.CanBeInput(slot >= 10 && slot <= 22);
        message.CanBeVariable(false);
        message.Command("");
        message.MyType("");
        message.ConfigIndex(-1);
        message.IsFromLibrary(false);
        message.Manufacturer(work.Manufacturer());
        message.Model(work.Model());
        message.MyRS232StringClass().CopyFromThisRS232StringClass(work.My_RS232_String_Class(slot));
        message.SerialType(SerialClass::ProjectorMessage);
        message.VolumeExtension(nullptr);
        if (slot == 6 && work.My_VolumeExtensionClass().UseLevelForVolume()) {
            // Not owned: the definition outlives the form.
            message.VolumeExtension(std::shared_ptr<VolumeExtensionClass>(std::shared_ptr<VolumeExtensionClass>(),
                                                                          &work.My_VolumeExtensionClass()));
            message.CanBeVariable(true);
        }
        SerialStringDisplay1[i]->SetupSerial(message);
    }
}

ProjectorSetupChecks ProjectorSetupForm::CheckStates() const
{
    ProjectorSetupChecks checks;
    checks.SerialOnOffUsed = SerialOnOffUsedCheck->isChecked();
    for (std::size_t i : {1, 3, 4, 5}) checks.Available[i] = AvailableCheck[i]->isChecked();
    checks.VolumeAvailable = VolumeAvailableCheck->isChecked();
    checks.UseLevels = UseLevelsCheck->isChecked();
    for (std::size_t k = 0; k < ReplyCheck.size(); ++k) checks.Reply[k] = ReplyCheck[k]->isChecked();
    return checks;
}

void ProjectorSetupForm::RefreshVisibility()
{
    if (loading_) return;
    const ProjectorSetupShown shown = ShownProjectorSetupControls(CheckStates());
    for (const CommandRow& row : commandRows_)
        PlaceRow(row, ReplyCheck[static_cast<std::size_t>(row.replyCheck)]->isChecked());
    for (std::size_t i = 0; i < SerialStringDisplay1.size(); ++i) SerialStringDisplay1[i]->setVisible(shown.Slot[i]);
    for (std::size_t k = 0; k < ReplyCheck.size(); ++k) ReplyCheck[k]->setVisible(shown.ReplyCheck[k]);
    UseLevelsCheck->setVisible(shown.UseLevelsCheck);
    VolumeSeparator->setVisible(shown.VolumeSeparator);
}

void ProjectorSetupForm::UpperCaseManufacturer()
{
    Manufacturer->setEditText(FromWindows1252(UpperCase1252(ToWindows1252(Manufacturer->currentText()))));
}

// The field holds 256 Windows-1252 characters: text beyond them, or that the
// code page cannot hold, is shown as it will be kept.
void ProjectorSetupForm::KeepNotesWithinField()
{
    if (loading_) return;
    const QString text = Notes->toPlainText();
    const QString storable = FromWindows1252(ToWindows1252(text)).left(NotesLength);
    if (storable == text) return;
    const int caret = std::min(Notes->textCursor().position(), static_cast<int>(storable.size()));
    const FillGuard loading(loading_);
    Notes->setPlainText(storable);
    QTextCursor cursor = Notes->textCursor();
    cursor.setPosition(caret);
    Notes->setTextCursor(cursor);
}

void ProjectorSetupForm::StoreIntoWorkProjector()
{
    if (loading_) return;
    UpperCaseManufacturer();
    StoreInto(state_.Projectors.WorkProjector);
}

void ProjectorSetupForm::StoreInto(ProjectorClass& work) const
{
    work.Notes(ToWindows1252(Notes->toPlainText()));
    for (std::size_t i = 0; i < ParityOption.size(); ++i) {
        if (ParityOption[i]->isChecked()) work.Parity(static_cast<int16_t>(i));
    }
    const ProjectorSetupShown shown = ShownProjectorSetupControls(CheckStates());
    for (std::size_t i = 0; i < SerialStringDisplay1.size(); ++i) {
        const int slot = static_cast<int>(i);
        work.My_RS232_String_Class(slot).CopyFromThisRS232StringClass(
            SerialStringDisplay1[i]->MySerialClass()->MyRS232StringClass());
        work.InUse(slot, shown.Slot[i]);
    }
    work.My_VolumeExtensionClass().UseLevelForVolume(UseLevelsCheck->isChecked());
    for (std::size_t k = 0; k < ReplyCheck.size(); ++k)
        work.ReplyRequired(static_cast<int>(k), ReplyCheck[k]->isChecked());
    // Control characters dropped as the loader drops them, so the blank
    // check sees what the next start reads back; spaces count in a
    // projector's names and stay.
    work.Manufacturer(UpperCase1252(WithoutControlCharacters(ToWindows1252(Manufacturer->currentText()))));
    work.Model(WithoutControlCharacters(ToWindows1252(Model->text())));
    work.Baudrate(0);
    const auto ticked = std::find_if(Baudrate.begin(), Baudrate.end(), [](QRadioButton* b) { return b->isChecked(); });
    if (ticked != Baudrate.end()) work.Baudrate(static_cast<int16_t>(ticked - Baudrate.begin()));
    work.InterCommandDelay(InterCommandDelay->return_value());
    work.InterByteDelay(InterByteDelay->return_value());
    work.WarmUpTime(WarmUpTime->return_value());
    work.CoolDownTime(CoolDownTime->return_value());
}

void ProjectorSetupForm::SaveClicked()
{
    if (loading_) return;
    const ProjectorSetupShown shown = ShownProjectorSetupControls(CheckStates());
    for (std::size_t i = 0; i < SerialStringDisplay1.size(); ++i) {
        if (!shown.Slot[i] || SerialStringDisplay1[i]->MySerialClass()->MyRS232StringClass().NumberOfBytes() != 0)
            continue;
        const QString name = FromWindows1252(ProjectorSetupSlotName(state_.Names, static_cast<int>(i)));
        state_.Prompts().Message("Cannot save as " + name + " string has zero byte length!", "Sorry!",
                                 PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    StoreIntoWorkProjector();
    if (SaveWorkProjector(state_.Projectors, state_.Prompts())) accept();
}

void ShowProjectorSetupForm(ApplicationState& state, QWidget* parent)
{
    ProjectorSetupForm form(state, parent);
    form.exec();
}
