// A controller at the far end of a pseudo-terminal, for the end-to-end test
// of the system serial port. It prints the path of the terminal's near end,
// answers whoever opens it, and when its standard input closes writes the
// image it received to the file named by its argument.
//
// A pseudo-terminal carries no parity, so the controller frames by content.

#include "support/devices/SimulatedController.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

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
        std::fprintf(stderr, "usage: %s image-file\n", argv[0]);
        return 2;
    }
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return 1;
    const char* nearEnd = ::ptsname(master);
    if (nearEnd == nullptr) return 1;
    // Held open so that the terminal lives on between the opens of the test,
    // and set raw so that nothing is echoed before the test's own set-up.
    const int held = ::open(nearEnd, O_RDWR | O_NOCTTY);
    termios raw{};
    if (held < 0 || ::tcgetattr(held, &raw) != 0) return 1;
    ::cfmakeraw(&raw);
    ::tcsetattr(held, TCSANOW, &raw);

    SimulatedController controller;
    controller.FramingByContent = true;
    controller.AttachToLine([master](const std::vector<uint8_t>& bytes, std::chrono::milliseconds) {
        WriteAll(master, bytes);
    });

    std::printf("%s\n", nearEnd);
    std::fflush(stdout);

    pollfd watched[2] = {{master, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        if (::poll(watched, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return 1;
        }
        if (watched[0].revents & POLLIN) {
            uint8_t chunk[256];
            const ssize_t n = ::read(master, chunk, sizeof chunk);
            for (ssize_t i = 0; i < n; ++i) controller.Hear(chunk[i], SerialSettings{});
        }
        if (watched[1].revents & (POLLIN | POLLHUP)) {
            char ignored[64];
            if (::read(STDIN_FILENO, ignored, sizeof ignored) <= 0) break;
        }
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(controller.Image().data()),
              static_cast<std::streamsize>(controller.Image().size()));
    std::printf("blocks %zu restarts %d\n", controller.BlocksStored().size(), controller.Restarts());
    return out ? 0 : 1;
}
