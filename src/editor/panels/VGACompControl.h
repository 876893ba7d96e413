#pragma once

#include "controls/FillGuard.h"

#include <QWidget>
#include <cstdint>

class Configuration;
class OptionGroup;

// Whether computer input 1..4 carries computer (VGA) or component video.
class VGACompControl : public QWidget {
    Q_OBJECT
public:
    explicit VGACompControl(Configuration& config, QWidget* parent = nullptr);

    // Shows computer input 0..3; any other number shows no choice and takes no edit.
    void SetToDisplay(int16_t input);

signals:
    // The user picked an option.
    void SettingsChanged();

private:
    void OptionClicked(int k);

    Configuration& config_;
    int16_t DisplayedInput = 0;
    FillFlag Updating;

    OptionGroup* Option1;
};
