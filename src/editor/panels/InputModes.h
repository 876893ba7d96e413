#pragma once

#include "controls/FillGuard.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

class Configuration;
class IntegerEntry;
class MeshloAddressControl;
class QCheckBox;
class QLabel;

// The settings of one rear-panel input: its Meshlo in and out addresses, its
// volume offset, whether it is in use, the automatic behaviour of a computer
// input and whether an audio input may be selected with the display off. The
// page holds no copy of the configuration; SetToDisplay shows an input afresh.
class InputModes : public QWidget {
    Q_OBJECT
public:
    explicit InputModes(Configuration& config, QWidget* parent = nullptr);

    // Shows input 0..9; any other number leaves the page as it stands.
    void SetToDisplay(int16_t input);

signals:
    // The user switched the input in or out of use.
    void SettingsChanged();

private:
    bool Editable() const;
    void Edit(const std::function<void()>& store);
    // Stores the value an entry control reads into the shown input's
    // setting, unless the read, which lets pending window events run,
    // brought another input to the page.
    void EditReadValue(const std::function<int16_t()>& read,
                       const std::function<void(int16_t input, int16_t value)>& store);
    void ShowAutoTimeOut(bool visible);
    void InUseClicked(bool checked);
    void AutoPowerOffClicked(bool checked);

    Configuration& config_;
    int16_t DisplayedInput = 0;
    FillFlag Updating;

    QCheckBox* InUse;
    QLabel* MeshloInLabel;
    MeshloAddressControl* MeshloInAddress;
    QLabel* MeshloOutLabel;
    MeshloAddressControl* MeshloOutAddress;
    QLabel* Label4;
    IntegerEntry* ChannelVolume;
    QLabel* Label1;
    QCheckBox* AutoSelect;
    QCheckBox* AutoPowerOn;
    QCheckBox* AutoPowerOff;
    std::array<QLabel*, 2> AutoTimOutLabel{};
    IntegerEntry* AutoTimeOut;
    QCheckBox* AudioCheck;
};
