#pragma once

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>
#include <string>

class ApplicationState;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTimer;
class SerialClass;
class SerialPort;
class SerialStringDisplay;

// What the two serial test dialogs share: the sixteen port options, the
// message and reply panes, sending byte by byte with busy waits, and the
// reply gathered for one second and shown in the chosen view.
class SerialTestDialog : public QDialog {
    Q_OBJECT
public:
    ~SerialTestDialog() override;

public slots:
    // Escape and the close box close the port, as Done does.
    void reject() override;

protected:
    SerialTestDialog(ApplicationState& state, QWidget* parent);

    SerialPort& Port() const { return *MSComm1; }

    // The frames the dialogs differ by go between the panes and the buttons.
    void BuildLayout(QWidget* settingsArea);
    // Disables the options of ports that cannot be opened; leaves every port closed.
    void ProbePorts();
    void BindPanes();
    // A settings text the port rejects leaves its settings as they were.
    void ApplySettings(const std::string& text);
    void ClosePort();
    // Clears the last reply, which keeps the port settings it is received
    // with, and empties the receive buffer.
    void BeginSend(int16_t baudrateIndex, int16_t parityIndex);
    // One byte, then a wait of the delay; skipped when the port is closed.
    void WriteByte(uint8_t byte, int delayMilliseconds);
    bool PortIsOpen() const;
    // Waits for the reply: Send and Copy are off until it came.
    void EndSend();
    static void BusyWait(int milliseconds);

    virtual void SendClicked() = 0;
    virtual void CopyClicked() = 0;

    ApplicationState& state_;
    SerialClass& ReceivedSerial;

    // The controls both dialogs work with.
    std::array<QRadioButton*, 16> Option1{};
    QPushButton* Send;
    QPushButton* Copy;
    QPushButton* Done;
    SerialStringDisplay* SerialStringDisplay1;
    SerialStringDisplay* SerialStringDisplay2;
    std::array<QRadioButton*, 3> Option2{};
    QTimer* Timer1;

private:
    void ReplyDue();
    void ApplyView();
    uint8_t ViewType() const;

    SerialPort* MSComm1;  // a child of the dialog
};
