#pragma once

#include "controls/FillGuard.h"
#include "model/ConfigurationEdit.h"

#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class Configuration;
class IntegerEntry;
class LockControl;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;

// The "Control Locking" page: the conditions that lock the front panel, how
// long it stays unlocked, whether the button sequence unlocks it, and the
// four steps of that sequence. A warning shows while something can lock the
// panel and nothing here can unlock it.
class LockModeControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int Steps = 4;

    explicit LockModeControl(Configuration& config, QWidget* parent = nullptr);

    // Shows the configuration; raises nothing.
    void FillSettings();
    // Applies the rules again, as the control-input modes may have changed.
    void RefreshDisplay();

signals:
    void SettingsChanged();

private:
    void UpdateDisplay();
    void ConnectLockBit(QCheckBox* check, int bit);
    void EnableFrontPanelMinutes(bool enabled);

    Configuration& config_;
    FillFlag Filling;

    QCheckBox* LockOnFrontPanelCheck;
    IntegerEntry* LockOnFrontPanelAfterTimePeriod;
    QLabel* LockOnFrontPanelAfterTimePeriodLabel;
    QCheckBox* LockONExternalCheck;
    QCheckBox* LockOnRoomEmptyCheck;
    IntegerEntry* LockOnRoomEmptyPeriod;
    QLabel* LockOnRoomEmptyPeriodLabel;
    QCheckBox* LockUsingButtonsCheck;
    QCheckBox* UnlockCheck;
    QGroupBox* LockSequenceFrame;
    std::array<LockControl*, Steps> LockControl1{};
    QFrame* WarningFrame;
    std::vector<std::unique_ptr<EditListener>> listeners_;
};
