#include "PtyHelper.h"

#include "devicelink/ImageDownload.h"
#include "devicelink/TavloComms.h"
#include "model/ApplicationState.h"
#include "platform/SerialDevice.h"
#include "platform/SystemSerialPort.h"
#include "support/NamedChild.h"
#include "support/ScriptedPrompts.h"
#include "support/TempProgramFolder.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A configuration to program through the dialog on the controller helper.
class PseudoTerminalLink : public ::testing::Test {
protected:
    PseudoTerminalLink()
    {
        FillDefaultDeviceTypes(state.DeviceTypes);
        state.Config.ClearConfiguration();
        state.Config.Record.MeshloAddressTable[0] = 0x155;
    }

    // The search on COM1 (the others absent), the choice of its row and the
    // programming, which must end in "Tavlo programed". What the controller
    // kept once the helper has ended; its image must be the configuration's.
    ControllerRecord ProgramThroughTheDialog(PtyDeviceProcess& controller)
    {
        OnlyComPort com1(1, controller.NearEnd());
        TavloComms dialog(state);
        QSignalSpy searched(&dialog, &TavloComms::SearchFinished);
        dialog.show();
        EXPECT_TRUE(searched.wait(20000));
        EXPECT_EQ(Named<QLineEdit>(dialog, "PodType", 0)->text(), "Tavlo 1.0");
        EXPECT_TRUE(Named<QLineEdit>(dialog, "PodType", 1)->isHidden());

        prompts.ExpectMessage("Tavlo programed", "Complete", PromptButtons::Ok, PromptIcon::None);
        QTest::mouseClick(Named<QRadioButton>(dialog, "Option1", 0), Qt::LeftButton);
        QSignalSpy programmed(&dialog, &TavloComms::ProgrammingFinished);
        QTest::mouseClick(Named<QPushButton>(dialog, "ProgramPod"), Qt::LeftButton);
        if (programmed.isEmpty()) {
            EXPECT_TRUE(programmed.wait(60000));
        }

        PromEncode expected;
        expected.BuildControllerImage(state.Config.Record);
        ControllerRecord record(controller.Finish());
        EXPECT_TRUE(record.Whole());
        if (record.Whole()) {
            EXPECT_TRUE(
                std::equal(expected.ControllerImage().begin(), expected.ControllerImage().end(), record.image.begin()));
        }
        return record;
    }

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state{folder.path(), prompts};
};

}  // namespace

TEST_F(PseudoTerminalLink, ADownloadOverTheSystemPortProgramsAControllerInAnotherProcess)
{
    PtyDeviceProcess controller;
    ASSERT_TRUE(controller.Started());
    state.Config.Record.ConfigSerialSlots[2].NumberOfBytes = 3;
    state.Config.Record.ConfigSerialSlots[2].ContentBytes = {0x11, 0x33, 0xFF};  // bytes that look like frames
    ProgramThroughTheDialog(controller);
}

// The whole image at 9600 baud on the wire's timing: block 12 acknowledged
// 700 ms late, and the block whose payload that acknowledgement meets
// refused.
TEST_F(PseudoTerminalLink, TavloProgramedIsSaidOnlyWithEveryBlockStored)
{
    PtyDeviceProcess controller(TAVLO_PTY_CONTROLLER, {"--wire", "--late", "12:700", "--meet-payload", "--refuse-met"});
    ASSERT_TRUE(controller.Started());
    const ControllerRecord record = ProgramThroughTheDialog(controller);

    PromEncode encoder;
    encoder.BuildControllerImage(state.Config.Record);
    ASSERT_TRUE(record.Whole());
    for (int block = 0; block < DownloadBlockCount(encoder.ControllerImageLength()); ++block)
        EXPECT_GE(record.timesStored[static_cast<std::size_t>(block)], 1) << block;
    EXPECT_EQ(record.restarts, 2);  // the search's and the programming's
}

TEST(SystemSerialPort, APortThatCannotBeOpenedIsAbsent)
{
    ComPortVariable com7(7, "/nonexistent/tavlo-port");
    SystemSerialPort port;
    port.SetCommPort(7);
    EXPECT_FALSE(port.Open());
    EXPECT_FALSE(port.IsOpen());
    port.Output(uint8_t{1});  // nothing happens on a closed port
    EXPECT_EQ(port.InBufferCount(), 0);

    ComPortVariable notATerminal(8, "/dev/null");
    port.SetCommPort(8);
    EXPECT_FALSE(port.Open());
    EXPECT_EQ(SerialDevicePath(3), "/dev/ttyS2");
}
