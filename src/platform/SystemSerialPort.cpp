#include "platform/SystemSerialPort.h"

#include "platform/SerialDevice.h"

// termios2 lets a port run at any rate (14400 and 28800 have no B-constant);
// it cannot share a translation unit with <termios.h>.
#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>

extern "C" int ioctl(int fd, unsigned long request, ...);

namespace {

tcflag_t ParityFlags(SerialSettings::ParityKind parity)
{
    switch (parity) {
    case SerialSettings::ParityKind::None: return 0;
    case SerialSettings::ParityKind::Even: return PARENB;
    case SerialSettings::ParityKind::Odd: return PARENB | PARODD;
    case SerialSettings::ParityKind::Mark: return PARENB | PARODD | CMSPAR;
    case SerialSettings::ParityKind::Space: return PARENB | CMSPAR;
    }
    return 0;
}

tcflag_t CharacterSize(int dataBits)
{
    switch (dataBits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
    }
}

}  // namespace

SystemSerialPort::SystemSerialPort() = default;

SystemSerialPort::~SystemSerialPort()
{
    Close();
}

bool SystemSerialPort::Open()
{
    if (IsOpen()) return true;
    if (CommPort() < 1) return false;
    const int fd = ::open(SerialDevicePath(CommPort()).c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    // Another program holding the port exclusively, or a file that is no
    // serial line, makes the port absent for us.
    struct termios2 probe {};
    if (ioctl(fd, TCGETS2, &probe) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    if (!Configure(Settings())) {
        // The exclusive hold outlives this open while another holds the line.
        ioctl(fd_, TIOCNXCL);
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    ioctl(fd_, TCFLSH, TCIOFLUSH);
    received_.clear();
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { ReadAvailable(); });
    return true;
}

void SystemSerialPort::Close()
{
    if (!IsOpen()) return;
    notifier_.reset();
    EndBreak();
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    received_.clear();
}

bool SystemSerialPort::Configure(const SerialSettings& settings)
{
    struct termios2 tio {};
    if (ioctl(fd_, TCGETS2, &tio) != 0) return false;
    tio.c_iflag = IGNBRK;  // raw bytes in; parity is not checked on input
    tio.c_oflag = 0;
    tio.c_lflag = 0;
    tio.c_cflag = CREAD | CLOCAL | CharacterSize(settings.dataBits) | ParityFlags(settings.parity) |
                  (settings.stopBits == 2 ? CSTOPB : 0) | BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = static_cast<speed_t>(settings.baud);
    tio.c_ospeed = static_cast<speed_t>(settings.baud);
    // With one byte as the minimum, a read of an empty line says EAGAIN rather
    // than end of file.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    rateUnsupported_ = false;
    struct termios2 applied {};
    if (ioctl(fd_, TCSETS2, &tio) == 0 && ioctl(fd_, TCGETS2, &applied) == 0 &&
        std::abs(static_cast<double>(applied.c_ospeed) - settings.baud) <= settings.baud * 0.03)
        return true;
    // A rate the port cannot do: keep the framing at a rate it can, and let
    // the bytes written at this rate become a break of their length.
    rateUnsupported_ = true;
    tio.c_cflag = (tio.c_cflag & ~CBAUD & ~(CBAUD << IBSHIFT)) | BOTHER | (BOTHER << IBSHIFT);
    tio.c_ispeed = tio.c_ospeed = 9600;
    return ioctl(fd_, TCSETS2, &tio) == 0;
}

void SystemSerialPort::ApplySettings(const SerialSettings& settings)
{
    if (!IsOpen()) return;
    Drain();
    Configure(settings);
}

void SystemSerialPort::Drain()
{
    EndBreak();
    // Waits until every byte written has left, so it keeps its own parity.
    ioctl(fd_, TCSBRK, 1);
}

void SystemSerialPort::SendBreakFor(int characters)
{
    // The line is held low for the start bit and the eight zero data bits of
    // each character, as the zero bytes would have held it.
    const SerialSettings& settings = Settings();
    breakMilliseconds_ = std::lround(characters * (1 + settings.dataBits) * 1000.0 / settings.baud);
    Drain();
    if (ioctl(fd_, TIOCSBRK) != 0) return;
    inBreak_ = true;
    breakClock_.start();
    QTimer::singleShot(std::chrono::milliseconds(breakMilliseconds_), Qt::PreciseTimer, this, [this] { EndBreak(); });
}

void SystemSerialPort::EndBreak()
{
    if (!inBreak_) return;
    const qint64 remaining = breakMilliseconds_ - breakClock_.elapsed();
    if (remaining > 0) std::this_thread::sleep_for(std::chrono::milliseconds(remaining));
    inBreak_ = false;
    if (IsOpen()) ioctl(fd_, TIOCCBRK);
}

void SystemSerialPort::Output(const Bytes& bytes)
{
    if (!IsOpen() || bytes.empty()) return;
    if (rateUnsupported_) {
        SendBreakFor(static_cast<int>(bytes.size()));
        return;
    }
    EndBreak();
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
        } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd writable{fd_, POLLOUT, 0};
            if (::poll(&writable, 1, 1000) <= 0) return;  // the line is stuck; the reply wait will tell
        } else {
            return;
        }
    }
}

void SystemSerialPort::ReadAvailable()
{
    if (!IsOpen()) return;
    uint8_t chunk[512];
    for (;;) {
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) {
            received_.insert(received_.end(), chunk, chunk + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return;
        // A device that hung up reads as end of file or an error at once; stop
        // listening, or the notifier would fire without end.
        pollfd line{fd_, POLLIN, 0};
        const bool hungUp = n < 0 || (::poll(&line, 1, 0) == 1 && (line.revents & (POLLHUP | POLLERR)) != 0);
        if (hungUp && notifier_) notifier_->setEnabled(false);
        return;
    }
}

SerialPort::Bytes SystemSerialPort::Input()
{
    ReadAvailable();
    Bytes bytes;
    bytes.swap(received_);
    return bytes;
}

int SystemSerialPort::InBufferCount()
{
    ReadAvailable();
    return static_cast<int>(received_.size());
}
