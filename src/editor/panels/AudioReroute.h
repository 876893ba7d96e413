#pragma once

#include "controls/FillGuard.h"

#include <QWidget>
#include <cstdint>

class Configuration;
class OptionGroup;
class QGroupBox;

// What audio input 1 or 2 carries: its own signal, or the audio of the
// computer or video input with the same number.
class AudioReroute : public QWidget {
    Q_OBJECT
public:
    explicit AudioReroute(Configuration& config, QWidget* parent = nullptr);

    // Shows audio input 0 or 1; any other number shows no choice and takes no edit.
    void SetToDisplay(int16_t input);

signals:
    // The user picked an option.
    void SettingsChanged();

private:
    void OptionClicked(int k);

    Configuration& config_;
    int16_t DisplayedInput = 0;
    FillFlag Updating;

    QGroupBox* Frame2;
    OptionGroup* Option1;
};
