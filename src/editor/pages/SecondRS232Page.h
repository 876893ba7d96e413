#pragma once

#include "editor/pages/ConfigurationPage.h"

#include <array>

class ApplicationState;
class GlobalMessagePanes;
class IntegerEntry;
class QRadioButton;

// Tab "2nd RS232": the controller's control port settings, its input
// selection messages and, with the infra-red add-ons, the messages of the
// remote-control buttons.
class SecondRS232Page : public ConfigurationPage {
    Q_OBJECT
public:
    explicit SecondRS232Page(ApplicationState& state, QWidget* parent = nullptr);
    void Fill() override;
    void Arrange() override;

private:
    std::array<QRadioButton*, 5> Baudrate{};
    std::array<QRadioButton*, 3> ParityOption{};
    IntegerEntry* InterByteDelay;
    GlobalMessagePanes* inputPanes_;
    GlobalMessagePanes* IRRS232Frame;
};
