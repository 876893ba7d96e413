#include "PtyHelper.h"

#include "devicelink/ImageDownload.h"
#include "devicelink/SerialLink.h"
#include "platform/SystemSerialPort.h"
#include "support/ScriptedPrompts.h"

#include <gtest/gtest.h>

TEST(PseudoTerminalLink, TheSystemPortProbesProgramsAndRestartsAControllerInAnotherProcess)
{
    PtyControllerProcess controller;
    ASSERT_TRUE(controller.Started());
    ComPortVariable com1(1, controller.NearEnd());

    SystemSerialPort port;
    port.SetCommPort(1);
    ASSERT_TRUE(port.Open());
    DeviceTypeTable types;
    FillDefaultDeviceTypes(types);
    ScriptedPrompts prompts;
    bool abortWait = false;
    SerialLink link(port, abortWait, prompts, types);

    bool restart = false;
    EXPECT_EQ(link.Find_pod(restart), 50u + 256u);
    std::vector<uint8_t> image(8192, 0);
    for (std::size_t i = 0; i < 2401; ++i) image[i] = static_cast<uint8_t>(i * 13 + i / 256);
    EXPECT_TRUE(download_image(link, image, 2401, {}));
    EXPECT_TRUE(link.restart_unit());
    port.Close();

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
    EXPECT_EQ(SystemSerialPort::DevicePath(3), "/dev/ttyS2");
}
