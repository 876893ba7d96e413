// A capture pod at the far end of a pseudo-terminal, for the end-to-end test
// of capture and playback over the system serial port. It prints the path of
// the terminal's near end and answers whoever opens it, keeping the gap the
// pod leaves between an acknowledgement and what follows it. When its
// standard input closes it writes what a playback sent it (256 code bytes,
// two timing bytes, the number of plays) to the file named by its argument.
//
// A pseudo-terminal carries no parity, so the pod frames by content.

#include "support/devices/SimulatedCapturePod.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool WriteAll(int fd, const std::vector<uint8_t>& bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s played-file\n", argv[0]);
        return 2;
    }
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return 1;
    const char* nearEnd = ::ptsname(master);
    if (nearEnd == nullptr) return 1;
    // Held open so that the terminal lives on between the opens of the test.
    const int held = ::open(nearEnd, O_RDWR | O_NOCTTY);
    termios raw{};
    if (held < 0 || ::tcgetattr(held, &raw) != 0) return 1;
    ::cfmakeraw(&raw);
    ::tcsetattr(held, TCSANOW, &raw);

    SimulatedCapturePod pod;
    pod.FramingByContent = true;
    pod.RemoteRepeats = true;
    std::multimap<Clock::time_point, std::vector<uint8_t>> pending;
    pod.AttachToLine([&pending](const std::vector<uint8_t>& bytes, std::chrono::milliseconds delay) {
        pending.emplace(Clock::now() + delay, bytes);
    });

    std::printf("%s\n", nearEnd);
    std::fflush(stdout);

    pollfd watched[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        while (!pending.empty() && pending.begin()->first <= Clock::now()) {
            WriteAll(master, pending.begin()->second);
            pending.erase(pending.begin());
        }
        int timeout = -1;
        if (!pending.empty()) {
            const auto wait = std::chrono::ceil<std::chrono::milliseconds>(pending.begin()->first - Clock::now());
            timeout = static_cast<int>(std::max<long>(wait.count(), 0));
        }
        if (::poll(watched, 2, timeout) < 0) {
            if (errno == EINTR) continue;
            return 1;
        }
        if (watched[0].revents & POLLIN) {
            uint8_t chunk[256];
            const ssize_t n = ::read(master, chunk, sizeof chunk);
            for (ssize_t i = 0; i < n; ++i) pod.Hear(chunk[i], SerialSettings{});
        }
        if (watched[1].revents & (POLLIN | POLLHUP)) {
            char ignored[64];
            if (::read(STDIN_FILENO, ignored, sizeof ignored) <= 0) break;
        }
    }
    std::ofstream out(argv[1], std::ios::binary);
    for (const auto& part : pod.Played())
        out.write(reinterpret_cast<const char*>(part.data()), static_cast<std::streamsize>(part.size()));
    out.write(reinterpret_cast<const char*>(pod.PlayedTiming().data()), 2);
    out.put(static_cast<char>(pod.Plays()));
    std::printf("frames %zu restarts %d plays %d\n", pod.Frames().size(), pod.Restarts(), pod.Plays());
    return out ? 0 : 1;
}
