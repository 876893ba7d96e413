#pragma once

#include "devicelink/SerialLink.h"

#include <QString>

// What a search found on one port, as the download dialog's row shows it.
struct PortSearchRow {
    bool opened = false;  // the port exists; its row is shown
    SerialLink::DeviceIdentity identity = 0;
    QString deviceText;       // the device's name and version, or dashes
    bool canProgram = false;  // the controller answered
    bool version1 = true;     // no device above major version 1
};

inline const QString NoDeviceText = "--------------";

// Opens COMn, probes it (restarting what answers) and closes it again. A
// port that cannot be opened is a row that stays hidden.
PortSearchRow SearchPort(SerialLink& link, int commPort, const DeviceTypeTable& deviceTypes);
