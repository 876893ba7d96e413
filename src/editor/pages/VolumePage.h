#pragma once

#include "editor/pages/ConfigurationPage.h"

class ApplicationState;
class GlobalMessagePanes;
class IntegerEntry;
class MeshloEntries;
class QCheckBox;
class QLabel;

// Tab "Volume Control": the level range, step and start-up level in dB, the
// RS232 volume messages and the Meshlo volume events.
class VolumePage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit VolumePage(ApplicationState& state, QWidget* parent = nullptr);
    void Fill() override;

private:
    void ShowStartLevel(bool usePowerDownLevel);

    IntegerEntry* MaximumLevel;
    IntegerEntry* MinimumLevel;
    IntegerEntry* VolumeStep;
    IntegerEntry* FixedStartLevel;
    QCheckBox* UsePowerDownCheck;
    QLabel* startLevelCaption_;  // Label5(3)
    QLabel* FixedLevelLabel;     // FixedLevelLabel(0)
    GlobalMessagePanes* panes_;
    MeshloEntries* meshlo_;
};
