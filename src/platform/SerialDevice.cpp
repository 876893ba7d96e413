#include "platform/SerialDevice.h"

#include <cstdlib>
#include <string>

std::filesystem::path SerialDevicePath(int commPort)
{
    const std::string variable = "TAVLO_COM" + std::to_string(commPort);
    if (const char* named = std::getenv(variable.c_str()); named != nullptr && *named != '\0') return named;
    return "/dev/ttyS" + std::to_string(commPort - 1);
}

QString SerialDeviceDescription(int commPort)
{
    const std::filesystem::path device = SerialDevicePath(commPort);
    std::error_code error;
    const bool present = std::filesystem::exists(device, error);
    return QString("COM%1: %2%3")
        .arg(commPort)
        .arg(QString::fromStdString(device.string()), present ? QString() : QString(" (not present)"));
}
