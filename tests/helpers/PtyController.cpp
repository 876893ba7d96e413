// A controller at the far end of a pseudo-terminal, for the end-to-end tests
// of the system serial port. It prints the path of the terminal's near end,
// answers whoever opens it, and when its standard input closes writes to the
// file named by its first argument the image it received (8192 bytes), how
// many times it stored each block (1024 bytes, at most 255 each) and how
// many restarts it took (one byte). With "--wire" each byte takes its time
// at the rate set on the terminal; faults at block numbers follow
// (PtyDeviceOptions).
//
// A pseudo-terminal carries no parity, so the controller frames by content.

#include "support/devices/PtyDevice.h"
#include "support/devices/SimulatedController.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    const std::optional<PtyDeviceOptions> options = PtyDeviceOptions::Parse(argc, argv);
    if (!options) return 2;
    PtyFarEnd line;
    if (!line.Open()) return 1;

    SimulatedController controller;
    controller.FramingByContent = true;
    controller.Faults = options->faults;
    if (!ServeDevice(line, controller, options->wireTiming)) return 1;

    std::vector<uint8_t> timesStored(SimulatedController::ImageCapacity / 8, 0);
    for (const int block : controller.BlocksStored()) {
        uint8_t& times = timesStored[static_cast<std::size_t>(block)];
        times = static_cast<uint8_t>(std::min(times + 1, 255));
    }
    std::ofstream out(options->outputFile, std::ios::binary);
    out.write(reinterpret_cast<const char*>(controller.Image().data()),
              static_cast<std::streamsize>(controller.Image().size()));
    out.write(reinterpret_cast<const char*>(timesStored.data()), static_cast<std::streamsize>(timesStored.size()));
    out.put(static_cast<char>(std::min(controller.Restarts(), 255)));
    std::printf("blocks %zu restarts %d\n", controller.BlocksStored().size(), controller.Restarts());
    return out ? 0 : 1;
}
