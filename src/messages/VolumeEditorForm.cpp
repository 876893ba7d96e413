#include "messages/VolumeEditorForm.h"

#include "controls/HEXentry.h"
#include "controls/IntegerEntry.h"
#include "messages/LevelControls.h"
#include "messages/LevelInsertion.h"
#include "messages/MessageDialogs.h"
#include "messages/OptionButtons.h"
#include "model/ApplicationState.h"
#include "model/WorkSerialHandOff.h"
#include "platform/ObjectName.h"
#include "platform/UserPrompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

}  // namespace

VolumeEditorForm::VolumeEditorForm(ApplicationState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setWindowTitle("Volume String Editor");
    BuildControls();
    Load();
}

void VolumeEditorForm::BuildControls()
{
    MaximumLevel = WithName(new IntegerEntry, "MaximumLevel");
    MinimumLevel = WithName(new IntegerEntry, "MinimumLevel");
    VolumeStep = WithName(new IntegerEntry, "VolumeStep");
    FixedStartLevel = WithName(new IntegerEntry, "FixedStartLevel");
    MaximumLevelInHex = WithName(new HEXentry, "MaximumLevelInHex");
    MinimumLevelInHex = WithName(new HEXentry, "MinimumLevelInHex");
    VolumeStepInHex = WithName(new HEXentry, "VolumeStepInHex");
    FixedStartLevelInHex = WithName(new HEXentry, "FixedStartLevelInHex");
    for (std::size_t i = 0; i < HexLabel.size(); ++i)
        HexLabel[i] = WithName(new QLabel(i % 2 == 0 ? "or" : "In Hex"), "HexLabel", i);
    const std::array<const char*, 3> fixedCaptions = {"Fixed level", "or", "In Hex"};
    for (std::size_t i = 0; i < FixedLevelLabel.size(); ++i)
        FixedLevelLabel[i] = WithName(new QLabel(fixedCaptions[i]), "FixedLevelLabel", i);

    auto* range = new QGroupBox("Value range");
    auto* rangeGrid = new QGridLayout(range);
    rangeGrid->addWidget(WithName(new QLabel("Maximum"), "Label1", 0), 0, 0);
    rangeGrid->addWidget(MaximumLevel, 0, 1);
    rangeGrid->addWidget(HexLabel[0], 0, 2);
    rangeGrid->addWidget(HexLabel[1], 0, 3);
    rangeGrid->addWidget(MaximumLevelInHex, 0, 4);
    rangeGrid->addWidget(WithName(new QLabel("Minimum"), "Label1", 1), 1, 0);
    rangeGrid->addWidget(MinimumLevel, 1, 1);
    rangeGrid->addWidget(HexLabel[2], 1, 2);
    rangeGrid->addWidget(HexLabel[3], 1, 3);
    rangeGrid->addWidget(MinimumLevelInHex, 1, 4);

    auto* step = new QGroupBox("Volume Step");
    auto* stepRow = new QHBoxLayout(step);
    stepRow->addWidget(VolumeStep);
    stepRow->addWidget(HexLabel[4]);
    stepRow->addWidget(HexLabel[5]);
    stepRow->addWidget(VolumeStepInHex);
    stepRow->addStretch();

    auto* start = new QGroupBox("Start-up level");
    auto* startGrid = new QGridLayout(start);
    UsePowerDownCheck = WithName(new QCheckBox("Use Power-down level"), "UsePowerDownCheck");
    startGrid->addWidget(FixedLevelLabel[0], 0, 0);
    startGrid->addWidget(FixedStartLevel, 0, 1);
    startGrid->addWidget(FixedLevelLabel[1], 0, 2);
    startGrid->addWidget(FixedLevelLabel[2], 0, 3);
    startGrid->addWidget(FixedStartLevelInHex, 0, 4);
    startGrid->addWidget(UsePowerDownCheck, 1, 0, 1, 5);

    auto* format = new QGroupBox("Message Format");
    auto* formatColumn = new QVBoxLayout(format);
    auto* formatGroup = new QButtonGroup(this);
    const std::array<const char*, 3> formatCaptions = {"Decimal in ASCII", "HEX in ASCII", "Raw byte(s)"};
    for (std::size_t i = 0; i < MessageFormat.size(); ++i) {
        MessageFormat[i] = WithName(new QRadioButton(formatCaptions[i]), "MessageFormat", i);
        formatGroup->addButton(MessageFormat[i]);
        formatColumn->addWidget(MessageFormat[i]);
    }
    ErrorLabel = WithName(new QLabel, "ErrorLabel");
    // Wide enough for the longest report, so that none is cut.
    int reportWidth = ErrorLabel->fontMetrics().horizontalAdvance(VolumeFormatOkText);
    for (const char* fault : VolumeFormatFaultTexts)
        reportWidth = std::max(reportWidth, ErrorLabel->fontMetrics().horizontalAdvance(fault));
    ErrorLabel->setMinimumWidth(reportWidth);
    formatColumn->addWidget(ErrorLabel);

    FirstByteFrame = WithName(new QGroupBox("First byte is"), "FirstByteFrame");
    auto* firstRow = new QHBoxLayout(FirstByteFrame);
    auto* firstGroup = new QButtonGroup(this);
    const std::array<const char*, 2> firstCaptions = {"Low", "High"};
    for (std::size_t i = 0; i < FirstByteIs.size(); ++i) {
        FirstByteIs[i] = WithName(new QRadioButton(firstCaptions[i]), "FirstByteIs", i);
        firstGroup->addButton(FirstByteIs[i]);
        firstRow->addWidget(FirstByteIs[i]);
    }

    auto* count = new QGroupBox("Number of serial bytes for value");
    auto* countRow = new QHBoxLayout(count);
    auto* countGroup = new QButtonGroup(this);
    for (std::size_t i = 0; i < NumberOfBytes.size(); ++i) {
        NumberOfBytes[i] = WithName(new QRadioButton(QString::number(i + 1)), "NumberOfBytes", i);
        countGroup->addButton(NumberOfBytes[i]);
        countRow->addWidget(NumberOfBytes[i]);
    }

    auto* level = levelControls_ = new LevelControls;

    Done = WithName(new QPushButton("Done"), "Done");
    CancelCommand = WithName(new QPushButton("Cancel"), "CancelCommand");
    auto* closeButtons = new QHBoxLayout;
    closeButtons->addStretch();
    closeButtons->addWidget(Done);
    closeButtons->addWidget(CancelCommand);

    auto* left = new QVBoxLayout;
    left->addWidget(range);
    left->addWidget(step);
    left->addWidget(start);
    auto* right = new QVBoxLayout;
    right->addWidget(format);
    right->addWidget(FirstByteFrame);
    right->addWidget(count);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* main = new QVBoxLayout(this);
    // A form of fixed controls: always as large as they need, so no entry
    // or cell is squeezed below its text, whatever the screen.
    main->setSizeConstraint(QLayout::SetFixedSize);
    main->addLayout(columns);
    main->addWidget(level);
    main->addLayout(closeButtons);

    ConnectMirror(MaximumLevel, MaximumLevelInHex, -32767, 32767, "Maximum volume level",
                  "Maximum volume level in HEX");
    ConnectMirror(MinimumLevel, MinimumLevelInHex, -32767, 32767, "Minimum volume level",
                  "Minimum volume level in HEX");
    ConnectMirror(VolumeStep, VolumeStepInHex, 0, 32767, "Volume Step", "Volume Step in HEX");
    ConnectMirror(FixedStartLevel, FixedStartLevelInHex, -32767, 32767, "Power up Volume", "Power up Volume in HEX");
    connect(UsePowerDownCheck, &QCheckBox::clicked, this, &VolumeEditorForm::Check);
    for (QRadioButton* option : MessageFormat) connect(option, &QRadioButton::clicked, this, &VolumeEditorForm::Check);
    for (QRadioButton* option : FirstByteIs) connect(option, &QRadioButton::clicked, this, &VolumeEditorForm::Check);
    for (QRadioButton* option : NumberOfBytes) connect(option, &QRadioButton::clicked, this, &VolumeEditorForm::Check);
    connect(level, &LevelControls::UpClicked, this, [this] { MoveTestLevel(LevelAfterUp); });
    connect(level, &LevelControls::DownClicked, this, [this] { MoveTestLevel(LevelAfterDown); });
    connect(level, &LevelControls::PowerUpClicked, this,
            [this] { MoveTestLevel([](int16_t, const VolumeExtensionClass& f) { return PowerUpLevel(f); }); });
    // Enter in an entry finishes that entry; it must not press a button.
    for (QPushButton* button : {Done, CancelCommand}) button->setAutoDefault(false);
    connect(Done, &QPushButton::clicked, this, &VolumeEditorForm::DoneClicked);
    connect(CancelCommand, &QPushButton::clicked, this, &VolumeEditorForm::reject);
}

