#pragma once

#include <QString>
#include <filesystem>

// The device that stands for COMn: the one the environment variable
// TAVLO_COMn names, else /dev/ttyS{n-1}.
std::filesystem::path SerialDevicePath(int commPort);

// The port as the user is told of it: "COM3: /dev/ttyS2", with " (not
// present)" added when no such device exists.
QString SerialDeviceDescription(int commPort);
