#pragma once

#include "controls/IntegerEntry.h"
#include "messages/ProjectorSerialTestForm.h"
#include "messages/SerialStringDisplay.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/devices/SimulatedPortMaker.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

// An RS232 peer on a simulated port: keeps every byte it hears and, once it
// has heard as many bytes as it expects, answers with its reply.
class AnsweringPeer final : public SimulatedDevice {
public:
    AnsweringPeer(std::size_t expected, std::vector<uint8_t> reply) : expected_(expected), reply_(std::move(reply)) {}

    std::vector<uint8_t> Bytes() const
    {
        std::vector<uint8_t> bytes;
        for (const HeardByte& heard : Heard()) bytes.push_back(heard.byte);
        return bytes;
    }

protected:
    void Received(uint8_t, const SerialSettings&) override
    {
        if (Heard().size() == expected_ && !reply_.empty()) Send(reply_);
    }

private:
    std::size_t expected_;
    std::vector<uint8_t> reply_;
};

// The controls of the serial test dialogs, found by their names.
class SerialTestControls {
public:
    explicit SerialTestControls(const QWidget& dialog) : dialog_(dialog) {}

    QRadioButton* Option1(std::size_t i) const { return Named<QRadioButton>(dialog_, "Option1", int(i)); }
    QRadioButton* Option2(std::size_t i) const { return Named<QRadioButton>(dialog_, "Option2", int(i)); }
    QPushButton* Send() const { return Button("Send"); }
    QPushButton* Copy() const { return Button("Copy"); }
    QPushButton* Done() const { return Button("Done"); }
    SerialStringDisplay* SerialStringDisplay1() const { return Pane("SerialStringDisplay1"); }
    SerialStringDisplay* SerialStringDisplay2() const { return Pane("SerialStringDisplay2"); }
    // The dialog's own timer is its child, found before any entry's.
    QTimer* Timer1() const { return Named<QTimer>(dialog_, "Timer1"); }
    // The level controls of ProjectorSerialTestForm.
    QGroupBox* VolumeFrame() const { return Named<QGroupBox>(dialog_, "VolumeFrame"); }
    QLineEdit* DemoText() const { return Named<QLineEdit>(dialog_, "DemoText"); }
    QLabel* Label4() const { return Named<QLabel>(dialog_, "Label4"); }
    QPushButton* Up() const { return Button("Up"); }
    QPushButton* Down() const { return Button("Down"); }
    QPushButton* PowerUp() const { return Button("PowerUp"); }
    // The port settings of SerialTestForm.
    QRadioButton* Baudrate(std::size_t i) const { return Named<QRadioButton>(dialog_, "Baudrate", int(i)); }
    QRadioButton* ParityOption(std::size_t i) const { return Named<QRadioButton>(dialog_, "ParityOption", int(i)); }
    IntegerEntry* InterByteDelay() const { return Named<IntegerEntry>(dialog_, "InterByteDelay"); }

private:
    QPushButton* Button(const QString& name) const { return Named<QPushButton>(dialog_, name); }
    SerialStringDisplay* Pane(const QString& name) const { return Named<SerialStringDisplay>(dialog_, name); }

    const QWidget& dialog_;
};

inline SerialTestControls Parts(const QWidget& dialog)
{
    return SerialTestControls(dialog);
}

// Waits in the window loop for the test dialog's one-second reply window.
inline bool WaitForReplyWindow(const QWidget& dialog)
{
    QTimer* replyWindow = Parts(dialog).Timer1();
    return QTest::qWaitFor([replyWindow] { return !replyWindow->isActive(); }, 3000);
}

// Ports for the dialogs a test opens through the program's own commands:
// each a simulated port with the peer on the given COM port.
inline void InstallPortsWith(ApplicationState& state, SimulatedDevice& peer, int commPort)
{
    InstallSimulatedPorts(state.Installed,
                          [&peer, commPort](SimulatedSerialPort& port) { port.AddPort(commPort, &peer); });
}

// Drives a serial test opened modally by a command: sends on COM1, waits
// for the reply window and closes.
inline void SendOnFirstPortAndClose(QWidget* modal)
{
    auto* form = qobject_cast<ProjectorSerialTestForm*>(modal);
    ASSERT_NE(form, nullptr);
    Parts(*form).Option1(0)->click();
    Parts(*form).Send()->click();
    ASSERT_TRUE(WaitForReplyWindow(*form));
    Parts(*form).Done()->click();
}
