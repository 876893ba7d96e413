#include "platform/SerialPort.h"

void SerialPort::SetCommPort(int port)
{
    if (!IsOpen()) commPort_ = port;
}

void SerialPort::SetSettings(std::string_view text)
{
    const SerialSettings settings = SerialSettings::Parse(text);
    ApplySettings(settings);
    settings_ = settings;
}
