#include "editor/pages/VolumePage.h"

#include "controls/IntegerEntry.h"
#include "editor/panels/GlobalMessagePanes.h"
#include "editor/panels/MeshloEntries.h"
#include "model/ApplicationState.h"
#include "platform/ObjectName.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

VolumePage::VolumePage(ApplicationState& state, QWidget* parent) : ConfigurationPage(state.Config, parent)
{
    MaximumLevel = WithName(new IntegerEntry, "MaximumLevel");
    MinimumLevel = WithName(new IntegerEntry, "MinimumLevel");
    VolumeStep = WithName(new IntegerEntry, "VolumeStep");
    FixedStartLevel = WithName(new IntegerEntry, "FixedStartLevel");
    UsePowerDownCheck = new QCheckBox("Start at the level of the last power down");
    UsePowerDownCheck->setObjectName("UsePowerDownCheck");
    startLevelCaption_ = WithName(new QLabel("Power up level"), "Label5_3");
    FixedLevelLabel = WithName(new QLabel("dB"), "FixedLevelLabel_0");

    auto* levels = new QGroupBox("Levels");
    auto* grid = new QGridLayout(levels);
    grid->addWidget(new QLabel("Maximum level"), 0, 0);
    grid->addWidget(MaximumLevel, 0, 1);
    grid->addWidget(new QLabel("dB"), 0, 2);
    grid->addWidget(new QLabel("Minimum level"), 1, 0);
    grid->addWidget(MinimumLevel, 1, 1);
    grid->addWidget(new QLabel("dB"), 1, 2);
    grid->addWidget(new QLabel("Volume step"), 2, 0);
    grid->addWidget(VolumeStep, 2, 1);
    grid->addWidget(new QLabel("dB"), 2, 2);
    grid->addWidget(UsePowerDownCheck, 3, 0, 1, 3);
    grid->addWidget(startLevelCaption_, 4, 0);
    grid->addWidget(FixedStartLevel, 4, 1);
    grid->addWidget(FixedLevelLabel, 4, 2);
    grid->setColumnStretch(3, 1);

    panes_ = new GlobalMessagePanes(state, "RS232 In",
                                    {{8, "Step Up"}, {9, "Step Down"}, {10, "Mute On"}, {11, "Mute Off"}});
    meshlo_ = new MeshloEntries(
        config_, "Meshlo",
        {{12, "Step Up"}, {13, "Step Down"}, {14, "Analogue Level"}, {15, "Mute On"}, {0, "Mute Off"}});

    auto* row = new QHBoxLayout;
    row->addWidget(levels);
    row->addWidget(meshlo_);
    row->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addLayout(row);
    column->addWidget(panes_);
    column->addStretch();

    const auto storeOnEdit = [this](IntegerEntry* entry, int16_t ConfigurationRecord::*variable) {
        connect(entry, &IntegerEntry::ValueChanged, this, [this, entry, variable] {
            StoreEdit(ConfigGroup::Volume, [&] { config_.Record.*variable = entry->return_value(); });
        });
    };
    storeOnEdit(MaximumLevel, &ConfigurationRecord::VolumeMaximum);
    storeOnEdit(MinimumLevel, &ConfigurationRecord::VolumeMinimum);
    storeOnEdit(VolumeStep, &ConfigurationRecord::VolumeStepDb);
    storeOnEdit(FixedStartLevel, &ConfigurationRecord::StartUpLevel);
    connect(UsePowerDownCheck, &QCheckBox::clicked, this, [this](bool checked) {
        StoreEdit(ConfigGroup::Volume, [&] {
            config_.Record.UsePowerDownLevel = checked;
            ShowStartLevel(checked);
        });
    });
}

// The fixed start level means nothing while the last power-down level is used.
void VolumePage::ShowStartLevel(bool usePowerDownLevel)
{
    for (QWidget* widget : {static_cast<QWidget*>(FixedStartLevel), static_cast<QWidget*>(startLevelCaption_),
                            static_cast<QWidget*>(FixedLevelLabel)})
        widget->setVisible(!usePowerDownLevel);
}

void VolumePage::Fill()
{
    const FillGuard showing(ShowingConfiguration);
    const ConfigurationRecord& record = config_.Record;
    meshlo_->Fill();
    UsePowerDownCheck->setChecked(record.UsePowerDownLevel);
    ShowStartLevel(record.UsePowerDownLevel);
    MaximumLevel->set_values(record.VolumeMaximum, -56, 0, "Set maximum volume in dB's");
    MinimumLevel->set_values(record.VolumeMinimum, -56, 0, "Set minimum volume in dB's");
    VolumeStep->set_values(record.VolumeStepDb, 1, 10, "Set volume step in dB's");
    FixedStartLevel->set_values(record.StartUpLevel, -56, 0, "Set power up volume in dB's");
    panes_->Fill();
}
