#pragma once

#include "controls/FillGuard.h"

#include <QWidget>
#include <cstdint>

class Configuration;
class OptionGroup;
class QGroupBox;

// One step of the front panel's lock sequence: which of the ten front-panel
// buttons is pressed at that step.
class LockControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int16_t Buttons = 10;

    explicit LockControl(Configuration& config, QWidget* parent = nullptr);

    // Shows step 0..3 of the sequence; raises nothing.
    void FillSettings(int16_t step);

signals:
    // The user picked a button.
    void SettingsChanged();

private:
    void ButtonClicked(int k);

    Configuration& config_;
    int16_t MyStep = 0;
    FillFlag Updating;

    QGroupBox* Frame1;
    OptionGroup* FirstLock;
};
