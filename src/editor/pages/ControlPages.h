#pragma once

#include "editor/pages/ConfigurationPage.h"

class ApplicationState;
class GlobalMessagePanes;
class InputSControl;
class LockModeControl;
class MeshloEntries;
class OutputsControl;

// Tab "Control Inputs": the PIR, keyswitch and power-down inputs.
class ControlInputsPage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit ControlInputsPage(Configuration& config, QWidget* parent = nullptr);
    void Fill() override;

private:
    InputSControl* InputSControl1;
};

// Tab "Control Outputs": the screen and lift outputs.
class ControlOutputsPage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit ControlOutputsPage(Configuration& config, QWidget* parent = nullptr);
    void Fill() override;

private:
    OutputsControl* OutputsControl1;
};

// Tab "Control Locking": the front-panel locking, with the RS232 and Meshlo
// lock and unlock events that it counts on.
class LockingPage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit LockingPage(ApplicationState& state, QWidget* parent = nullptr);
    void Fill() override;
    void Arrange() override;

private:
    LockModeControl* LockModeControl1;
    GlobalMessagePanes* panes_;
    MeshloEntries* meshlo_;
};
