#include "PtyHelper.h"
#include "RecordingCaptureView.h"
#include "devicelink/CaptureLayout.h"
#include "devicelink/CaptureSession.h"
#include "model/DeviceTypes.h"
#include "platform/SystemSerialPort.h"
#include "support/ScriptedPrompts.h"
#include "support/devices/SimulatedCapturePod.h"

#include <gtest/gtest.h>

TEST(PseudoTerminalCapturePod, ACaptureWithARepeatPartAndItsPlaybackOverTheSystemPort)
{
    PtyDeviceProcess pod(TAVLO_PTY_CAPTURE_POD);
    ASSERT_TRUE(pod.Started());
    OnlyComPort com2(2, pod.NearEnd());

    DeviceTypeTable types;
    FillDefaultDeviceTypes(types);
    ScriptedPrompts prompts;
    RecordingCaptureView view;
    SystemSerialPort port;
    CaptureSession session(port, prompts, types, view);

    session.SearchCapturePods();
    EXPECT_EQ(view.PodTypes[1], "Capture pod 2.5");
    EXPECT_EQ(view.OptionVisible, (std::array<bool, 4>{false, true, false, false}));
    view.Checked = 1;
    session.PortClicked();

    ConfigIRCommandRecord capture;
    ASSERT_TRUE(session.RunCaptureSession(capture));
    const SimulatedCapturePod::Memory recorded = SimulatedCapturePod::SampleMemory();
    EXPECT_EQ(capture.Data[CaptureSlot(IRPart::Start)], recorded[0]);
    EXPECT_EQ(capture.Data[CaptureSlot(IRPart::Repeat)], recorded[1]);
    EXPECT_EQ(capture.InterPeriod, (std::array<uint8_t, 2>{0x2A, 0x3C}));
    EXPECT_EQ(capture.Mode, 1);
    EXPECT_FALSE(port.IsOpen());

    // Played back as a command of the library would be.
    IRCommandClass command;
    TakeCapture(capture, command);
    command.Data(IRPart::Repeat, 5, 0x99);
    ASSERT_TRUE(session.PlayBack(CaptureRecordOf(command)));
    port.Close();

    const std::vector<uint8_t> played = pod.Finish();
    ASSERT_EQ(played.size(), 256u + 2u + 1u);
    std::vector<uint8_t> expected(recorded[0].begin(), recorded[0].end());
    expected.insert(expected.end(), recorded[1].begin(), recorded[1].end());
    expected[128 + 5] = 0x99;
    expected.insert(expected.end(), {0x2A, 0x3C, 1});
    EXPECT_EQ(played, expected);
}
