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

// Late and missing acknowledgements over a pseudo-terminal, the device in a
// helper process that gives every byte its time at the rate the PC has set
// (9600 baud for frames), with the link's own waits. A late acknowledgement
// that meets a payload goes out as that frame begins to arrive, the moment at
// which it is most easily taken for that frame's answer; a silent frame is
// never answered. The timing decides, so each case runs several times. The
// whole download through the dialog is in PseudoTerminalLinkTest.

namespace {

using std::chrono::milliseconds;
using namespace std::chrono_literals;

constexpr int Repeats = 3;

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

ReplyFaults Faults(std::map<int, LateCopies> late, bool meetPayload, bool refuseMet, std::set<int> refused = {})
{
    return ReplyFaults{std::move(late), std::move(refused), meetPayload, refuseMet, {}, false};
}

// Frames acknowledged late copy by copy, the copies past their delays as
// late as the last (everyCopy) or at once, and frame `silent`, if any,
// never answered.
ReplyFaults CopiesLateThenSilent(std::map<int, LateCopies> late, bool everyCopy, std::optional<int> silent)
{
    std::set<int> silentFrames;
    if (silent) silentFrames.insert(*silent);
    return ReplyFaults{std::move(late), {}, false, false, silentFrames, everyCopy};
}

// Every copy of frame `late` acknowledged `by` late, and frame `silent`, if
// any, never answered.
ReplyFaults LateThenSilent(int late, int by, std::optional<int> silent)
{
    return CopiesLateThenSilent({{late, milliseconds(by)}}, true, silent);
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
    bool Silent(int frame) const { return GetParam().faults.silent.contains(frame); }

    std::optional<PtyDeviceProcess> device;
    std::optional<OnlyComPort> ports;
    DeviceTypeTable types;
    SystemSerialPort port;
};

class PseudoTerminalDownload : public LateReplyCase {};
class PseudoTerminalPlayback : public LateReplyCase {};

constexpr int Blocks = 24;
constexpr int LastBlock = Blocks - 1;
constexpr int Packets = 33;  // the data packets and the parameter packet

}  // namespace

