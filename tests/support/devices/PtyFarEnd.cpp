#include "support/devices/PtyFarEnd.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

PtyFarEnd::~PtyFarEnd()
{
    if (held_ >= 0) ::close(held_);
    if (master_ >= 0) ::close(master_);
}

bool PtyFarEnd::Open()
{
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return false;
    const char* nearEnd = ::ptsname(master_);
    if (nearEnd == nullptr) return false;
    nearEnd_ = nearEnd;
    held_ = ::open(nearEnd_.c_str(), O_RDWR | O_NOCTTY);
    termios raw{};
    if (held_ < 0 || ::tcgetattr(held_, &raw) != 0) return false;
    ::cfmakeraw(&raw);
    ::tcsetattr(held_, TCSANOW, &raw);
    std::printf("%s\n", nearEnd_.c_str());
    std::fflush(stdout);
    return true;
}

bool PtyFarEnd::Write(const std::vector<uint8_t>& bytes) const
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

bool PtyFarEnd::Serve(const std::function<void(uint8_t)>& hear, const NextWait& nextWait) const
{
    pollfd watched[2] = {{master_, POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        // A character at 9600 baud takes about a millisecond: the wait is
        // kept to the nanosecond rather than rounded to whole milliseconds.
        const std::optional<std::chrono::nanoseconds> wait = nextWait ? nextWait() : std::nullopt;
        timespec limit{};
        if (wait) {
            const auto nanoseconds = std::max<std::chrono::nanoseconds::rep>(wait->count(), 0);
            limit.tv_sec = static_cast<time_t>(nanoseconds / 1'000'000'000);
            limit.tv_nsec = static_cast<long>(nanoseconds % 1'000'000'000);
        }
        if (::ppoll(watched, 2, wait ? &limit : nullptr, nullptr) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (watched[0].revents & POLLIN) {
            uint8_t chunk[256];
            const ssize_t n = ::read(master_, chunk, sizeof chunk);
            for (ssize_t i = 0; i < n; ++i) hear(chunk[i]);
        }
        if (watched[1].revents & (POLLIN | POLLHUP)) {
            char ignored[64];
            if (::read(STDIN_FILENO, ignored, sizeof ignored) <= 0) return true;
        }
    }
}
