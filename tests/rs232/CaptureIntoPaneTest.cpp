#include "messages/MessageToolsFixture.h"
#include "messages/PaneParts.h"
#include "messages/RS232CaptureForm.h"
#include "messages/SerialStringDisplay.h"
#include "rs232/RS232SettingsDiferentForm.h"
#include "support/NamedChild.h"
#include "support/devices/SimulatedPortMaker.h"
#include "support/devices/TalkingDevice.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// A message pane of the configuration with the real capture and settings
// dialogs, a device talking on COM1.
class CaptureIntoPaneTest : public MessageToolsTest {
protected:
    CaptureIntoPaneTest()
    {
        state.Installed.Install<SettingsDifferentDialog>(std::make_unique<RS232SettingsDiferentFormLauncher>());
        state.Installed.Install<RS232CaptureDialog>(std::make_unique<RS232CaptureFormLauncher>());
        InstallSimulatedPorts(state.Installed, [this](SimulatedSerialPort& port) { port.AddPort(1, &device); });
        state.Config.Record.ControlPortInterByteDelay = 9;
        message.SerialType(SerialClass::ConfigurationMessage);
        SetBytes(message, {{ContentHex, 0x55}});
        pane.EnableCaptureFunctions();
        pane.SetupSerial(message);
    }

    // Captures "OK!" at 19200 baud, even parity, selects it and presses Done;
    // then presses the given button of the settings dialog, if one is given.
    void CaptureAndSettle(const QString& settingsButton)
    {
        WhenModalOpens([this, settingsButton](QWidget* capture) {
            Named<QAbstractButton>(*capture, "Baudrate", 1)->click();
            Named<QAbstractButton>(*capture, "ParityOption", 1)->click();
            Named<QPushButton>(*capture, "Connect")->click();
            device.Say({'O', 'K', '!'});
            auto* received = Named<QLabel>(*capture, "BytesReceivedLabel");
            ASSERT_TRUE(QTest::qWaitFor([received] { return received->text() == "3"; }, 3000));
            auto* grid = Named<QWidget>(*capture, "Picture1");
            QTest::mousePress(grid, Qt::LeftButton, {}, QPoint(2, 2));
            QTest::mouseRelease(grid, Qt::LeftButton, {}, QPoint(grid->width() / 4 - 2, 2));
            if (!settingsButton.isEmpty())
                WhenModalOpens([settingsButton](QWidget* settings) {
                    ASSERT_NE(qobject_cast<RS232SettingsDiferentForm*>(settings), nullptr);
                    Named<QPushButton>(*settings, settingsButton)->click();
                });
            Named<QPushButton>(*capture, "Done")->click();
        });
        MenuItem(pane, "MenuCaptureFromSerialPort")->trigger();
    }

    TalkingDevice device;
    SerialClass message;
    SerialStringDisplay pane{state};
};

}  // namespace

TEST_F(CaptureIntoPaneTest, ACaptureWithOtherSettingsIsSettledByTheUser)
{
    CaptureAndSettle("KeepLibrary");
    EXPECT_EQ(pane.LineText(), "OK!") << "the captured bytes, as ASCII";
    EXPECT_EQ(state.Config.Record.ControlPortBaudrate, 1);
    EXPECT_EQ(state.Config.Record.ControlPortParity, 1);
    EXPECT_TRUE(state.Config.ConfigChanged);

    state.Config.Record.ControlPortBaudrate = 0;
    state.Config.Record.ControlPortParity = 0;
    state.Config.Record.ControlPortInterByteDelay = 9;
    message.Parity(0);
    CaptureAndSettle("KeepTavlo");
    EXPECT_EQ(message.Baudrate(), 0);
    EXPECT_EQ(message.InterByteDelay(), 9);

    CaptureAndSettle("Cancel");
    EXPECT_EQ(message.Baudrate(), 0) << "a cancelled question takes nothing";
}

TEST_F(CaptureIntoPaneTest, ACaptureIntoAClearedPaneStillSettlesWithThePanesHolder)
{
    MenuItem(pane, "menuDelete")->trigger();
    ASSERT_EQ(message.SerialType(), -1);
    CaptureAndSettle("KeepLibrary");
    EXPECT_EQ(pane.LineText(), "OK!");
    EXPECT_EQ(state.Config.Record.ControlPortBaudrate, 1) << "the pane's holder took the captured settings";
    EXPECT_EQ(state.Config.Record.ControlPortParity, 1);
    EXPECT_EQ(message.SerialType(), -1) << "the message keeps the type it had";
}
