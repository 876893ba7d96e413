#include "PtyHelper.h"
#include "RecordingCaptureView.h"
#include "devicelink/CaptureSession.h"
#include "devicelink/ImageDownload.h"
#include "model/DeviceTypes.h"
#include "platform/SystemSerialPort.h"
#include "support/ScriptedPrompts.h"
#include "support/devices/ReplyFaults.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <ostream>
#include <set>

// Late acknowledgements over a pseudo-terminal, the device in a helper
// process that gives every byte its time at the rate the PC has set (9600
// baud for frames), with the link's own waits. A late acknowledgement that
// meets a payload goes out as that frame begins to arrive, the moment at
// which it is most easily taken for that frame's answer. The whole download
// through the dialog is in PseudoTerminalLinkTest.

namespace {

using std::chrono::milliseconds;

struct LateCase {
    const char* name;
    ReplyFaults faults;
};

std::string CaseName(const ::testing::TestParamInfo<LateCase>& info)
{
    return info.param.name;
}

void PrintTo(const LateCase& c, std::ostream* out)
{
    for (const std::string& argument : c.faults.Arguments()) *out << argument << ' ';
}

ReplyFaults Faults(std::map<int, milliseconds> late, bool meetPayload, bool refuseMet, std::set<int> refused = {})
{
    return ReplyFaults{std::move(late), std::move(refused), meetPayload, refuseMet};
}

// A device helper on the wire's timing with the case's faults, at COM1.
class LateReplyCase : public ::testing::TestWithParam<LateCase> {
protected:
    LateReplyCase() { FillDefaultDeviceTypes(types); }

    bool Start(const QString& program)
    {
        QStringList options{"--wire"};
        for (const std::string& argument : GetParam().faults.Arguments()) options << QString::fromStdString(argument);
        device.emplace(program, options);
        if (!device->Started()) return false;
        ports.emplace(1, device->NearEnd());
        return true;
    }

    std::optional<PtyDeviceProcess> device;
    std::optional<OnlyComPort> ports;
    DeviceTypeTable types;
    ScriptedPrompts prompts;  // any message fails
    SystemSerialPort port;
};

class PseudoTerminalDownload : public LateReplyCase {};
class PseudoTerminalPlayback : public LateReplyCase {};

constexpr int Blocks = 48;

}  // namespace

TEST_P(PseudoTerminalDownload, EveryBlockIsStoredAndTheRestartTaken)
{
    ASSERT_TRUE(Start(TAVLO_PTY_CONTROLLER));
    bool abortWait = false;
    SerialLink link(port, abortWait, prompts, types);
    link.set_active_port(0);
    ASSERT_TRUE(port.IsOpen());

    std::vector<uint8_t> image(Blocks * DownloadBlockSize);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(1 + i % 251);
    EXPECT_TRUE(download_image(link, image, static_cast<int32_t>(image.size()), {}));
    EXPECT_TRUE(link.restart_unit());
    port.Close();

    const ControllerRecord record(device->Finish());
    ASSERT_TRUE(record.Whole());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), record.image.begin()));
    for (std::size_t block = 0; block < Blocks; ++block) EXPECT_GE(record.timesStored[block], 1) << block;
    EXPECT_GE(record.restarts, 1);
}

INSTANTIATE_TEST_SUITE_P(
    LateAcknowledgements, PseudoTerminalDownload,
    ::testing::Values(
        LateCase{"NoFault", {}},
        LateCase{"Block0By600MeetingARefusedBlock", Faults({{0, milliseconds(600)}}, true, true)},
        LateCase{"Block5By1300MeetingABlockItIsTakenFor", Faults({{5, milliseconds(1300)}}, true, false)},
        LateCase{"Blocks4And20EachMeetingARefusedBlock",
                 Faults({{4, milliseconds(700)}, {20, milliseconds(900)}}, true, true)},
        LateCase{"Block10By700AtItsOwnTimeAndBlock25Refused", Faults({{10, milliseconds(700)}}, false, false, {25})},
        LateCase{"LastBlockBy600MeetingARefusedRestart", Faults({{Blocks - 1, milliseconds(600)}}, true, true)}),
    CaseName);

TEST_P(PseudoTerminalPlayback, EveryPacketIsPlayed)
{
    ASSERT_TRUE(Start(TAVLO_PTY_CAPTURE_POD));
    RecordingCaptureView view;
    view.Checked = 0;
    CaptureSession session(port, prompts, types, view);

    ConfigIRCommandRecord record;
    for (std::size_t half = 0; half < 2; ++half)
        for (std::size_t i = 0; i < 128; ++i) record.Data[half][i] = static_cast<uint8_t>(1 + (half * 128 + i) % 251);
    record.InterPeriod = {0x2A, 0x3C};
    EXPECT_TRUE(session.PlayBack(record));
    port.Close();

    std::vector<uint8_t> expected(record.Data[0].begin(), record.Data[0].end());
    expected.insert(expected.end(), record.Data[1].begin(), record.Data[1].end());
    expected.insert(expected.end(), {0x2A, 0x3C, 1});  // the timing and one play
    EXPECT_EQ(device->Finish(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    LateAcknowledgements, PseudoTerminalPlayback,
    ::testing::Values(
        LateCase{"Packet4By1100MeetingARefusedPacket", Faults({{4, milliseconds(1100)}}, true, true)},
        LateCase{"Packet0By1150MeetingAPacketItIsTakenFor", Faults({{0, milliseconds(1150)}}, true, false)},
        LateCase{"Packet30By1100MeetingARefusedPacket", Faults({{30, milliseconds(1100)}}, true, true)},
        LateCase{"Packet10By1100AtItsOwnTimeAndPacket20Refused",
                 Faults({{10, milliseconds(1100)}}, false, false, {20})},
        LateCase{"ParameterPacketBy1100MeetingARefusedPlay", Faults({{32, milliseconds(1100)}}, true, true)}),
    CaseName);
