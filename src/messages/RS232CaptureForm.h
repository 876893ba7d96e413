#pragma once

#include "messages/MessagePaneDialogs.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <vector>

class ApplicationState;
class CaptureGrid;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTimer;
class SerialPort;

// Connects to a COM port with a chosen baud rate and parity, gathers the
// bytes that arrive, shows them in a grid and lets the user mark a run of
// up to 32 of them; Done (or Return) makes that run, with the port
// settings, the message in WorkSerial.
class RS232CaptureForm : public QDialog {
    Q_OBJECT
public:
    explicit RS232CaptureForm(ApplicationState& state, QWidget* parent = nullptr);
    ~RS232CaptureForm() override;

public slots:
    // Cancel, Escape and the close box stop the capture and close the port.
    void reject() override;

private:
    void BuildControls();
    void Load();
    void ProbePorts();
    bool OpenPort();
    void ClosePort();
    void ConnectClicked();
    void SettingClicked();
    void ClearClicked();
    void CaptureTick();
    void GridDown(int32_t position);
    void GridMove(int32_t position);
    void GridUp(int32_t position);
    void NormaliseSelection();
    void ResetSelection();
    void DrawGrid();
    void DoneClicked();

    ApplicationState& state_;
    std::array<QRadioButton*, 16> Option1{};
    std::array<QRadioButton*, 5> Baudrate{};
    std::array<QRadioButton*, 3> ParityOption{};
    QPushButton* Connect;
    QPushButton* Clear;
    QPushButton* Done;
    QPushButton* Cancel;
    std::array<QRadioButton*, 3> Option2{};
    QCheckBox* ShowControlCodesCheck;
    CaptureGrid* Picture1;
    QScrollBar* VScroll1;
    QLabel* Label1;
    QLabel* BytesReceivedLabel;
    QLabel* BytesSelectedLabel2;
    QLabel* BytesSelectedLabel;
    QTimer* Timer1;
    SerialPort* MSComm1;  // a child of the dialog

    std::vector<uint8_t> CaptureBuffer;
    int32_t SelectionAnchor = 0;
    int32_t SelectionEnd = 0;
    int32_t SelectionLow = 0;
    int32_t SelectionHigh = 0;
    bool Dragging = false;
};

// Shows the capture dialog modally on the message; true when Done took the
// capture.
bool ShowRS232CaptureForm(ApplicationState& state, SerialClass& message, QWidget* parent);

class RS232CaptureFormLauncher final : public RS232CaptureDialog {
public:
    bool ShowRS232CaptureForm(QWidget* owner, ApplicationState& state, SerialClass& message) override;
};
