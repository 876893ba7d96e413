#include "editor/panels/InputSControl.h"

#include "controls/IntegerEntry.h"
#include "controls/integer5v.h"
#include "editor/panels/EntryEnabling.h"
#include "editor/panels/OptionGroup.h"
#include "model/Configuration.h"
#include "platform/ObjectName.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace {
enum InputsMode : int16_t { InputsDisabled = 0, VolumeUpDown = 1, SeparateFunctions = 2 };
enum RoomSensorMode : int16_t { SensorUnused = 0, SensorLowWhenOccupied = 1, SensorHighWhenOccupied = 2 };

QVBoxLayout* OptionColumn(const OptionGroup& options)
{
    auto* column = new QVBoxLayout;
    for (int k = 0; k < options.Count(); ++k) column->addWidget(options.Option(k));
    return column;
}
}  // namespace

InputSControl::InputSControl(Configuration& config, QWidget* parent) : QWidget(parent), config_(config)
{
    MainOption = new OptionGroup("MainOption", {"Disabled", "Volume Up/Down", "Seperate Functions"}, this);

    LabelInput2 = WithName(new QLabel("Input 1", this), "LabelInput2");
    ControlInput2Option = new OptionGroup("ControlInput2Option", {"Disabled", "Use as room PIR power down"}, this);
    InputStateLabel = WithName(new QLabel("Input state when room occupied", this), "InputStateLabel");
    ControlInputOptionLowHighOption = new OptionGroup("ControlInputOptionLowHighOption", {"Low", "High"}, this);
    TresholdLabel[0] = WithName(new QLabel("Threshold", this), "TresholdLabel_0");
    InputVoltageThreshold = new integer5v(this);
    InputVoltageThreshold->setObjectName("InputVoltageThreshold");
    TresholdLabel[1] = WithName(new QLabel("V", this), "TresholdLabel_1");
    InputTimeOutLabel[0] = WithName(new QLabel("Timeout", this), "InputTimeOutLabel_0");
    RoomTimeout = new IntegerEntry(this);
    RoomTimeout->setObjectName("RoomTimeout");
    InputTimeOutLabel[1] = WithName(new QLabel("Min's", this), "InputTimeOutLabel_1");

    LabelInput1 = WithName(new QLabel("Input 2", this), "LabelInput1");
    ControlInput1Option = new OptionGroup(
        "ControlInput1Option",
        {"Disabled", "Use as mic. on/off", "Use with enable keyswitch", "Use as external power down"}, this);

    auto* modes = new QGroupBox(this);
    modes->setLayout(OptionColumn(*MainOption));

    // The room-sensor group, headed "Input 1", edits the second input's mode.
    auto* sensorGroup = new QVBoxLayout;
    sensorGroup->addWidget(LabelInput2);
    sensorGroup->addLayout(OptionColumn(*ControlInput2Option));
    sensorGroup->addWidget(InputStateLabel);
    auto* lowHigh = new QHBoxLayout;
    lowHigh->addWidget(ControlInputOptionLowHighOption->Option(0));
    lowHigh->addWidget(ControlInputOptionLowHighOption->Option(1));
    lowHigh->addStretch();
    sensorGroup->addLayout(lowHigh);
    auto* entries = new QGridLayout;
    entries->addWidget(TresholdLabel[0], 0, 0);
    entries->addWidget(InputVoltageThreshold, 0, 1);
    entries->addWidget(TresholdLabel[1], 0, 2);
    entries->addWidget(InputTimeOutLabel[0], 1, 0);
    entries->addWidget(RoomTimeout, 1, 1);
    entries->addWidget(InputTimeOutLabel[1], 1, 2);
    entries->setColumnStretch(3, 1);
    sensorGroup->addLayout(entries);
    sensorGroup->addStretch();

    auto* otherGroup = new QVBoxLayout;
    otherGroup->addWidget(LabelInput1);
    otherGroup->addLayout(OptionColumn(*ControlInput1Option));
    otherGroup->addStretch();

    auto* groups = new QHBoxLayout;
    groups->addLayout(sensorGroup);
    groups->addSpacing(24);
    groups->addLayout(otherGroup);
    groups->addStretch();
    auto* page = new QVBoxLayout(this);
    page->addWidget(modes);
    page->addLayout(groups);
    page->addStretch();

    connect(MainOption, &OptionGroup::Clicked, this, &InputSControl::MainOptionClicked);
    connect(ControlInput1Option, &OptionGroup::Clicked, this, &InputSControl::ControlInput1Clicked);
    connect(ControlInput2Option, &OptionGroup::Clicked, this, &InputSControl::RoomSensorClicked);
    connect(ControlInputOptionLowHighOption, &OptionGroup::Clicked, this, &InputSControl::RoomSensorClicked);
    connect(InputVoltageThreshold, &integer5v::ValueChanged, this, [this] {
        if (Updating) return;
        EditDone([this] {
            config_.Record.SensorThreshold = static_cast<int16_t>(std::lround(InputVoltageThreshold->return_value()));
        });
    });
    connect(RoomTimeout, &IntegerEntry::ValueChanged, this, [this] {
        if (Updating) return;
        EditDone([this] { config_.Record.RoomEmptyTimeout = RoomTimeout->return_value(); });
    });

    FillSettings();
}

