#pragma once

#include "messages/ProjectorSerialTestForm.h"
#include "model/ApplicationState.h"
#include "support/NamedChild.h"
#include "support/devices/SimulatedPortMaker.h"

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

// Waits in the window loop for the test dialog's one-second reply window.
template <typename Dialog>
bool WaitForReplyWindow(Dialog& dialog)
{
    return QTest::qWaitFor([&] { return !dialog.Timer1->isActive(); }, 3000);
}

// Ports for the dialogs a test opens through the program's own commands:
// each a simulated port with the peer on the given COM port.
inline void InstallPortsWith(ApplicationState& state, SimulatedDevice& peer, int commPort)
{
    InstallSimulatedPorts(state.Installed, [&peer, commPort](SimulatedSerialPort& port) { port.AddPort(commPort, &peer); });
}

// Drives a serial test opened modally by a command: sends on COM1, waits
// for the reply window and closes.
inline void SendOnFirstPortAndClose(QWidget* modal)
{
    auto* form = qobject_cast<ProjectorSerialTestForm*>(modal);
    ASSERT_NE(form, nullptr);
    form->Option1[0]->click();
    form->Send->click();
    ASSERT_TRUE(WaitForReplyWindow(*form));
    form->Done->click();
}
