#include "messages/MessagePort.h"

#include "model/ApplicationState.h"
#include "platform/SystemSerialPort.h"

std::unique_ptr<SerialPort> MakeMessagePort(ApplicationState& state)
{
    if (state.Messages.MakeSerialPort) return state.Messages.MakeSerialPort();
    return std::make_unique<SystemSerialPort>();
}
