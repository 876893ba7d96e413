#pragma once

#include "platform/InstalledInterfaces.h"
#include "platform/SerialPortMaker.h"
#include "support/devices/SimulatedSerialPort.h"

#include <functional>
#include <memory>

// Hands every serial dialog a simulated port, set up as the test says
// (which ports exist, which devices sit on them).
class SimulatedPortMaker final : public SerialPortMaker {
public:
    using SetUp = std::function<void(SimulatedSerialPort&)>;

    explicit SimulatedPortMaker(SetUp setUp = {}) : setUp_(std::move(setUp)) {}

    std::unique_ptr<SerialPort> MakeSerialPort() override
    {
        auto port = std::make_unique<SimulatedSerialPort>();
        if (setUp_) setUp_(*port);
        return port;
    }

private:
    SetUp setUp_;
};

inline void InstallSimulatedPorts(InstalledInterfaces& installed, SimulatedPortMaker::SetUp setUp = {})
{
    installed.Install<SerialPortMaker>(std::make_unique<SimulatedPortMaker>(std::move(setUp)));
}
