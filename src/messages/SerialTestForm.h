#pragma once

#include "messages/SerialTestDialog.h"

class IntegerEntry;

// The serial test with port settings of the user's choosing: sends the
// message in WorkSerial as stored, without a level, and copies the reply
// into the message clipboard.
class SerialTestForm : public SerialTestDialog {
    Q_OBJECT
public:
    SerialTestForm(ApplicationState& state, QWidget* parent = nullptr);

private:
    void Load();
    void OpenSelectedPort();
    void SendClicked() override;
    void CopyClicked() override;

    std::array<QRadioButton*, 5> Baudrate{};
    std::array<QRadioButton*, 3> ParityOption{};
    IntegerEntry* InterByteDelay;
};
