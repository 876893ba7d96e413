#pragma once

#include "editor/pages/ConfigurationPage.h"

#include <array>

class ApplicationState;
class AudioReroute;
class IRDevicePicker;
class InputModes;
class QGroupBox;
class QLabel;
class SerialStringDisplay;
class VGACompControl;

// The page the ten input tabs share, filled for the current input: its
// rear-panel connection, its settings and its two messages.
class InputPage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit InputPage(ApplicationState& state, QWidget* parent = nullptr);

    void Fill() override {}
    // Arranges the page for input t (0 to 9).
    void ArrangeFor(int input);
    // The tab caption of a computer input: "Computer n" or "Component n".
    static QString ComputerTabCaption(int input, bool component);
    // Empties the IR device and commands of all ten inputs.
    void ClearIRDisplay();

signals:
    // A panel changed what the page shows: the window arranges it again.
    void ShapeChanged();

private:
    void SetTabOrderByRows();

    QGroupBox* UseInputFrame;
    QLabel* UseThisRearPanelConnectionLabel;
    QGroupBox* AudioFromFrame;
    QLabel* AudioFromLabel;
    QGroupBox* HDFrame;
    QLabel* HDLabel;
    IRDevicePicker* IRFrame;
    QGroupBox* RS232Frame;
    std::array<SerialStringDisplay*, 2> SerialStringDisplay1{};
    InputModes* InputModes1;
    AudioReroute* AudioReroute1;
    VGACompControl* VGACompControl1;
    int input_ = -1;
};
