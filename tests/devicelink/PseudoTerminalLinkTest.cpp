#include "PtyHelper.h"

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

TEST(PseudoTerminalLink, ADownloadOverTheSystemPortProgramsAControllerInAnotherProcess)
{
    PtyControllerProcess controller;
    ASSERT_TRUE(controller.Started());
    ComPortVariable com1(1, controller.NearEnd());
    ComPortVariable com2(2, "/nonexistent/tavlo-com2");
    ComPortVariable com3(3, "/nonexistent/tavlo-com3");
    ComPortVariable com4(4, "/nonexistent/tavlo-com4");

    TempProgramFolder folder;
    ScriptedPrompts prompts;
    ApplicationState state(folder.path(), prompts);
    FillDefaultDeviceTypes(state.DeviceTypes);
    state.Config.ClearConfiguration();
    state.Config.Record.MeshloAddressTable[0] = 0x155;
    state.Config.Record.ConfigSerialSlots[2].NumberOfBytes = 3;
    state.Config.Record.ConfigSerialSlots[2].ContentBytes = {0x11, 0x33, 0xFF};  // bytes that look like frames

    TavloComms dialog(state);
    QSignalSpy searched(&dialog, &TavloComms::SearchFinished);
    dialog.show();
    ASSERT_TRUE(searched.wait(20000));
    EXPECT_EQ(Named<QLineEdit>(dialog, "PodType", 0)->text(), "Tavlo 1.0");
    EXPECT_TRUE(Named<QLineEdit>(dialog, "PodType", 1)->isHidden());

    prompts.ExpectMessage("Tavlo programed", "Complete", PromptButtons::Ok, PromptIcon::None);
    QTest::mouseClick(Named<QRadioButton>(dialog, "Option1", 0), Qt::LeftButton);
    QSignalSpy programmed(&dialog, &TavloComms::ProgrammingFinished);
    QTest::mouseClick(Named<QPushButton>(dialog, "ProgramPod"), Qt::LeftButton);
    if (programmed.isEmpty()) {
        ASSERT_TRUE(programmed.wait(30000));
    }

    PromEncode expected;
    expected.BuildControllerImage(state.Config.Record);
    std::vector<uint8_t> image(expected.ControllerImage().begin(), expected.ControllerImage().end());
    const auto received = controller.ReceivedImage();
    ASSERT_EQ(received.size(), 8192u);
    EXPECT_EQ(received, image);
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
