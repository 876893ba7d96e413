#include "MessageToolsFixture.h"
#include "PaneParts.h"
#include "SerialTestSupport.h"
#include "messages/MessageDialogs.h"
#include "messages/ProjectorSerialTestForm.h"
#include "messages/SerialStringDisplay.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {

class ProjectorSerialTestFormTest : public MessageToolsTest {
protected:
    ProjectorSerialTestFormTest() { state.Messages.WorkSerial = &message; }

    std::unique_ptr<ProjectorSerialTestForm> Open(AnsweringPeer* peer, int commPort = 3)
    {
        InstallSimulatedPorts(state.Installed,
                              [peer, commPort](SimulatedSerialPort& port) { port.AddPort(commPort, peer); });
        auto form = std::make_unique<ProjectorSerialTestForm>(state);
        port_ = static_cast<SimulatedSerialPort*>(Named<SerialPort>(*form, "MSComm1"));
        form->show();
        return form;
    }

    void SendOn(ProjectorSerialTestForm& form, int option = 2)
    {
        Parts(form).Option1(static_cast<std::size_t>(option))->click();
        ASSERT_TRUE(Parts(form).Send()->isEnabled());
        Parts(form).Send()->click();
        ASSERT_TRUE(WaitForReplyWindow(form));
    }

    std::shared_ptr<VolumeExtensionClass> LevelFormat(int16_t messageFormat, int16_t bytes, int16_t minimum,
                                                      int16_t maximum, int16_t insertAt)
    {
        auto format = AddVolumeFormat(message);
        format->UseLevelForVolume(true);
        format->VolumeMessageFormat(messageFormat);
        format->VolumeNumberOfBytes(bytes);
        format->MinVolume(minimum);
        format->MaxVolume(maximum);
        format->VolumeStep(1);
        format->VolumeInsertByteNumber(insertAt);
        return format;
    }

    SerialClass message;
    SimulatedSerialPort* port_ = nullptr;
};

}  // namespace

TEST_F(ProjectorSerialTestFormTest, LoadProbesThePortsAndLeavesThemClosed)
{
    SetBytes(message, {{ContentAscii, 'A'}});
    AnsweringPeer peer(1, {});
    auto form = Open(&peer);
    EXPECT_EQ(form->windowTitle(), "Serial test");
    for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(Parts(*form).Option1(i)->isEnabled(), i == 2) << "option " << i;
    for (int commPort = 1; commPort <= 16; ++commPort) EXPECT_EQ(port_->OpenAttempts(commPort), 1);
    EXPECT_FALSE(port_->IsOpen());
    EXPECT_FALSE(Parts(*form).Send()->isEnabled());
    EXPECT_FALSE(Parts(*form).Copy()->isEnabled());
    EXPECT_TRUE(Parts(*form).Option2(2)->isChecked());
    EXPECT_TRUE(Parts(*form).VolumeFrame()->isHidden()) << "a message without a level format";
    EXPECT_EQ(Parts(*form).SerialStringDisplay1()->LineText(), "A");
    EXPECT_EQ(Parts(*form).SerialStringDisplay2()->MySerialClass(), &state.Messages.ReceivedSerial);
}

TEST_F(ProjectorSerialTestFormTest, SendsWithTheMessageSettingsAndShowsTheReplyInEveryView)
{
    SetBytes(message, {{ContentAscii, 'P'}, {ContentAscii, 'W'}, {ContentHex, 0x0D}});
    message.Baudrate(1);
    message.Parity(1);
    AnsweringPeer peer(3, {'O', 'K', 0x0D});
    auto form = Open(&peer);
    EXPECT_EQ(state.Messages.ReceivedSerial.Baudrate(), 1);
    EXPECT_EQ(state.Messages.ReceivedSerial.Parity(), 1);
    SendOn(*form);
    EXPECT_EQ(peer.Bytes(), (std::vector<uint8_t>{'P', 'W', 0x0D}));
    for (const auto& heard : peer.Heard()) EXPECT_EQ(heard.settings.Text(), "19200,e,8,1");
    EXPECT_TRUE(Parts(*form).Copy()->isEnabled());
    EXPECT_TRUE(Parts(*form).Send()->isEnabled());
    EXPECT_EQ(Parts(*form).SerialStringDisplay2()->LineText(), "OK" + QString(QChar(127)));
    EXPECT_EQ(state.Messages.ReceivedSerial.Baudrate(), 1) << "the reply keeps the settings it came with";
    EXPECT_EQ(state.Messages.ReceivedSerial.Parity(), 1);
    Parts(*form).Option2(0)->click();
    EXPECT_EQ(Parts(*form).SerialStringDisplay2()->LineText(), "079d,075d,013d");
    Parts(*form).Option2(1)->click();
    EXPECT_EQ(Parts(*form).SerialStringDisplay2()->LineText(), "4Fh,4Bh,0Dh");
    Parts(*form).Copy()->click();
    EXPECT_EQ(Parts(*form).SerialStringDisplay2()->LineText(), "4Fh,4Bh,0Dh");
    EXPECT_EQ(message.MyRS232StringClass().NumberOfBytes(), 3) << "the message under test is never changed";
}

