#pragma once

#include "support/devices/PtyFarEnd.h"
#include "support/devices/ReplyFaults.h"
#include "support/devices/SimulatedSerialPort.h"

#include <optional>
#include <string>

// A device helper's command line: the file it writes when its standard
// input closes, then "--wire" for wire timing and the faults of ReplyFaults.
struct PtyDeviceOptions {
    std::string outputFile;
    bool wireTiming = false;
    ReplyFaults faults;

    // None, after a usage message, when the arguments are wrong.
    static std::optional<PtyDeviceOptions> Parse(int argc, char** argv);
};

// Serves a simulated device at the far end of a pseudo-terminal until the
// standard input closes (true) or waiting fails (false). Without wire timing
// the device hears each byte as it is read and its answers go out after
// their delays, whole. With wire timing each byte, either way, takes its
// character time at the settings the PC has put on the terminal, one after
// another from when it is sent (a late answer once its delay is over), as
// on a cable: a terminal passes bytes on at once.
bool ServeDevice(const PtyFarEnd& line, SimulatedDevice& device, bool wireTiming);