// Each decimal entry and its hexadecimal mirror follow each other; the busy
// flag keeps the one being set from answering back.
void VolumeEditorForm::ConnectMirror(IntegerEntry* entry, HEXentry* mirror, int16_t minimum, int16_t maximum,
                                     const QString& entryTip, const QString& mirrorTip)
{
    connect(entry, &IntegerEntry::ValueChanged, this, [=, this] {
        if (busy_) return;
        {
            const FillGuard mirroring(busy_);
            mirror->set_values(entry->return_value(), mirrorTip);
        }
        Check();
    });
    connect(mirror, &HEXentry::ValueChanged, this, [=, this] {
        if (busy_) return;
        {
            const FillGuard mirroring(busy_);
            entry->set_values(mirror->return_value(), minimum, maximum, entryTip);
            // A mirror value outside the entry's range shows the kept value.
            mirror->set_values(entry->return_value(), mirrorTip);
        }
        Check();
    });
}

void VolumeEditorForm::Load()
{
    SerialClass* message = state_.Messages.WorkSerial;
    backup_.CopyFrom(*message);
    const VolumeExtensionClass& format = *message->VolumeExtension();
    {
        const FillGuard loading(busy_);
        MaximumLevelInHex->set_values(format.MaxVolume(), "Maximum volume level in HEX");
        MinimumLevelInHex->set_values(format.MinVolume(), "Minimum volume level in HEX");
        FixedStartLevelInHex->set_values(format.StartUpVolume(), "Power up Volume in HEX");
        VolumeStepInHex->set_values(format.VolumeStep(), "Volume Step in HEX");
        MaximumLevel->set_values(format.MaxVolume(), -32767, 32767, "Maximum volume level");
        MinimumLevel->set_values(format.MinVolume(), -32767, 32767, "Minimum volume level");
        FixedStartLevel->set_values(format.StartUpVolume(), -32767, 32767, "Power up Volume");
        VolumeStep->set_values(format.VolumeStep(), 0, 32767, "Volume Step");
    }
    UsePowerDownCheck->setChecked(format.UsePreviousLevel());
    const int16_t storedFormat = format.VolumeMessageFormat();
    MessageFormat[storedFormat >= 0 && storedFormat <= 2 ? static_cast<std::size_t>(storedFormat) : 0]->setChecked(
        true);
    FirstByteIs[format.VolumeFirstByteIsLow() ? 0 : 1]->setChecked(true);
    const int16_t storedCount = format.VolumeNumberOfBytes();
    NumberOfBytes[storedCount >= 1 && storedCount <= 4 ? static_cast<std::size_t>(storedCount - 1) : 0]->setChecked(
        true);
    Check();
}