TEST_F(ProjectorSerialTestFormTest, NoReplyLeavesThePaneEmpty)
{
    SetBytes(message, {{ContentAscii, 'A'}});
    SetBytes(state.Messages.ReceivedSerial, {{ContentAscii, 'Z'}});
    AnsweringPeer peer(1, {});
    auto form = Open(&peer);
    EXPECT_EQ(Parts(*form).SerialStringDisplay2()->LineText(), "") << "the last reply is cleared at load";
    SendOn(*form);
    EXPECT_FALSE(Parts(*form).Copy()->isEnabled());
    EXPECT_EQ(Parts(*form).SerialStringDisplay2()->LineText(), "");
}

TEST_F(ProjectorSerialTestFormTest, LongReplyKeepsItsFirst32Bytes)
{
    SetBytes(message, {{ContentAscii, 'A'}});
    std::vector<uint8_t> reply;
    for (uint8_t i = 0; i < 40; ++i) reply.push_back(static_cast<uint8_t>('a' + i % 26));
    AnsweringPeer peer(1, reply);
    auto form = Open(&peer);
    SendOn(*form);
    const RS232_String_Class& received = state.Messages.ReceivedSerial.MyRS232StringClass();
    ASSERT_EQ(received.NumberOfBytes(), 32);
    EXPECT_EQ(received.ContentBytes(31), reply[31]);
    EXPECT_TRUE(Parts(*form).Copy()->isEnabled());
}

TEST_F(ProjectorSerialTestFormTest, LevelReplacesTheVariableByte)
{
    SetBytes(message, {{ContentHex, 1}, {ContentHex, 2}, {ContentVariable, 0}, {ContentHex, 4}, {ContentHex, 5}});
    auto format = LevelFormat(VolumeExtensionClass::RawBytes, 2, 0, 1000, 3);
    format->StartUpVolume(300);
    AnsweringPeer peer(6, {});
    auto form = Open(&peer);
    EXPECT_FALSE(Parts(*form).VolumeFrame()->isHidden());
    EXPECT_EQ(Parts(*form).DemoText()->text(), R"("1","44" or "01","2C"in HEX)");
    EXPECT_EQ(Parts(*form).Label4()->text(), "Value = 300 or 12C in Hex");
    SendOn(*form);
    EXPECT_EQ(peer.Bytes(), (std::vector<uint8_t>{1, 2, 0x01, 0x2C, 4, 5}));
}

TEST_F(ProjectorSerialTestFormTest, DecimalLevelWithSign)
{
    SetBytes(message, {{ContentAscii, 'V'}, {ContentVariable, 0}});
    auto format = LevelFormat(VolumeExtensionClass::DecimalInAscii, 3, -10, 10, 2);
    format->StartUpVolume(-7);
    AnsweringPeer peer(4, {});
    auto form = Open(&peer);
    EXPECT_EQ(form->LevelText(), "-07");
    for (int i = 0; i < 7; ++i) Parts(*form).Up()->click();
    EXPECT_EQ(form->LevelText(), "+00");
    SendOn(*form);
    EXPECT_EQ(peer.Bytes(), (std::vector<uint8_t>{'V', 0x2B, 0x30, 0x30}));
}

