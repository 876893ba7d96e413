#include "platform/SystemSerialPort.h"

// termios2 reads back any rate; it cannot share a file with <termios.h>.
#include <asm/ioctls.h>
#include <asm/termbits.h>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

extern "C" int ioctl(int fd, unsigned long request, ...);

namespace {

// A pseudo-terminal whose far end the test holds, named as COM9, with a
// second open of its near end through which the test reads the line's
// settings back (a terminal's settings are shared by all its opens).
class PseudoTerminalPort : public ::testing::Test {
protected:
    PseudoTerminalPort()
    {
        master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return;
        const char* name = ::ptsname(master);
        if (name == nullptr) return;
        nearEnd = name;
        watcher = ::open(nearEnd.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        ::setenv("TAVLO_COM9", nearEnd.c_str(), 1);
        port.SetCommPort(9);
    }
    ~PseudoTerminalPort() override
    {
        port.Close();
        ::unsetenv("TAVLO_COM9");
        if (watcher >= 0) ::close(watcher);
        if (master >= 0) ::close(master);
    }

    termios2 Line() const
    {
        termios2 line{};
        EXPECT_EQ(ioctl(watcher, TCGETS2, &line), 0);
        return line;
    }
    std::vector<uint8_t> ReadFarEnd(std::size_t count)
    {
        std::vector<uint8_t> bytes;
        QElapsedTimer clock;
        clock.start();
        while (bytes.size() < count && clock.elapsed() < 2000) {
            uint8_t chunk[64];
            const ssize_t n = ::read(master, chunk, sizeof chunk);
            if (n > 0)
                bytes.insert(bytes.end(), chunk, chunk + n);
            else
                QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
        return bytes;
    }

    int master = -1;
    int watcher = -1;
    std::string nearEnd;
    SystemSerialPort port;
};

}  // namespace

TEST_F(PseudoTerminalPort, EverySettingsTextOfTheLinkReachesTheLine)
{
    ASSERT_GE(watcher, 0);
    ASSERT_TRUE(port.Open());
    struct Expected {
        const char* text;
        speed_t baud;
        bool odd;
        bool twoStopBits;
    };
    for (const Expected& expected :
         {Expected{"9600,o,8,1", 9600, true, false}, Expected{"9600,e,8,1", 9600, false, false},
          Expected{"110,n,8,2", 110, false, true}, Expected{"14400,n,8,2", 14400, false, true},
          Expected{"28800,n,8,2", 28800, false, true}, Expected{"38400,n,8,2", 38400, false, true},
          Expected{"2400,n,8,2", 2400, false, true}}) {
        port.SetSettings(expected.text);
        const termios2 line = Line();
        EXPECT_EQ(line.c_ospeed, expected.baud) << expected.text;
        // A pseudo-terminal drops the parity-enable bit, but keeps which
        // parity, odd or even, the line was given.
        EXPECT_EQ((line.c_cflag & PARODD) != 0, expected.odd) << expected.text;
        EXPECT_EQ((line.c_cflag & CSTOPB) != 0, expected.twoStopBits) << expected.text;
        EXPECT_EQ(line.c_cflag & CSIZE, static_cast<tcflag_t>(CS8)) << expected.text;
    }
}

TEST_F(PseudoTerminalPort, BytesGoOutAsTheyAreAndRepliesAreReadAndCleared)
{
    ASSERT_GE(watcher, 0);
    ASSERT_TRUE(port.Open());
    port.SetSettings("9600,o,8,1");
    port.Output(uint8_t{0x11});
    port.SetSettings("9600,e,8,1");
    port.Output({0x00, 0x0A, 0x0D, 0xFF});  // no translation of line ends or zeros
    EXPECT_EQ(ReadFarEnd(5), (std::vector<uint8_t>{0x11, 0x00, 0x0A, 0x0D, 0xFF}));

    const uint8_t reply[] = {0xF0, 0x0D, 0x00};
    ASSERT_EQ(::write(master, reply, sizeof reply), 3);
    QElapsedTimer clock;
    clock.start();
    while (port.InBufferCount() < 3 && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_EQ(port.Input(), (SerialPort::Bytes{0xF0, 0x0D, 0x00}));
    EXPECT_EQ(port.InBufferCount(), 0);
}