int16_t VolumeEditorForm::SelectedFormat() const
{
    return static_cast<int16_t>(std::max(0, SelectedIndex(MessageFormat)));
}

VolumeFormatDraft VolumeEditorForm::Draft()
{
    VolumeFormatDraft draft;
    draft.MaxVolume = MaximumLevel->return_value();
    draft.MinVolume = MinimumLevel->return_value();
    draft.VolumeStep = VolumeStep->return_value();
    draft.StartUpVolume = FixedStartLevel->return_value();
    draft.UsePreviousLevel = UsePowerDownCheck->isChecked();
    draft.VolumeMessageFormat = SelectedFormat();
    draft.VolumeNumberOfBytes = static_cast<int16_t>(SelectedIndex(NumberOfBytes) + 1);
    return draft;
}

VolumeExtensionClass VolumeEditorForm::FormatOf(const VolumeFormatDraft& draft) const
{
    VolumeExtensionClass format;
    format.MaxVolume(static_cast<int16_t>(draft.MaxVolume));
    format.MinVolume(static_cast<int16_t>(draft.MinVolume));
    format.VolumeStep(static_cast<int16_t>(draft.VolumeStep));
    format.StartUpVolume(static_cast<int16_t>(draft.StartUpVolume));
    format.UsePreviousLevel(draft.UsePreviousLevel);
    format.VolumeMessageFormat(draft.VolumeMessageFormat);
    format.VolumeNumberOfBytes(draft.VolumeNumberOfBytes);
    format.VolumeFirstByteIsLow(FirstByteIs[0]->isChecked());
    return format;
}

