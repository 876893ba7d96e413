#include "MessageToolsFixture.h"
#include "SerialTestSupport.h"
#include "controls/IntegerEntry.h"
#include "messages/SerialStringDisplay.h"
#include "messages/SerialTestForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

class SerialTestFormTest : public MessageToolsTest {
protected:
    SerialTestFormTest()
    {
        SetBytes(message, {{ContentAscii, 'H'}, {ContentAscii, 'I'}});
        message.Baudrate(2);
        message.Parity(2);
        message.InterByteDelay(3);
        state.Messages.WorkSerial = &message;
    }

    std::unique_ptr<SerialTestForm> Open(AnsweringPeer* peer, int commPort)
    {
        InstallSimulatedPorts(state.Installed,
                              [peer, commPort](SimulatedSerialPort& port) { port.AddPort(commPort, peer); });
        auto form = std::make_unique<SerialTestForm>(state);
        port_ = static_cast<SimulatedSerialPort*>(Named<SerialPort>(*form, "MSComm1"));
        form->show();
        return form;
    }

    SerialClass message;
    SimulatedSerialPort* port_ = nullptr;
};

}  // namespace

TEST_F(SerialTestFormTest, OpensTheLastPortWithTheMessageSettings)
{
    state.Messages.LastPortIndex = 4;
    AnsweringPeer peer(2, {'o', 'k'});
    auto form = Open(&peer, 5);
    EXPECT_EQ(form->windowTitle(), "Serial test");
    EXPECT_TRUE(Parts(*form).Option1(4)->isChecked());
    EXPECT_TRUE(port_->IsOpen());
    EXPECT_TRUE(Parts(*form).Send()->isEnabled());
    EXPECT_TRUE(Parts(*form).Baudrate(2)->isChecked());
    EXPECT_TRUE(Parts(*form).ParityOption(2)->isChecked());
    EXPECT_EQ(Parts(*form).InterByteDelay()->return_value(), 3);

    Parts(*form).Send()->click();
    ASSERT_TRUE(WaitForReplyWindow(*form));
    EXPECT_EQ(peer.Bytes(), (std::vector<uint8_t>{'H', 'I'}));
    EXPECT_EQ(peer.Heard()[0].settings.Text(), "38400,o,8,1");
    EXPECT_EQ(Parts(*form).SerialStringDisplay2()->LineText(), "ok");

    Parts(*form).Copy()->click();
    EXPECT_EQ(state.SerialClipboard.MyRS232StringClass().NumberOfBytes(), 2);
    EXPECT_EQ(state.SerialClipboard.MyRS232StringClass().ContentBytes(1), 'k');
    EXPECT_EQ(state.SerialClipboard.Baudrate(), 2) << "the copied reply keeps its port settings";
    EXPECT_EQ(state.SerialClipboard.Parity(), 2);
}

TEST_F(SerialTestFormTest, ChangingASettingReopensThePort)
{
    state.Messages.LastPortIndex = 0;
    AnsweringPeer peer(1, {});
    auto form = Open(&peer, 2);
    EXPECT_FALSE(Parts(*form).Option1(0)->isEnabled());
    for (std::size_t i = 0; i < 16; ++i) EXPECT_FALSE(Parts(*form).Option1(i)->isChecked());
    EXPECT_FALSE(Parts(*form).Send()->isEnabled());

    Parts(*form).Option1(1)->click();
    EXPECT_TRUE(Parts(*form).Send()->isEnabled());
    EXPECT_EQ(state.Messages.LastPortIndex, 1);
    Parts(*form).Baudrate(4)->click();
    Parts(*form).ParityOption(1)->click();
    EXPECT_EQ(port_->OpenAttempts(2), 4) << "probe, port, baud rate, parity";
    Parts(*form).Send()->click();
    ASSERT_TRUE(WaitForReplyWindow(*form));
    EXPECT_EQ(peer.Heard()[0].settings.Text(), "115200,e,8,1");
    EXPECT_EQ(state.Messages.ReceivedSerial.Baudrate(), 4) << "the settings the reply was sent for";
    EXPECT_EQ(state.Messages.ReceivedSerial.Parity(), 1);
    EXPECT_EQ(message.Baudrate(), 2) << "the message keeps its own settings";

    form->close();
    EXPECT_FALSE(port_->IsOpen());
}

TEST_F(SerialTestFormTest, SendsAsStoredWithoutALevel)
{
    SetBytes(message, {{ContentAscii, 'L'}, {ContentVariable, 0x33}});
    auto format = AddVolumeFormat(message);
    format->UseLevelForVolume(true);
    format->VolumeInsertByteNumber(2);
    format->VolumeMessageFormat(VolumeExtensionClass::RawBytes);
    format->StartUpVolume(1);
    state.Messages.LastPortIndex = 2;
    AnsweringPeer peer(2, {});
    auto form = Open(&peer, 3);
    auto* delayBox = Named<QLineEdit>(*Parts(*form).InterByteDelay(), "Text1");
    delayBox->setFocus();
    delayBox->selectAll();
    QTest::keyClicks(delayBox, "0");
    QTest::keyClick(delayBox, Qt::Key_Return);
    EXPECT_EQ(Parts(*form).InterByteDelay()->return_value(), 0);
    ASSERT_TRUE(Parts(*form).Send()->isEnabled());
    Parts(*form).Send()->click();
    ASSERT_TRUE(WaitForReplyWindow(*form));
    EXPECT_EQ(peer.Bytes(), (std::vector<uint8_t>{'L', 0x33}));
}
