#pragma once

#include "controls/FillGuard.h"

#include <QWidget>
#include <array>
#include <functional>

class Configuration;
class IntegerEntry;
class OptionGroup;
class QLabel;
class integer5v;

// The "Control Inputs" page: whether the two control inputs are unused, a
// pair of volume buttons or two separate functions, and in the last case
// what each does and how the room sensor on one of them is read.
class InputSControl : public QWidget {
    Q_OBJECT
public:
    explicit InputSControl(Configuration& config, QWidget* parent = nullptr);

    // Shows the configuration; raises nothing.
    void FillSettings();

signals:
    // After every user edit; the locking page depends on the input modes.
    void SettingsChanged();

private:
    void UpdateDisplay();
    void EnableInputGroups(bool enabled);
    void EnableRoomSensor(bool enabled);
    void MainOptionClicked(int k);
    void ControlInput1Clicked(int k);
    void RoomSensorClicked();
    // Stores a user edit and applies the rules to it.
    void EditDone(const std::function<void()>& store);

    Configuration& config_;
    FillFlag Updating;
    FillFlag Filling;

    OptionGroup* MainOption;
    QLabel* LabelInput2;
    OptionGroup* ControlInput2Option;
    QLabel* InputStateLabel;
    OptionGroup* ControlInputOptionLowHighOption;
    std::array<QLabel*, 2> TresholdLabel{};
    integer5v* InputVoltageThreshold;
    std::array<QLabel*, 2> InputTimeOutLabel{};
    IntegerEntry* RoomTimeout;
    QLabel* LabelInput1;
    OptionGroup* ControlInput1Option;
};