void VolumeEditorForm::UpdateEnabling()
{
    const bool decimal = MessageFormat[0]->isChecked();
    const bool raw = MessageFormat[2]->isChecked();
    if (UsePowerDownCheck->isChecked()) {
        for (QLabel* label : FixedLevelLabel) label->setEnabled(false);
        FixedStartLevel->Enabled(false);
        FixedStartLevelInHex->Enabled(false);
        levelControls_->PowerUpEnabled(false);
    } else {
        FixedLevelLabel[0]->setEnabled(true);
        FixedStartLevel->Enabled(true);
        levelControls_->PowerUpEnabled(true);
        FixedLevelLabel[1]->setEnabled(!decimal);
        FixedLevelLabel[2]->setEnabled(!decimal);
        FixedStartLevelInHex->Enabled(!decimal);
    }
    for (QLabel* label : HexLabel) label->setEnabled(!decimal);
    MaximumLevelInHex->Enabled(!decimal);
    MinimumLevelInHex->Enabled(!decimal);
    VolumeStepInHex->Enabled(!decimal);
    if (decimal) FixedStartLevelInHex->Enabled(false);
    FirstByteFrame->setEnabled(raw);
    if (raw) {
        if (NumberOfBytes[2]->isChecked() || NumberOfBytes[3]->isChecked()) NumberOfBytes[1]->setChecked(true);
        NumberOfBytes[2]->setEnabled(false);
        NumberOfBytes[3]->setEnabled(false);
    } else {
        NumberOfBytes[2]->setEnabled(true);
        NumberOfBytes[3]->setEnabled(true);
    }
}

void VolumeEditorForm::Check()
{
    UpdateEnabling();
    const std::string fault = FirstVolumeFormatFault(Draft());
    errorFlag_ = !fault.empty();
    ErrorLabel->setText(errorFlag_ ? QString::fromStdString(fault) : QString(VolumeFormatOkText));
    SetTextColour(ErrorLabel, errorFlag_ ? Qt::red : Qt::black);
    Preview();
}

void VolumeEditorForm::Preview()
{
    if (errorFlag_) {
        levelControls_->ShowFault();
        return;
    }
    const VolumeExtensionClass format = FormatOf(Draft());
    testLevel_ = LevelWithinRange(testLevel_, format);
    levelControls_->Show(testLevel_, format, RawLevelPreview::Plain);
}

void VolumeEditorForm::MoveTestLevel(int16_t (*move)(int16_t, const VolumeExtensionClass&))
{
    testLevel_ = move(testLevel_, FormatOf(Draft()));
    Preview();
}

void VolumeEditorForm::DoneClicked()
{
    if (errorFlag_) {
        state_.Prompts().Message("Cannot exit there is an error in the configuration", "Error!", PromptButtons::Ok,
                                 PromptIcon::Exclamation);
        return;
    }
    const VolumeExtensionClass edited = FormatOf(Draft());
    VolumeExtensionClass& target = *backup_.VolumeExtension();
    const VolumeExtensionClass& current = *state_.Messages.WorkSerial->VolumeExtension();
    target.MaxVolume(edited.MaxVolume());
    target.MinVolume(edited.MinVolume());
    target.StartUpVolume(edited.StartUpVolume());
    target.VolumeStep(edited.VolumeStep());
    target.UsePreviousLevel(edited.UsePreviousLevel());
    target.VolumeMessageFormat(edited.VolumeMessageFormat());
    target.VolumeFirstByteIsLow(edited.VolumeFirstByteIsLow());
    target.VolumeNumberOfBytes(edited.VolumeNumberOfBytes());
    state_.Messages.VolumeParametersChanged =
        target.MaxVolume() != current.MaxVolume() || target.MinVolume() != current.MinVolume() ||
        target.StartUpVolume() != current.StartUpVolume() || target.VolumeStep() != current.VolumeStep() ||
        target.UsePreviousLevel() != current.UsePreviousLevel() ||
        target.VolumeMessageFormat() != current.VolumeMessageFormat() ||
        target.VolumeFirstByteIsLow() != current.VolumeFirstByteIsLow() ||
        target.VolumeNumberOfBytes() != current.VolumeNumberOfBytes();
    state_.Messages.WorkSerial->CopyFrom(backup_);
    accept();
}

// Cancel, Escape and the close box all end here: the message stays as it was.
void VolumeEditorForm::reject()
{
    state_.Messages.VolumeParametersChanged = false;
    QDialog::reject();
}

bool ShowVolumeEditor(ApplicationState& state, SerialClass& message, QWidget* parent)
{
    if (!message.VolumeExtension()) return false;
    const WorkSerialHandOff handOff(state.Messages, message);
    VolumeEditorForm form(state, parent);
    form.exec();
    return handOff.VolumeParametersChanged();
}

bool VolumeEditorFormLauncher::ShowVolumeEditorForm(QWidget* owner, SerialClass& message)
{
    return ShowVolumeEditor(state_, message, owner);
}
