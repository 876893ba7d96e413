#include "editor/panels/OutputsControl.h"

#include "controls/IntegerEntry.h"
#include "editor/panels/EntryEnabling.h"
#include "editor/panels/OptionGroup.h"
#include "model/Configuration.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
enum OutputsMode : int16_t { OutputsDisabled = 0, ScreenMode = 1, LiftMode = 2, PowerMode = 3 };
enum TimeGroup : int { ScreenGroup = 0, LiftGroup = 1, PowerGroup = 2 };
constexpr int ScreenByVolumeBit = 0x1;
// Set: the lift rises once the projector has cooled; clear: at projector off.
constexpr int LiftAfterCoolingBit = 0x2;
constexpr int LiftAtProjectorOff = 0;
constexpr int LiftAfterCooling = 1;
constexpr int16_t ShortestTime = 1;
constexpr int16_t LongestTime = 255;

constexpr std::array<const char*, OutputsControl::TimeGroups> UpTimeTooltips = {
    "Screen rise time", "Lift/Screen rise time", "Screen rise time"};
constexpr std::array<const char*, OutputsControl::TimeGroups> DownTimeTooltips = {
    "Screen lower time", "LiftScreen lower time", "Power up delay"};

// Captions of one group's labels: up caption, its unit, down caption, its unit.
using GroupCaptions = std::array<QString, 4>;
}  // namespace

OutputsControl::OutputsControl(Configuration& config, QWidget* parent) : QWidget(parent), config_(config)
{
    OutputsOption =
        new OptionGroup("OutputsOption",
                        {"Disabled", "Use to control screen", "Use to control projector lift      and screen",
                         "Use to control projector power      and screen"},
                        this);
    ScreenUseVolumeCheck = new QCheckBox("Use volume buttons to raise / lower when projector off", this);
    ScreenUseVolumeCheck->setObjectName("ScreenUseVolumeCheck");
    LiftOption = new OptionGroup("LiftOption", {"Raise lift at projector off", "Raise lift after cooling"}, this);

    const std::array<GroupCaptions, TimeGroups> captions = {
        GroupCaptions{"Screen Up", "Sec's", "Screen Down", "Sec's"},
        GroupCaptions{"Lift/Screen Up", "Sec's", "Lift Lower Time", "Sec's"},
        GroupCaptions{"Screen Up", "Sec's", "Power Up Delay", "Sec's"}};
    auto* grid = new QGridLayout(this);
    for (int g = 0; g < TimeGroups; ++g) {
        ScreenUpTime[g] = new IntegerEntry(this);
        ScreenUpTime[g]->setObjectName("ScreenUpTime_" + QString::number(g));
        ScreenDownTime[g] = new IntegerEntry(this);
        ScreenDownTime[g]->setObjectName("ScreenDownTime_" + QString::number(g));
        std::array<QLabel*, 4> labels{};
        for (int l = 0; l < 4; ++l) labels[l] = new QLabel(captions[g][l], this);
        if (g == LiftGroup) LiftLabel = labels;
        if (g == PowerGroup) PowerLabel = labels;
        for (int l = 0; l < 4; ++l) {
            const QString name = g == ScreenGroup ? "ScreenLabel" : g == LiftGroup ? "LiftLabel" : "PowerLabel";
            labels[l]->setObjectName(name + "_" + QString::number(l));
        }

        // Each mode's option stands beside a box with its own copy of the times.
        auto* box = new QGroupBox(this);
        auto* times = new QGridLayout(box);
        times->addWidget(labels[0], 0, 0);
        times->addWidget(ScreenUpTime[g], 0, 1, Qt::AlignLeft);
        times->addWidget(labels[1], 0, 2);
        times->addWidget(labels[2], 1, 0);
        times->addWidget(ScreenDownTime[g], 1, 1, Qt::AlignLeft);
        times->addWidget(labels[3], 1, 2);
        times->setColumnStretch(3, 1);
        if (g == ScreenGroup) times->addWidget(ScreenUseVolumeCheck, 2, 0, 1, 4);
        if (g == LiftGroup) {
            times->addWidget(LiftOption->Option(LiftAtProjectorOff), 2, 0, 1, 4);
            times->addWidget(LiftOption->Option(LiftAfterCooling), 3, 0, 1, 4);
        }
        grid->addWidget(OutputsOption->Option(g + 1), g + 1, 0, Qt::AlignTop);
        grid->addWidget(box, g + 1, 1);
    }
    grid->addWidget(OutputsOption->Option(OutputsDisabled), 0, 0);
    grid->setRowStretch(TimeGroups + 1, 1);
    grid->setColumnStretch(2, 1);

    connect(OutputsOption, &OptionGroup::Clicked, this, [this](int k) {
        if (Updating) return;
        EditDone([&] { config_.Record.OutputsMode = static_cast<int16_t>(k); });
    });
    connect(ScreenUseVolumeCheck, &QCheckBox::clicked, this, [this](bool checked) {
        if (Updating) return;
        EditDone([&] { SetOutputFlag(ScreenByVolumeBit, checked); });
    });
    connect(LiftOption, &OptionGroup::Clicked, this, [this](int k) {
        if (Updating) return;
        EditDone([&] { SetOutputFlag(LiftAfterCoolingBit, k == LiftAfterCooling); });
    });
    for (int g = 0; g < TimeGroups; ++g) {
        connect(ScreenUpTime[g], &IntegerEntry::ValueChanged, this, [this, g] {
            if (Updating) return;
            EditDone([&] {
                const FillGuard updating(Updating);
                config_.Record.ScreenUpSeconds = ScreenUpTime[g]->return_value();
                ShowTimes();
            });
        });
        connect(ScreenDownTime[g], &IntegerEntry::ValueChanged, this, [this, g] {
            if (Updating) return;
            EditDone([&] {
                const FillGuard updating(Updating);
                config_.Record.ScreenDownSeconds = ScreenDownTime[g]->return_value();
                ShowTimes();
            });
        });
    }

    FillSettings();
}

