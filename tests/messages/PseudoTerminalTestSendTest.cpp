#include "MessageToolsFixture.h"
#include "SerialTestSupport.h"
#include "messages/ProjectorSerialTestForm.h"
#include "messages/SerialStringDisplay.h"
#include "platform/SerialPort.h"

#include <QByteArray>
#include <QPushButton>
#include <QRadioButton>
#include <QSocketNotifier>
#include <QTest>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Points COM1 to COM16 at the given devices for the life of the object.
class ComPortDevices {
public:
    explicit ComPortDevices(const std::map<int, QByteArray>& devices)
    {
        for (int port = 1; port <= 16; ++port) {
            const QByteArray name = "TAVLO_COM" + QByteArray::number(port);
            const auto found = devices.find(port);
            qputenv(name.constData(), found != devices.end() ? found->second : "/nonexistent/tavlo-test-port");
        }
    }
    ~ComPortDevices()
    {
        for (int port = 1; port <= 16; ++port) qunsetenv(("TAVLO_COM" + QByteArray::number(port)).constData());
    }
};

// The far end of a pseudo-terminal: collects what the PC sends and, when
// it is exactly the expected message, answers.
class PtyPeer {
public:
    PtyPeer(QByteArray expected, QByteArray reply) : expected_(std::move(expected)), reply_(std::move(reply))
    {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
        termios raw{};
        tcgetattr(master_, &raw);
        cfmakeraw(&raw);
        tcsetattr(master_, TCSANOW, &raw);
        fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
        slaveName_ = name;
        notifier_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReadAvailable(); });
    }
    ~PtyPeer()
    {
        notifier_.reset();
        if (slave_ >= 0) close(slave_);
        if (master_ >= 0) close(master_);
    }

    const QByteArray& SlaveName() const { return slaveName_; }
    const QByteArray& Heard() const { return heard_; }

private:
    void ReadAvailable()
    {
        char buffer[256];
        for (;;) {
            const ssize_t n = read(master_, buffer, sizeof buffer);
            if (n <= 0) break;
            heard_.append(buffer, n);
        }
        if (heard_ == expected_) {
            const ssize_t written = write(master_, reply_.constData(), static_cast<size_t>(reply_.size()));
            EXPECT_EQ(written, reply_.size());
        }
    }

    int master_ = -1;
    int slave_ = -1;
    QByteArray slaveName_;
    QByteArray expected_;
    QByteArray reply_;
    QByteArray heard_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

class PseudoTerminalTestSend : public MessageToolsTest {};

}  // namespace

TEST_F(PseudoTerminalTestSend, MessageWithLevelGoesOutAndTheReplyIsShownInEveryView)
{
    PtyPeer peer(QByteArray("VOL\x01\x2C\r", 6), QByteArray("ACK\r\n", 5));
    ASSERT_FALSE(peer.SlaveName().isEmpty()) << "no pseudo-terminal available";
    ComPortDevices ports({{7, peer.SlaveName()}});

    SerialClass message;
    SetBytes(
        message,
        {{ContentAscii, 'V'}, {ContentAscii, 'O'}, {ContentAscii, 'L'}, {ContentVariable, 0}, {ContentControl, 13}});
    message.InterByteDelay(2);
    auto format = AddVolumeFormat(message);
    format->UseLevelForVolume(true);
    format->VolumeInsertByteNumber(4);
    format->VolumeMessageFormat(VolumeExtensionClass::RawBytes);
    format->VolumeNumberOfBytes(2);
    format->MaxVolume(1000);
    format->StartUpVolume(300);
    state.Messages.WorkSerial = &message;

    ProjectorSerialTestForm form(state);
    form.show();
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(Parts(form).Option1(i)->isEnabled(), i == 6) << "option " << i;
    Parts(form).Option1(6)->click();
    ASSERT_TRUE(Parts(form).Send()->isEnabled());
    Parts(form).Send()->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Parts(form).Timer1()->isActive(); }, 3000));
    EXPECT_EQ(peer.Heard(), QByteArray("VOL\x01\x2C\r", 6));

    EXPECT_EQ(Parts(form).SerialStringDisplay2()->LineText(), "ACK" + QString(QChar(127)) + QString(QChar(127)));
    Parts(form).Option2(0)->click();
    EXPECT_EQ(Parts(form).SerialStringDisplay2()->LineText(), "065d,067d,075d,013d,010d");
    Parts(form).Option2(1)->click();
    EXPECT_EQ(Parts(form).SerialStringDisplay2()->LineText(), "41h,43h,4Bh,0Dh,0Ah");
    Parts(form).Done()->click();
}
