// A capture pod at the far end of a pseudo-terminal, for the end-to-end tests
// of capture and playback over the system serial port. It prints the path of
// the terminal's near end and answers whoever opens it, keeping the gap the
// pod leaves between an acknowledgement and what follows it. When its
// standard input closes it writes what a playback sent it (256 code bytes,
// two timing bytes, the number of plays) to the file named by its first
// argument. With "--wire" each byte takes its time at the rate set on the
// terminal; faults at playback packet numbers and at the play command
// (frame -2) follow (PtyDeviceOptions).
//
// A pseudo-terminal carries no parity, so the pod frames by content.

#include "support/devices/PtyDevice.h"
#include "support/devices/SimulatedCapturePod.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv)
{
    const std::optional<PtyDeviceOptions> options = PtyDeviceOptions::Parse(argc, argv);
    if (!options) return 2;
    PtyFarEnd line;
    if (!line.Open()) return 1;

    SimulatedCapturePod pod;
    pod.FramingByContent = true;
    pod.RemoteRepeats = true;
    pod.Faults = options->faults;
    if (!ServeDevice(line, pod, options->wireTiming)) return 1;

    std::ofstream out(options->outputFile, std::ios::binary);
    for (const auto& part : pod.Played())
        out.write(reinterpret_cast<const char*>(part.data()), static_cast<std::streamsize>(part.size()));
    out.write(reinterpret_cast<const char*>(pod.PlayedTiming().data()), 2);
    out.put(static_cast<char>(pod.Plays()));
    std::printf("frames %zu restarts %d plays %d\n", pod.Frames().size(), pod.Restarts(), pod.Plays());
    return out ? 0 : 1;
}