void OutputsControl::FillSettings()
{
    const ConfigurationRecord& record = config_.Record;
    const FillGuard updating(Updating);
    const FillGuard filling(Filling);
    OutputsOption->Select(record.OutputsMode);
    ShowTimes();
    ScreenUseVolumeCheck->setChecked((record.OutputFlags & ScreenByVolumeBit) != 0);
    LiftOption->Select((record.OutputFlags & LiftAfterCoolingBit) != 0 ? LiftAfterCooling : LiftAtProjectorOff);
    UpdateDisplay();
}

// Every copy of a time shows the one variable it stands for.
void OutputsControl::ShowTimes()
{
    const ConfigurationRecord& record = config_.Record;
    for (int g = 0; g < TimeGroups; ++g) {
        ScreenUpTime[g]->set_values(record.ScreenUpSeconds, ShortestTime, LongestTime,
                                    QString(UpTimeTooltips[static_cast<std::size_t>(g)]));
        ScreenDownTime[g]->set_values(record.ScreenDownSeconds, ShortestTime, LongestTime,
                                      QString(DownTimeTooltips[static_cast<std::size_t>(g)]));
    }
}

void OutputsControl::UpdateDisplay()
{
    const FillGuard updating(Updating);
    const int16_t mode = config_.Record.OutputsMode;
    if (mode >= OutputsDisabled && mode <= PowerMode) {
        for (int g = 0; g < TimeGroups; ++g) {
            const bool current = mode == g + 1;
            SetEntryEnabled(ScreenUpTime[g], current);
            SetEntryEnabled(ScreenDownTime[g], current);
        }
        ScreenUseVolumeCheck->setEnabled(mode == ScreenMode);
        LiftOption->SetEnabled(mode == LiftMode);
        for (QLabel* label : LiftLabel) label->setEnabled(mode == LiftMode);
        for (QLabel* label : PowerLabel) label->setEnabled(mode == PowerMode);
    }
    if (!Filling) emit SettingsChanged();
}

void OutputsControl::SetOutputFlag(int bit, bool set)
{
    int16_t& flags = config_.Record.OutputFlags;
    flags = static_cast<int16_t>(set ? (flags | bit) : (flags & ~bit));
}

void OutputsControl::EditDone(const std::function<void()>& store)
{
    config_.Edit(ConfigGroup::ControlOutputs, store);
    UpdateDisplay();
}
