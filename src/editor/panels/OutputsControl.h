#pragma once

#include "controls/FillGuard.h"

#include <QWidget>
#include <array>
#include <functional>

class Configuration;
class IntegerEntry;
class OptionGroup;
class QCheckBox;
class QLabel;

// The "Control Outputs" page: what the two outputs drive (nothing, a screen,
// a projector lift and screen, or the projector's power and screen), with the
// up and down times and two flags. Each mode has its own copy of the two time
// entries; only the copies of the current mode can be edited.
class OutputsControl : public QWidget {
    Q_OBJECT
public:
    static constexpr int TimeGroups = 3;

    explicit OutputsControl(Configuration& config, QWidget* parent = nullptr);

    // Shows the configuration; raises nothing.
    void FillSettings();

signals:
    void SettingsChanged();

private:
    void UpdateDisplay();
    void ShowTimes();
    void SetOutputFlag(int bit, bool set);
    // Stores a user edit and applies the rules to it.
    void EditDone(const std::function<void()>& store);

    Configuration& config_;
    FillFlag Updating;
    FillFlag Filling;

    OptionGroup* OutputsOption;
    QCheckBox* ScreenUseVolumeCheck;
    OptionGroup* LiftOption;
    std::array<IntegerEntry*, TimeGroups> ScreenUpTime{};
    std::array<IntegerEntry*, TimeGroups> ScreenDownTime{};
    std::array<QLabel*, 4> LiftLabel{};
    std::array<QLabel*, 4> PowerLabel{};
};