TEST_F(ProjectorSerialTestFormTest, LevelButtonsKeepTheRange)
{
    SetBytes(message, {{ContentVariable, 0}});
    auto format = LevelFormat(VolumeExtensionClass::HexInAscii, 2, 0, 20, 1);
    format->VolumeStep(8);
    format->StartUpVolume(50);
    AnsweringPeer peer(1, {});
    auto form = Open(&peer);
    EXPECT_EQ(form->CurrentLevel(), 20) << "a start-up level above the maximum gives the maximum";
    Parts(*form).Up()->click();
    EXPECT_EQ(form->CurrentLevel(), 20);
    Parts(*form).Down()->click();
    Parts(*form).Down()->click();
    Parts(*form).Down()->click();
    EXPECT_EQ(form->CurrentLevel(), 0);
    EXPECT_EQ(Parts(*form).DemoText()->text(), R"("0","0")");
    Parts(*form).PowerUp()->click();
    EXPECT_EQ(form->CurrentLevel(), 20);
    EXPECT_EQ(form->LevelText(), "14");
}

TEST_F(ProjectorSerialTestFormTest, PreviousLevelStartsAtTheMinimumWithoutPowerUp)
{
    SetBytes(message, {{ContentVariable, 0}});
    auto format = LevelFormat(VolumeExtensionClass::RawBytes, 1, 3, 20, 1);
    format->UsePreviousLevel(true);
    format->StartUpVolume(10);
    AnsweringPeer peer(1, {});
    auto form = Open(&peer);
    EXPECT_EQ(form->CurrentLevel(), 3);
    EXPECT_TRUE(Parts(*form).PowerUp()->isHidden());
}

TEST_F(ProjectorSerialTestFormTest, LevelOffSendsTheStoredByte)
{
    SetBytes(message, {{ContentAscii, 'A'}, {ContentVariable, 0x55}});
    auto format = LevelFormat(VolumeExtensionClass::RawBytes, 2, 0, 300, 2);
    format->UseLevelForVolume(false);
    AnsweringPeer peer(2, {});
    auto form = Open(&peer);
    EXPECT_TRUE(Parts(*form).VolumeFrame()->isHidden());
    SendOn(*form);
    EXPECT_EQ(peer.Bytes(), (std::vector<uint8_t>{'A', 0x55}));
}

TEST_F(ProjectorSerialTestFormTest, FullMessageIsSentAndNothingBeyond)
{
    SetBytes(message, {});
    for (int i = 0; i < 32; ++i) {
        message.MyRS232StringClass().ContentBytes(i, static_cast<uint8_t>(i));
        message.MyRS232StringClass().ContentTypes(i, ContentHex);
    }
    message.MyRS232StringClass().NumberOfBytes(32);
    message.InterByteDelay(1);
    AnsweringPeer peer(32, {});
    auto form = Open(&peer);
    SendOn(*form);
    ASSERT_EQ(peer.Bytes().size(), 32u);
    EXPECT_EQ(peer.Bytes()[31], 31);
}

TEST_F(ProjectorSerialTestFormTest, SettingsOutOfRangeAreNineSixHundredWithoutParity)
{
    SetBytes(message, {{ContentAscii, 'A'}});
    message.Baudrate(7);
    message.Parity(-3);
    AnsweringPeer peer(1, {});
    auto form = Open(&peer);
    SendOn(*form);
    ASSERT_EQ(peer.Heard().size(), 1u);
    EXPECT_EQ(peer.Heard()[0].settings.Text(), "9600,n,8,1");
}

TEST_F(ProjectorSerialTestFormTest, TestCommandOfThePaneOpensTheDialogModally)
{
    SetBytes(message, {{ContentAscii, 'T'}});
    AnsweringPeer peer(1, {'!'});
    InstallPortsWith(state, peer, 1);
    SerialStringDisplay pane(state);
    pane.SetupSerial(message);
    WhenModalOpens(SendOnFirstPortAndClose);
    MenuItem(pane, "menuTest")->trigger();
    EXPECT_EQ(peer.Bytes(), std::vector<uint8_t>{'T'});
    EXPECT_EQ(state.Messages.ReceivedSerial.MyRS232StringClass().ContentBytes(0), '!')
        << "the reply outlives the dialog";
}
