#include "platform/SerialSettings.h"
#include "support/devices/SimulatedSerialPort.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// Answers every byte it hears with the byte plus one.
class EchoPlusOne final : public SimulatedDevice {
protected:
    void Received(uint8_t byte, const SerialSettings&) override { Send({static_cast<uint8_t>(byte + 1)}); }
};

}  // namespace

TEST(SerialSettings, ParsesTheSettingsTextAndRefusesNonsense)
{
    const auto odd = SerialSettings::Parse("9600,o,8,1");
    EXPECT_EQ(odd.baud, 9600);
    EXPECT_EQ(odd.parity, SerialSettings::ParityKind::Odd);
    EXPECT_EQ(odd.BitsPerCharacter(), 11);
    EXPECT_EQ(odd.Text(), "9600,o,8,1");
    const auto slow = SerialSettings::Parse("110,N,8,2");
    EXPECT_EQ(slow.parity, SerialSettings::ParityKind::None);
    EXPECT_EQ(slow.BitsPerCharacter(), 11);
    for (const char* bad : {"", "9600", "9600,x,8,1", "fast,n,8,1", "9600,n,9,1", "9600,n,8,3", "9600,n,8,1,1"})
        EXPECT_THROW(SerialSettings::Parse(bad), std::invalid_argument) << bad;
}

TEST(SimulatedSerialPort, EveryByteKeepsTheSettingsItWasWrittenUnderAlsoOnATimedLine)
{
    EchoPlusOne device;
    SimulatedSerialPort port;
    port.SetWireTiming(true);
    port.AddPort(2, &device);
    port.SetCommPort(1);
    EXPECT_FALSE(port.Open());  // COM1 was never added
    port.SetCommPort(2);
    ASSERT_TRUE(port.Open());

    port.SetSettings("9600,o,8,1");
    port.Output(uint8_t{0x11});
    port.SetSettings("9600,e,8,1");  // before the first byte has left the wire
    port.Output({0x20, 0x30});
    EXPECT_TRUE(device.Heard().empty());
    EXPECT_EQ(port.InBufferCount(), 0);

    QElapsedTimer clock;
    clock.start();
    while (port.InBufferCount() < 3 && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    ASSERT_EQ(device.Heard().size(), 3u);
    EXPECT_EQ(device.Heard()[0].settings.Text(), "9600,o,8,1");
    EXPECT_EQ(device.Heard()[1].settings.Text(), "9600,e,8,1");
    EXPECT_EQ(port.Input(), (SerialPort::Bytes{0x12, 0x21, 0x31}));
    EXPECT_EQ(port.InBufferCount(), 0);  // reading empties the buffer

    port.Close();
    port.Output(uint8_t{1});
    EXPECT_EQ(device.Heard().size(), 3u);  // a closed port sends nothing
}
