#pragma once

#include "editor/pages/ConfigurationPage.h"

class ApplicationState;
class GlobalMessagePanes;
class MeshloEntries;
class QCheckBox;

// Tab "Microphone": whether the microphone may be used while the display is
// off, its RS232 and Meshlo events.
class MicrophonePage : public ConfigurationPage {
    Q_OBJECT
public:
    explicit MicrophonePage(ApplicationState& state, QWidget* parent = nullptr);
    void Fill() override;

private:
    QCheckBox* MicrophoneCheck;
    GlobalMessagePanes* panes_;
    MeshloEntries* meshlo_;
};
