// A controller at the far end of a pseudo-terminal, for the end-to-end test
// of the system serial port. It prints the path of the terminal's near end,
// answers whoever opens it, and when its standard input closes writes the
// image it received to the file named by its argument.
//
// A pseudo-terminal carries no parity, so the controller frames by content.

#include "support/devices/PtyFarEnd.h"
#include "support/devices/SimulatedController.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s image-file\n", argv[0]);
        return 2;
    }
    PtyFarEnd line;
    if (!line.Open()) return 1;

    SimulatedController controller;
    controller.FramingByContent = true;
    controller.AttachToLine(
        [&line](const std::vector<uint8_t>& bytes, std::chrono::milliseconds) { line.Write(bytes); });

    if (!line.Serve([&controller](uint8_t byte) { controller.Hear(byte, SerialSettings{}); })) return 1;
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(controller.Image().data()),
              static_cast<std::streamsize>(controller.Image().size()));
    std::printf("blocks %zu restarts %d\n", controller.BlocksStored().size(), controller.Restarts());
    return out ? 0 : 1;
}
