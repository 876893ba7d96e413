#pragma once

#include "platform/SerialPort.h"

#include <memory>

class InstalledInterfaces;

// Makes the port a serial dialog works on. The system's ports serve while
// none is installed; tests install simulated ones.
class SerialPortMaker {
public:
    virtual ~SerialPortMaker() = default;
    virtual std::unique_ptr<SerialPort> MakeSerialPort() = 0;
};

// The system's ports, as the program installs them.
class SystemSerialPortMaker final : public SerialPortMaker {
public:
    std::unique_ptr<SerialPort> MakeSerialPort() override;
};

// The port from the installed maker, or a system port, made a child of the
// dialog that uses it under the serial control's name "MSComm1".
SerialPort* MakeSerialPortOwnedBy(QObject* owner, const InstalledInterfaces& installed);