// Every block up to a silent one is stored, the silent one is told as
// missing, and the restart is taken unless it is silent.
TEST_P(PseudoTerminalDownload, SaysDoneOnlyWithEveryBlockStoredAndTheRestartTaken)
{
    std::optional<int> silentBlock;
    for (const int frame : GetParam().faults.silent)
        if (frame >= 0) silentBlock = frame;
    const bool restartSilent = Silent(ReplyFaults::Restart);

    std::vector<uint8_t> image(Blocks * DownloadBlockSize);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(1 + i % 251);
    for (int run = 0; run < Repeats; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(Start(TAVLO_PTY_CONTROLLER));
        ScriptedPrompts prompts;  // any other message fails
        bool abortWait = false;
        SerialLink link(port, abortWait, prompts, types);
        link.set_active_port(0);
        ASSERT_TRUE(port.IsOpen());

        if (silentBlock)
            prompts.ExpectMessage("No reply to download", QString("Error!  %1").arg(*silentBlock), PromptButtons::Ok,
                                  PromptIcon::Exclamation);
        EXPECT_EQ(download_image(link, image, static_cast<int32_t>(image.size()), {}), !silentBlock);
        if (restartSilent)
            prompts.ExpectMessage("No reply to restart", "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
        EXPECT_EQ(link.restart_unit(), !restartSilent);
        port.Close();

        const ControllerRecord record(device->Finish());
        ASSERT_TRUE(record.Whole());
        const int stored = silentBlock.value_or(Blocks);
        EXPECT_TRUE(std::equal(image.begin(), image.begin() + stored * DownloadBlockSize, record.image.begin()));
        for (std::size_t block = 0; block < static_cast<std::size_t>(stored); ++block)
            EXPECT_GE(record.timesStored[block], 1) << block;
        EXPECT_EQ(record.restarts >= 1, !restartSilent);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LateAcknowledgements, PseudoTerminalDownload,
    ::testing::Values(
        LateCase{"NoFault", {}},
        LateCase{"Block0By600MeetingARefusedBlock", Faults({{0, milliseconds(600)}}, true, true)},
        LateCase{"Block5By1300MeetingABlockItIsTakenFor", Faults({{5, milliseconds(1300)}}, true, false)},
        LateCase{"Blocks4And20EachMeetingARefusedBlock",
                 Faults({{4, milliseconds(700)}, {20, milliseconds(900)}}, true, true)},
        LateCase{"Block10By700AtItsOwnTimeAndBlock22Refused", Faults({{10, milliseconds(700)}}, false, false, {22})},
        LateCase{"LastBlockBy600MeetingARefusedRestart", Faults({{LastBlock, milliseconds(600)}}, true, true)}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    LateThenSilent, PseudoTerminalDownload,
    ::testing::Values(LateCase{"Block0By600Block1", LateThenSilent(0, 600, 1)},
                      LateCase{"Block0By700Block2", LateThenSilent(0, 700, 2)},
                      LateCase{"Block0By1200Block3", LateThenSilent(0, 1200, 3)},
                      LateCase{"Block0By1900Block4", LateThenSilent(0, 1900, 4)},
                      LateCase{"Block12By600Block14", LateThenSilent(12, 600, 14)},
                      LateCase{"Block12By700Block13", LateThenSilent(12, 700, 13)},
                      LateCase{"Block12By1200Block16", LateThenSilent(12, 1200, 16)},
                      LateCase{"Block12By1900Block15", LateThenSilent(12, 1900, 15)},
                      LateCase{"LastBlockBy600Restart", LateThenSilent(LastBlock, 600, ReplyFaults::Restart)},
                      LateCase{"LastBlockBy700Restart", LateThenSilent(LastBlock, 700, ReplyFaults::Restart)},
                      LateCase{"LastBlockBy1200Restart", LateThenSilent(LastBlock, 1200, ReplyFaults::Restart)},
                      LateCase{"LastBlockBy1900Restart", LateThenSilent(LastBlock, 1900, ReplyFaults::Restart)}),
    CaseName);

// A device whose delay grows from one copy to the next, one whose first copy
// alone is late, and copies answered out of turn, the later copy first.
INSTANTIATE_TEST_SUITE_P(
    CopiesLateThenSilent, PseudoTerminalDownload,
    ::testing::Values(LateCase{"Block0By600Then1200Block1", CopiesLateThenSilent({{0, {600ms, 1200ms}}}, true, 1)},
                      LateCase{"Block12By700Then1400Block13", CopiesLateThenSilent({{12, {700ms, 1400ms}}}, true, 13)},
                      LateCase{"LastBlockBy600Then1200Restart",
                               CopiesLateThenSilent({{LastBlock, {600ms, 1200ms}}}, true, ReplyFaults::Restart)},
                      LateCase{"Block0FirstCopyBy1900Block2", CopiesLateThenSilent({{0, 1900ms}}, false, 2)},
                      LateCase{"LastBlockFirstCopyBy1900Restart",
                               CopiesLateThenSilent({{LastBlock, 1900ms}}, false, ReplyFaults::Restart)},
                      LateCase{"Blocks4To6By400To1200OutOfTurnBlock7",
                               CopiesLateThenSilent({{4, {400ms, 1200ms}}, {5, {1200ms, 400ms}}, {6, 800ms}}, true, 7)},
                      // Past the time a reply can take, then a frame never answered.
                      LateCase{"BlockBeforeLastFirstCopyBy2700LastBlock",
                               CopiesLateThenSilent({{LastBlock - 1, 2700ms}}, false, LastBlock)},
                      LateCase{"LastBlockFirstCopyBy3000Restart",
                               CopiesLateThenSilent({{LastBlock, 3000ms}}, false, ReplyFaults::Restart)},
                      // As good as lost: the block after goes again, once.
                      LateCase{"Block12FirstCopyBy2700", CopiesLateThenSilent({{12, 2700ms}}, false, std::nullopt)}),
    CaseName);

// Played once with every packet, or, with a packet the pod never takes, not
// at all.
TEST_P(PseudoTerminalPlayback, PlaysOnceWithEveryPacketOrNotAtAll)
{
    bool anySilent = false;
    for (int packet = 0; packet < Packets; ++packet) anySilent = anySilent || Silent(packet);

    ConfigIRCommandRecord record;
    for (std::size_t half = 0; half < 2; ++half)
        for (std::size_t i = 0; i < 128; ++i) record.Data[half][i] = static_cast<uint8_t>(1 + (half * 128 + i) % 251);
    record.InterPeriod = {0x2A, 0x3C};
    std::vector<uint8_t> expected(record.Data[0].begin(), record.Data[0].end());
    expected.insert(expected.end(), record.Data[1].begin(), record.Data[1].end());
    expected.insert(expected.end(), {0x2A, 0x3C, 1});  // the timing and one play
    for (int run = 0; run < Repeats; ++run) {
        SCOPED_TRACE(run);
        ASSERT_TRUE(Start(TAVLO_PTY_CAPTURE_POD));
        ScriptedPrompts prompts;  // any message fails
        RecordingCaptureView view;
        view.Checked = 0;
        CaptureSession session(port, prompts, types, view);
        EXPECT_EQ(session.PlayBack(record), !anySilent);
        port.Close();

        const std::vector<uint8_t> played = device->Finish();
        if (anySilent) {
            ASSERT_FALSE(played.empty());
            EXPECT_EQ(played.back(), 0);  // never played
        } else {
            EXPECT_EQ(played, expected);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    LateAcknowledgements, PseudoTerminalPlayback,
    ::testing::Values(
        LateCase{"Packet4By1100MeetingARefusedPacket", Faults({{4, milliseconds(1100)}}, true, true)},
        LateCase{"Packet0By1150MeetingAPacketItIsTakenFor", Faults({{0, milliseconds(1150)}}, true, false)},
        LateCase{"Packet30By1100MeetingARefusedPacket", Faults({{30, milliseconds(1100)}}, true, true)},
        LateCase{"Packet10By1100AtItsOwnTimeAndPacket20Refused",
                 Faults({{10, milliseconds(1100)}}, false, false, {20})},
        LateCase{"ParameterPacketBy1100MeetingARefusedPlay", Faults({{32, milliseconds(1100)}}, true, true)},
        LateCase{"ParameterPacketBy1005", LateThenSilent(32, 1005, std::nullopt)},
        LateCase{"ParameterPacketBy1100", LateThenSilent(32, 1100, std::nullopt)},
        LateCase{"ParameterPacketBy1200", LateThenSilent(32, 1200, std::nullopt)},
        LateCase{"PlayBy1100OnEveryCopy", LateThenSilent(ReplyFaults::Play, 1100, std::nullopt)}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(LateThenSilent, PseudoTerminalPlayback,
                         ::testing::Values(LateCase{"Packet0By1005Packet1", LateThenSilent(0, 1005, 1)},
                                           LateCase{"Packet15By1100Packet16", LateThenSilent(15, 1100, 16)},
                                           LateCase{"Packet30By1200Packet31", LateThenSilent(30, 1200, 31)},
                                           LateCase{"Packet31By1150ParameterPacket", LateThenSilent(31, 1150, 32)}),
                         CaseName);

INSTANTIATE_TEST_SUITE_P(
    CopiesLateThenSilent, PseudoTerminalPlayback,
    ::testing::Values(LateCase{"Packet4By1100Then2200Packet5", CopiesLateThenSilent({{4, {1100ms, 2200ms}}}, true, 5)},
                      LateCase{"Packet15FirstCopyBy3500Packet16", CopiesLateThenSilent({{15, 3500ms}}, false, 16)},
                      LateCase{"Packet31By1100Then4300ParameterPacket",
                               CopiesLateThenSilent({{31, {1100ms, 4300ms}}}, false, 32)}),
    CaseName);
