// A capture pod at the far end of a pseudo-terminal, for the end-to-end test
// of capture and playback over the system serial port. It prints the path of
// the terminal's near end and answers whoever opens it, keeping the gap the
// pod leaves between an acknowledgement and what follows it. When its
// standard input closes it writes what a playback sent it (256 code bytes,
// two timing bytes, the number of plays) to the file named by its argument.
//
// A pseudo-terminal carries no parity, so the pod frames by content.

#include "support/devices/PtyFarEnd.h"
#include "support/devices/SimulatedCapturePod.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s played-file\n", argv[0]);
        return 2;
    }
    PtyFarEnd line;
    if (!line.Open()) return 1;

    SimulatedCapturePod pod;
    pod.FramingByContent = true;
    pod.RemoteRepeats = true;
    std::multimap<Clock::time_point, std::vector<uint8_t>> pending;
    pod.AttachToLine([&pending](const std::vector<uint8_t>& bytes, std::chrono::milliseconds delay) {
        pending.emplace(Clock::now() + delay, bytes);
    });

    // What is due goes out before each wait, which lasts until the next is due.
    const auto sendDue = [&line, &pending] {
        while (!pending.empty() && pending.begin()->first <= Clock::now()) {
            line.Write(pending.begin()->second);
            pending.erase(pending.begin());
        }
        if (pending.empty()) return -1;
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(pending.begin()->first - Clock::now());
        return static_cast<int>(std::max<long>(wait.count(), 0));
    };
    if (!line.Serve([&pod](uint8_t byte) { pod.Hear(byte, SerialSettings{}); }, sendDue)) return 1;

    std::ofstream out(argv[1], std::ios::binary);
    for (const auto& part : pod.Played())
        out.write(reinterpret_cast<const char*>(part.data()), static_cast<std::streamsize>(part.size()));
    out.write(reinterpret_cast<const char*>(pod.PlayedTiming().data()), 2);
    out.put(static_cast<char>(pod.Plays()));
    std::printf("frames %zu restarts %d plays %d\n", pod.Frames().size(), pod.Restarts(), pod.Plays());
    return out ? 0 : 1;
}
