#include "editor/panels/InputModes.h"

#include "controls/IntegerEntry.h"
#include "controls/MeshloAddressControl.h"
#include "model/Configuration.h"
#include "platform/ObjectName.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <cmath>

namespace {
constexpr int16_t InputCount = ConfigurationRecord::Inputs;
constexpr int16_t ComputerInputs = ConfigurationRecord::ComputerInputs;
constexpr int16_t FirstAudioInput = 8;
// The out address of input i is this many elements after its in address.
constexpr int OutAddressOffset = 26;

int16_t RoundedAddress(float value)
{
    return static_cast<int16_t>(std::lround(value));
}
}  // namespace

InputModes::InputModes(Configuration& config, QWidget* parent) : QWidget(parent), config_(config)
{
    auto* frame = new QGroupBox(this);
    frame->setObjectName("Frame1");
    InUse = WithName(new QCheckBox("Use", frame), "InUse");
    InUse->setToolTip("This input is/not in use");
    MeshloInLabel = WithName(new QLabel("Meshlo In", frame), "MeshloInLabel");
    MeshloInAddress = new MeshloAddressControl(frame);
    MeshloInAddress->setObjectName("MeshloInAddress");
    MeshloOutLabel = WithName(new QLabel("Meshlo Out", frame), "MeshloOutLabel");
    MeshloOutAddress = new MeshloAddressControl(frame);
    MeshloOutAddress->setObjectName("MeshloOutAddress");
    Label4 = WithName(new QLabel("Volume", frame), "Label4");
    ChannelVolume = new IntegerEntry(frame);
    ChannelVolume->setObjectName("ChannelVolume");
    Label1 = WithName(new QLabel("dB", frame), "Label1");
    AutoSelect = WithName(new QCheckBox("Auto Select", frame), "AutoSelect");
    AutoPowerOn = WithName(new QCheckBox("Auto Power On", frame), "AutoPowerOn");
    AutoPowerOff = WithName(new QCheckBox("Auto Power Off", frame), "AutoPowerOff");
    AutoTimOutLabel[1] = WithName(new QLabel("Time Out", frame), "AutoTimOutLabel_1");
    AutoTimeOut = new IntegerEntry(frame);
    AutoTimeOut->setObjectName("AutoTimeOut");
    AutoTimOutLabel[0] = WithName(new QLabel("Secs", frame), "AutoTimOutLabel_0");
    AudioCheck = WithName(new QCheckBox("Can be selected when projector/display is off", frame), "AudioCheck");

    // Each entry keeps its own width with its unit right beside it.
    const auto entryWithUnit = [](QWidget* entry, QLabel* unit) {
        auto* row = new QHBoxLayout;
        row->addWidget(entry);
        if (unit != nullptr) row->addWidget(unit);
        row->addStretch();
        return row;
    };
    auto* grid = new QGridLayout(frame);
    grid->addWidget(InUse, 0, 0, 1, 2);
    grid->addWidget(MeshloInLabel, 1, 0);
    grid->addLayout(entryWithUnit(MeshloInAddress, nullptr), 1, 1);
    grid->addWidget(MeshloOutLabel, 2, 0);
    grid->addLayout(entryWithUnit(MeshloOutAddress, nullptr), 2, 1);
    grid->addWidget(Label4, 3, 0);
    grid->addLayout(entryWithUnit(ChannelVolume, Label1), 3, 1);
    grid->addWidget(AutoSelect, 4, 0, 1, 2);
    grid->addWidget(AutoPowerOn, 5, 0, 1, 2);
    grid->addWidget(AutoPowerOff, 6, 0, 1, 2);
    grid->addWidget(AutoTimOutLabel[1], 7, 0);
    grid->addLayout(entryWithUnit(AutoTimeOut, AutoTimOutLabel[0]), 7, 1);
    grid->addWidget(AudioCheck, 8, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(9, 1);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    connect(InUse, &QCheckBox::clicked, this, &InputModes::InUseClicked);
    connect(MeshloInAddress, &MeshloAddressControl::ValueChanged, this, [this] {
        EditReadValue([this] { return RoundedAddress(MeshloInAddress->return_value()); },
                      [this](int16_t input, int16_t address) { config_.Record.MeshloAddressTable[input] = address; });
    });
    connect(MeshloOutAddress, &MeshloAddressControl::ValueChanged, this, [this] {
        EditReadValue([this] { return RoundedAddress(MeshloOutAddress->return_value()); },
                      [this](int16_t input, int16_t address) {
                          config_.Record.MeshloAddressTable[input + OutAddressOffset] = address;
                      });
    });
    connect(ChannelVolume, &IntegerEntry::ValueChanged, this, [this] {
        EditReadValue([this] { return ChannelVolume->return_value(); },
                      [this](int16_t input, int16_t offset) { config_.Record.InputVolumeOffset[input] = offset; });
    });
    connect(AutoTimeOut, &IntegerEntry::ValueChanged, this, [this] {
        if (DisplayedInput >= ComputerInputs) return;
        EditReadValue([this] { return AutoTimeOut->return_value(); },
                      [this](int16_t input, int16_t minutes) { config_.Record.InputAutoTimeOut[input] = minutes; });
    });
    connect(AutoSelect, &QCheckBox::clicked, this, [this](bool checked) {
        if (!Editable() || DisplayedInput >= ComputerInputs) return;
        Edit([&] { config_.Record.InputAutoSelect[DisplayedInput] = checked; });
    });
    connect(AutoPowerOn, &QCheckBox::clicked, this, [this](bool checked) {
        if (!Editable() || DisplayedInput >= ComputerInputs) return;
        Edit([&] { config_.Record.InputAutoPowerOn[DisplayedInput] = checked; });
    });
    connect(AutoPowerOff, &QCheckBox::clicked, this, &InputModes::AutoPowerOffClicked);
    connect(AudioCheck, &QCheckBox::clicked, this, [this](bool checked) {
        if (!Editable() || DisplayedInput < FirstAudioInput) return;
        Edit([&] { config_.Record.AudioSelectableWhenOff[DisplayedInput - FirstAudioInput] = checked; });
    });
}

void InputModes::SetToDisplay(int16_t input)
{
    DisplayedInput = input;
    if (input < 0 || input >= InputCount) return;
    const ConfigurationRecord& record = config_.Record;
    const bool computer = input < ComputerInputs;
    const FillGuard updating(Updating);
    MeshloInAddress->set_values(record.MeshloAddressTable[input], "Meshlo Address In To Select This Input");
    MeshloOutAddress->set_values(record.MeshloAddressTable[input + OutAddressOffset],
                                 "Meshlo Address Out When This Input Is Selected");
    ChannelVolume->set_values(record.InputVolumeOffset[input], -6, 6, "Define volume offset for this input");
    if (computer) {
        AutoTimeOut->set_values(record.InputAutoTimeOut[input], 0, 100, "Define power off time after VGA disconected");
    }

    const bool inUse = !record.InputNotInUse[input];
    InUse->setChecked(inUse);
    for (QWidget* always : std::initializer_list<QWidget*>{MeshloInLabel, MeshloInAddress, MeshloOutLabel,
                                                           MeshloOutAddress, Label4, ChannelVolume, Label1}) {
        always->setVisible(inUse);
    }
    const bool audio = input >= FirstAudioInput;
    AudioCheck->setVisible(inUse && audio);
    if (audio) AudioCheck->setChecked(record.AudioSelectableWhenOff[input - FirstAudioInput]);

    const bool automatic = inUse && computer && !record.ComputerIsComponent[input];
    for (QCheckBox* check : {AutoSelect, AutoPowerOn, AutoPowerOff}) check->setVisible(automatic);
    if (automatic) {
        AutoSelect->setChecked(record.InputAutoSelect[input]);
        AutoPowerOn->setChecked(record.InputAutoPowerOn[input]);
        AutoPowerOff->setChecked(record.InputAutoPowerOff[input]);
    }
    ShowAutoTimeOut(automatic && record.InputAutoPowerOff[input]);
}

// The page is hidden on tabs that are not inputs; edits then go nowhere.
bool InputModes::Editable() const
{
    return !Updating && DisplayedInput >= 0 && DisplayedInput < InputCount;
}

void InputModes::Edit(const std::function<void()>& store)
{
    config_.Edit(ConfigGroup::Inputs, store);
}

void InputModes::EditReadValue(const std::function<int16_t()>& read,
                               const std::function<void(int16_t input, int16_t value)>& store)
{
    if (!Editable()) return;
    const int16_t input = DisplayedInput;
    const int16_t value = read();
    // The read let pending window events run: another input may be shown
    // now, and the control shows its value rather than the one typed.
    if (!Editable() || DisplayedInput != input) return;
    Edit([&] { store(input, value); });
}

void InputModes::ShowAutoTimeOut(bool visible)
{
    AutoTimeOut->setVisible(visible);
    for (QLabel* label : AutoTimOutLabel) label->setVisible(visible);
}

void InputModes::InUseClicked(bool checked)
{
    if (!Editable()) return;
    Edit([&] { config_.Record.InputNotInUse[DisplayedInput] = !checked; });
    SetToDisplay(DisplayedInput);
    emit SettingsChanged();
}

void InputModes::AutoPowerOffClicked(bool checked)
{
    if (!Editable() || DisplayedInput >= ComputerInputs) return;
    Edit([&] { config_.Record.InputAutoPowerOff[DisplayedInput] = checked; });
    ShowAutoTimeOut(checked);
}