void InputSControl::FillSettings()
{
    const ConfigurationRecord& record = config_.Record;
    const FillGuard updating(Updating);
    const FillGuard filling(Filling);
    MainOption->Select(record.ControlInputsMode);
    switch (record.ControlInput2Mode) {
    case SensorUnused:
        ControlInput2Option->Select(0);
        ControlInputOptionLowHighOption->Select(0);
        break;
    case SensorLowWhenOccupied:
    case SensorHighWhenOccupied:
        ControlInput2Option->Select(1);
        ControlInputOptionLowHighOption->Select(record.ControlInput2Mode == SensorLowWhenOccupied ? 0 : 1);
        break;
    default:
        // A value no option stands for is shown as none and kept.
        ControlInput2Option->Select(-1);
        ControlInputOptionLowHighOption->Select(-1);
        break;
    }
    ControlInput1Option->Select(record.ControlInput1Mode);
    UpdateDisplay();
}

void InputSControl::UpdateDisplay()
{
    const ConfigurationRecord& record = config_.Record;
    const FillGuard updating(Updating);
    InputVoltageThreshold->set_values(record.SensorThreshold, "Set switching voltage for the PIR sensor output");
    RoomTimeout->set_values(record.RoomEmptyTimeout, 1, 60, "Set duration of room empty before powe down.");
    switch (record.ControlInputsMode) {
    case InputsDisabled:
    case VolumeUpDown:
        EnableInputGroups(false);
        EnableRoomSensor(false);
        break;
    case SeparateFunctions:
        EnableInputGroups(true);
        if (record.ControlInput2Mode == SensorUnused) {
            EnableRoomSensor(false);
        } else if (record.ControlInput2Mode == SensorLowWhenOccupied ||
                   record.ControlInput2Mode == SensorHighWhenOccupied) {
            EnableRoomSensor(true);
        }
        break;
    default: break;
    }
    if (!Filling) emit SettingsChanged();
}

void InputSControl::EnableInputGroups(bool enabled)
{
    ControlInput1Option->SetEnabled(enabled);
    ControlInput2Option->SetEnabled(enabled);
    LabelInput1->setEnabled(enabled);
    LabelInput2->setEnabled(enabled);
}

void InputSControl::EnableRoomSensor(bool enabled)
{
    SetEntryEnabled(RoomTimeout, enabled);
    SetEntryEnabled(InputVoltageThreshold, enabled);
    for (QLabel* label : {TresholdLabel[0], TresholdLabel[1], InputTimeOutLabel[0], InputTimeOutLabel[1]}) {
        label->setEnabled(enabled);
    }
    InputStateLabel->setEnabled(enabled);
    ControlInputOptionLowHighOption->SetEnabled(enabled);
}

void InputSControl::MainOptionClicked(int k)
{
    if (Updating) return;
    EditDone([&] {
        config_.Record.ControlInputsMode = static_cast<int16_t>(k == 0   ? InputsDisabled
                                                                : k == 1 ? VolumeUpDown
                                                                         : SeparateFunctions);
    });
}

void InputSControl::ControlInput1Clicked(int k)
{
    if (Updating) return;
    EditDone([&] { config_.Record.ControlInput1Mode = static_cast<int16_t>(k <= 2 ? k : 3); });
}

void InputSControl::RoomSensorClicked()
{
    if (Updating) return;
    const int sensor = ControlInput2Option->Selected();
    EditDone([&] {
        if (sensor == 0) {
            config_.Record.ControlInput2Mode = SensorUnused;
        } else if (sensor == 1) {
            config_.Record.ControlInput2Mode =
                ControlInputOptionLowHighOption->Selected() == 0 ? SensorLowWhenOccupied : SensorHighWhenOccupied;
        }
    });
}

void InputSControl::EditDone(const std::function<void()>& store)
{
    config_.Edit(ConfigGroup::ControlInputs, store);
    UpdateDisplay();
}
