#include "platform/SerialPortMaker.h"

#include "platform/InstalledInterfaces.h"
#include "platform/SystemSerialPort.h"

std::unique_ptr<SerialPort> SystemSerialPortMaker::MakeSerialPort()
{
    return std::make_unique<SystemSerialPort>();
}

SerialPort* MakeSerialPortOwnedBy(QObject* owner, const InstalledInterfaces& installed)
{
    auto* maker = installed.Find<SerialPortMaker>();
    std::unique_ptr<SerialPort> port =
        maker != nullptr ? maker->MakeSerialPort() : SystemSerialPortMaker().MakeSerialPort();
    port->setObjectName("MSComm1");
    port->setParent(owner);
    return port.release();
}
