#include "CapturePodFixture.h"
#include "devicelink/CaptureLayout.h"
#include <algorithm>
#include <numeric>
#include <set>

namespace {

using Bytes = std::vector<uint8_t>;
using Pod = SimulatedCapturePod;

constexpr uint8_t Start = CapturePod::StartCapture;
constexpr uint8_t Timing = CapturePod::ReadTiming;
constexpr uint8_t Status = CapturePod::ReadStatus;
constexpr uint8_t Repeat = CapturePod::CaptureRepeat;

const Bytes WithoutRepeat{Start, Timing, Status};
const Bytes WithRepeat{Start, Timing, Status, Repeat, Status};

// The bytes the pod heard under the given settings, in order.
Bytes HeardAt(const SimulatedDevice& device, const std::string& settings)
{
    Bytes bytes;
    for (const auto& heard : device.Heard())
        if (heard.settings.Text() == settings) bytes.push_back(heard.byte);
    return bytes;
}

ConfigIRCommandRecord OldRecord()
{
    ConfigIRCommandRecord record;
    record.Name = "OLD";
    for (auto& part : record.Data) part.fill(0xEE);
    record.InterPeriod = {0xE1, 0xE2};
    return record;
}

}  // namespace

class CapturePodTest : public CapturePodFixture {
protected:
    CapturePodTest() { port.SetCommPort(1); }
    CaptureOutcome Capture() { return session.Pod().CaptureRemoteButton(record); }

    ConfigIRCommandRecord record = OldRecord();
};

TEST_F(CapturePodTest, ACaptureWithAndWithoutRepeatPartRunsItsCommandsAndKeepsTheTiming)
{
    for (const bool repeats : {false, true}) {
        SCOPED_TRACE(repeats);
        pod.RemoteRepeats = repeats;
        const std::size_t before = pod.Frames().size();
        view.Panels.clear();
        flags.RepeatCaptured = !repeats;
        EXPECT_EQ(Capture(), CaptureOutcome::Captured);
        EXPECT_EQ(flags.RepeatCaptured, repeats);
        EXPECT_FALSE(flags.PodNotFound);
        EXPECT_TRUE(session.Link().Port().IsOpen());  // closing is the session's
        EXPECT_EQ(record.InterPeriod, (std::array<uint8_t, 2>{0x2A, 0x3C}));
        EXPECT_EQ(record.Data, OldRecord().Data);  // the memory is read apart
        Bytes commands;
        for (std::size_t i = before; i < pod.Frames().size(); ++i) commands.push_back(pod.Frames()[i].payload[0]);
        EXPECT_EQ(commands, repeats ? WithRepeat : WithoutRepeat);
        using P = CapturePanel;
        const std::vector<P> expected =
            repeats ? std::vector<P>{P::Press, P::Release, P::None, P::Press, P::None, P::Release, P::None}
                    : std::vector<P>{P::Press, P::Release, P::None};
        EXPECT_EQ(PanelSequence(), expected);
    }
    // Every command frame: the address alone with odd parity, then command,
    // argument and checksum with even parity.
    const Bytes odd = HeardAt(pod, "9600,o,8,1");
    EXPECT_TRUE(std::all_of(odd.begin(), odd.end(), [](uint8_t b) { return b == Pod::CommandAddress; }));
    EXPECT_EQ(odd.size(), WithoutRepeat.size() + WithRepeat.size());
    const Bytes even = HeardAt(pod, "9600,e,8,1");
    EXPECT_EQ(Bytes(even.begin(), even.begin() + 9), (Bytes{0x11, 0x00, 0xEE, 0x88, 0x00, 0x77, 0x55, 0x00, 0xAA}));
}

TEST_F(CapturePodTest, EachReplyCheckFailsTheCaptureOnItsOwn)
{
    struct Case {
        const char* what;
        uint8_t command;
        int occurrence;
        Bytes reply;
        Bytes commandsSent;
    };
    const std::vector<Case> cases{
        {"press not complemented", Start, 1, {0x5A, 0xA4, 0}, {Start}},
        {"press reply of two bytes only", Start, 1, {0x5A, 0xA5}, {Start}},
        {"timing sum wrong", Timing, 1, {0x2A, 0x3C, 0x9A, 0}, {Start, Timing}},
        {"status not complemented", Status, 1, {0x06, 0xF8, 0}, WithoutRepeat},
        {"repeat press not complemented", Repeat, 1, {0x01, 0x01, 0}, {Start, Timing, Status, Repeat}},
        {"last status not complemented", Status, 2, {0x01, 0xFF, 0}, WithRepeat},
        {"last status zero", Status, 2, {0x00, 0xFF, 0}, WithRepeat},
    };
    pod.RemoteRepeats = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t before = pod.Frames().size();
        ReplaceReply(c.command, c.occurrence, c.reply);
        if (c.reply.size() < 3) pod.Tampering = nullptr, pod.PressAfter = std::nullopt;
        const CaptureOutcome outcome = Capture();
        pod.PressAfter = std::chrono::milliseconds(60);
        if (c.reply.size() < 3) {
            EXPECT_EQ(outcome, CaptureOutcome::WindowClosed);  // two bytes never make a reply
            continue;
        }
        EXPECT_EQ(outcome, CaptureOutcome::Failed);
        Bytes commands;
        for (std::size_t i = before; i < pod.Frames().size(); ++i) commands.push_back(pod.Frames()[i].payload[0]);
        EXPECT_EQ(commands, c.commandsSent);
    }
    // A reply that passes its check is taken whatever follows its examined bytes.
    ReplaceReply(Timing, 1, {0x10, 0x20, 0xCF, 0x99, 0x98});
    EXPECT_EQ(Capture(), CaptureOutcome::Captured);
    EXPECT_EQ(record.InterPeriod, (std::array<uint8_t, 2>{0x10, 0x20}));
}

TEST_F(CapturePodTest, AStatusWithItsLowThreeBitsSetEndsTheCaptureWithoutARepeatPart)
{
    for (const uint8_t status : {0x07, 0x0F, 0xFF, 0x06}) {
        SCOPED_TRACE(int(status));
        ReplaceReply(Status, 1, {status, static_cast<uint8_t>(~status), 0});
        const std::size_t before = pod.Frames().size();
        EXPECT_EQ(Capture(), CaptureOutcome::Captured);
        EXPECT_EQ(flags.RepeatCaptured, status == 0x06);
        EXPECT_EQ(pod.Frames().size() - before, status == 0x06 ? 5u : 3u);
    }
}

TEST_F(CapturePodTest, ACommandHasFourAttemptsAndAnAcknowledgementIsItsFirstByte)
{
    struct Case {
        const char* what;
        Bytes acknowledgement;  // to every attempt before the answeringAttempt
        int answeringAttempt;   // 5: none answers
        CaptureOutcome outcome;
    };
    const std::vector<Case> cases{
        {"silent throughout", {}, 5, CaptureOutcome::Failed},
        {"wrong throughout", {0x0F, 0x00}, 5, CaptureOutcome::Failed},
        {"answers the fourth attempt", {}, 4, CaptureOutcome::Captured},
        {"wrong, then the second attempt", {0x00, 0xF0}, 2, CaptureOutcome::Captured},
        {"0xF0 with anything after it", {0xF0, 0x42, 0x43}, 1, CaptureOutcome::Captured},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::size_t before = pod.Frames().size();
        pod.Tampering = [&c](const Pod::Frame& frame, int attempt, Pod::Answer& answer) {
            if (frame.address != Pod::CommandAddress || frame.payload[0] != Timing) return;
            if (attempt < c.answeringAttempt) answer.Immediate = c.acknowledgement, answer.Later.clear();
        };
        EXPECT_EQ(Capture(), c.outcome);
        int timingFrames = 0;
        for (std::size_t i = before; i < pod.Frames().size(); ++i)
            timingFrames += pod.Frames()[i].payload[0] == Timing ? 1 : 0;
        EXPECT_EQ(timingFrames, std::min(c.answeringAttempt, 4));
    }
}

TEST_F(CapturePodTest, CancelAndAbortEndEveryWaitOfTheCapture)
{
    struct Case {
        const char* what;
        uint8_t command;
        int occurrence;
        bool silentAcknowledgement;  // the wait for the acknowledgement instead of the reply
        bool abort;
        CaptureOutcome outcome;
    };
    const std::vector<Case> cases{
        {"cancel waiting for the press", Start, 1, false, false, CaptureOutcome::Cancelled},
        {"cancel waiting for the timing", Timing, 1, false, false, CaptureOutcome::Cancelled},
        {"cancel waiting for the release", Status, 1, false, false, CaptureOutcome::Cancelled},
        {"cancel waiting for the repeat press", Repeat, 1, false, false, CaptureOutcome::Cancelled},
        {"cancel waiting for the last release", Status, 2, false, false, CaptureOutcome::Cancelled},
        {"abort waiting for the press", Start, 1, false, true, CaptureOutcome::Aborted},
        {"abort waiting for the last release", Status, 2, false, true, CaptureOutcome::Aborted},
        {"abort waiting for an acknowledgement", Repeat, 1, true, true, CaptureOutcome::Aborted},
    };
    pod.RemoteRepeats = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        flags.EditorAbortWait = false;
        const std::size_t before = pod.Frames().size();
        pod.Tampering = [this, &c, seen = 0](const Pod::Frame& frame, int, Pod::Answer& answer) mutable {
            if (frame.address != Pod::CommandAddress || frame.payload[0] != c.command || ++seen != c.occurrence) return;
            if (c.silentAcknowledgement) answer.Immediate.clear();
            answer.Later.clear();
            SetLater(c.abort ? flags.EditorAbortWait : flags.CaptureCancelled);
        };
        EXPECT_EQ(Capture(), c.outcome);
        // Nothing more goes to the pod; an abort sends not even another attempt.
        const Pod::Frame last = pod.Frames().back();
        EXPECT_EQ(last.payload[0], c.command);
        EXPECT_EQ(pod.Frames().size() - before,
                  std::count(WithRepeat.begin(), WithRepeat.end(), c.command) == 2 && c.occurrence == 2
                      ? WithRepeat.size()
                      : static_cast<std::size_t>(std::find(WithRepeat.begin(), WithRepeat.end(), c.command) -
                                                 WithRepeat.begin() + 1));
    }
}

TEST_F(CapturePodTest, NoButtonWithinTheWindowFailsTheCapture)
{
    pod.PressAfter = std::nullopt;
    EXPECT_EQ(Capture(), CaptureOutcome::WindowClosed);
    EXPECT_FALSE(session.Pod().CaptureWindowOpen());
    pod.PressAfter = std::chrono::milliseconds(60);
    pod.ReleaseAfter = std::chrono::milliseconds(5000);  // released long after the window
    EXPECT_EQ(Capture(), CaptureOutcome::WindowClosed);
}

TEST_F(CapturePodTest, NoPodAndAPortThatWillNotOpenEndTheCaptureWithTheirMessages)
{
    pod.Silent = true;
    prompts.ExpectMessage("Capture pod failed to reply", "Error!", PromptButtons::Ok, PromptIcon::None);
    EXPECT_EQ(Capture(), CaptureOutcome::PodNotFound);
    EXPECT_TRUE(flags.PodNotFound);
    EXPECT_TRUE(pod.Frames().empty());

    for (const std::optional<int> row : {std::optional<int>(2), std::optional<int>()}) {
        view.Checked = row;
        flags.PodNotFound = false;
        prompts.ExpectMessage("Port not open", "Error!", PromptButtons::Ok, PromptIcon::None);
        EXPECT_EQ(Capture(), CaptureOutcome::PortNotOpen);
        EXPECT_TRUE(flags.PodNotFound);  // so no restart follows
    }
    EXPECT_EQ(record, OldRecord());
}

TEST_F(CapturePodTest, TheReadBackAsksForEachBlockAndStoresItsEightBytes)
{
    ASSERT_TRUE(port.Open());
    ASSERT_TRUE(session.Pod().ReadCaptureMemory(record));
    EXPECT_EQ(record.Data[CaptureSlot(IRPart::Start)], pod.Recorded[0]);
    EXPECT_EQ(record.Data[CaptureSlot(IRPart::Repeat)], pod.Recorded[1]);
    EXPECT_EQ(record.InterPeriod, OldRecord().InterPeriod);
    ASSERT_EQ(pod.Frames().size(), 32u);
    for (int n = 0; n < 32; ++n) {
        const Bytes expected{0x77, static_cast<uint8_t>(n), static_cast<uint8_t>(136 - n)};
        EXPECT_EQ(pod.Frames()[static_cast<std::size_t>(n)].payload, expected);
        EXPECT_EQ(view.Progress[static_cast<std::size_t>(n)], n);
    }
}

TEST_F(CapturePodTest, ABlockReplyThatFailsAnyCheckFourTimesEndsTheReadBackAndKeepsWhatCameBefore)
{
    using Mangle = std::function<void(Bytes&)>;
    struct Case {
        const char* what;
        Mangle mangle;
    };
    const std::vector<Case> cases{
        {"checksum", [](Bytes& r) { r[12] ^= 1; }},
        {"first byte", [](Bytes& r) { r[0] = 0xF1; }},
        {"second byte", [](Bytes& r) { r[1] = 0x0E; }},
        {"another block's number", [](Bytes& r) { r[2] += 1, r[12] -= 1; }},
        {"13 bytes", [](Bytes& r) { r.pop_back(); }},
        {"15 bytes", [](Bytes& r) { r.push_back(0); }},
        {"silence", [](Bytes& r) { r.clear(); }},
    };
    ASSERT_TRUE(port.Open());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        record = OldRecord();
        view.Progress.clear();
        const std::size_t before = pod.Frames().size();
        pod.Tampering = [&c](const Pod::Frame& frame, int, Pod::Answer& answer) {
            if (frame.payload[0] == CapturePod::ReadMemoryBlock && frame.payload[1] == 21) c.mangle(answer.Immediate);
        };
        EXPECT_FALSE(session.Pod().ReadCaptureMemory(record));
        EXPECT_EQ(pod.Frames().size() - before, 21u + 4u);
        EXPECT_EQ(view.Progress.back(), 21);
        EXPECT_EQ(std::count(view.Progress.begin(), view.Progress.end(), 21), 4);
        // Blocks 0..20 new, 21 on old; block 21 covers bytes 40..47 of the repeat part.
        EXPECT_EQ(record.Data[0], pod.Recorded[0]);
        EXPECT_TRUE(std::equal(record.Data[1].begin(), record.Data[1].begin() + 40, pod.Recorded[1].begin()));
        EXPECT_TRUE(
            std::all_of(record.Data[1].begin() + 40, record.Data[1].end(), [](uint8_t b) { return b == 0xEE; }));
    }
    // Answered on the fourth attempt only: the read goes on.
    pod.Tampering = [](const Pod::Frame& frame, int attempt, Pod::Answer& answer) {
        if (frame.payload[1] == 30 && attempt < 4) answer.Immediate.clear();
    };
    record = OldRecord();
    EXPECT_TRUE(session.Pod().ReadCaptureMemory(record));
    EXPECT_EQ(record.Data, pod.Recorded);
}

TEST_F(CapturePodTest, CancelDoesNotStopTheReadBackButAbortDoes)
{
    ASSERT_TRUE(port.Open());
    flags.CaptureCancelled = true;
    EXPECT_TRUE(session.Pod().ReadCaptureMemory(record));
    pod.Tampering = [this](const Pod::Frame& frame, int, Pod::Answer& answer) {
        if (frame.payload[1] != 9) return;
        answer.Immediate.clear();
        SetLater(flags.EditorAbortWait);
    };
    const std::size_t before = pod.Frames().size();
    EXPECT_FALSE(session.Pod().ReadCaptureMemory(record));
    EXPECT_EQ(pod.Frames().size() - before, 10u);  // no second attempt at block 9
}

TEST_F(CapturePodTest, PlaybackSendsThirtyTwoDataPacketsThenTheParameterPacketByteForByte)
{
    ConfigIRCommandRecord played;
    for (std::size_t i = 0; i < 128; ++i) {
        played.Data[0][i] = static_cast<uint8_t>(i);
        played.Data[1][i] = static_cast<uint8_t>(255 - i);
    }
    played.Data[0].fill(0xFF);  // packet 1 of eight 0xFF: checksum (255 - 1 - 2040) mod 256
    played.InterPeriod = {0x40, 0x51};
    played.Mode = 1;
    ASSERT_TRUE(port.Open());
    ASSERT_TRUE(session.Pod().UploadCaptureBuffer(played));

    EXPECT_EQ(CapturePod::PlaybackPacket(played, 1),
              (CapturePod::Packet{1, 255, 255, 255, 255, 255, 255, 255, 255, 0x06}));
    EXPECT_EQ(CapturePod::PlaybackPacket(played, 0x20),
              (CapturePod::Packet{0x20, 0x40, 0x51, 0, 0, 0, 0, 0, 0, static_cast<uint8_t>(223 - 0x40 - 0x51)}));
    std::vector<int> order(32);
    std::iota(order.begin(), order.end(), 0);
    order.push_back(0x20);
    EXPECT_EQ(pod.PacketsAcknowledged(), order);
    Bytes expected;
    for (const int n : order) {
        const auto packet = CapturePod::PlaybackPacket(played, n);
        expected.insert(expected.end(), packet.begin(), packet.end());
        EXPECT_EQ(std::accumulate(packet.begin(), packet.end(), 0) & 255, 255);
    }
    EXPECT_EQ(HeardAt(pod, "9600,e,8,1"), expected);
    EXPECT_EQ(HeardAt(pod, "9600,o,8,1"), Bytes(33, Pod::PlaybackAddress));
    EXPECT_EQ(pod.Played(), played.Data);
    EXPECT_EQ(pod.PlayedTiming(), played.InterPeriod);
}

TEST_F(CapturePodTest, APlaybackPacketHasFourAttempts)
{
    ASSERT_TRUE(port.Open());
    pod.Tampering = Pod::SilentBeforeAttempt(Pod::PlaybackAddress, 7, 4);
    EXPECT_TRUE(session.Pod().UploadCaptureBuffer(record));
    const auto& frames = pod.Frames();
    EXPECT_EQ(
        std::count_if(frames.begin(), frames.end(), [](const Pod::Frame& frame) { return frame.payload.at(0) == 7; }),
        4);
    EXPECT_EQ(std::set<int>(pod.PacketsAcknowledged().begin(), pod.PacketsAcknowledged().end()).size(), 33u);

    pod.Tampering = Pod::SilentBeforeAttempt(Pod::PlaybackAddress, 0x20, 5);
    const std::size_t before = pod.Frames().size();
    EXPECT_FALSE(session.Pod().UploadCaptureBuffer(record));
    EXPECT_EQ(pod.Frames().size() - before, 32u + 4u);

    // Closing the editor while a packet waits for its acknowledgement sends
    // nothing more. (The failed packet's copies are owed past their time, so
    // the first packet goes again once they can no more come.)
    std::size_t heardAtAbort = 0;
    pod.Tampering = [this, &heardAtAbort](const Pod::Frame& frame, int, Pod::Answer& answer) {
        if (frame.address != Pod::PlaybackAddress || frame.payload[0] != 12) return;
        answer.Immediate.clear();
        heardAtAbort = pod.Frames().size();
        SetLater(flags.EditorAbortWait);
    };
    EXPECT_FALSE(session.Pod().UploadCaptureBuffer(record));
    EXPECT_EQ(pod.Frames().size(), heardAtAbort);
    EXPECT_FALSE(session.Pod().SendPodCommand(CapturePod::Play, 0));
    EXPECT_EQ(pod.Frames().size(), heardAtAbort);
}

// The pod answers each packet 3 ms after it, well within the pause before
// the next payload. Packet 5's first acknowledgement comes after its window;
// taken for a later packet's it would leave the link one reply ahead, and
// packet 20's refusal would then be charged to packet 21.
TEST_F(CapturePodTest, ALateAcknowledgementStandsForNoLaterPacketSoARefusedPacketIsSentAgain)
{
    CaptureDurations durations = Short();
    durations.AddressPauseMilliseconds = 10;
    CaptureSession paced{port, prompts, types, view, durations};
    pod.ReplyDelay = std::chrono::milliseconds(3);
    pod.Tampering = [late = std::chrono::milliseconds(durations.PlaybackAcknowledgeMilliseconds + 40)](
                        const Pod::Frame& frame, int attempt, Pod::Answer& answer) {
        if (frame.address != Pod::PlaybackAddress || attempt > 1) return;
        if (frame.payload[0] == 5) {
            answer.Later = answer.Immediate;
            answer.LaterAfter = late;
            answer.Immediate.clear();
        }
        if (frame.payload[0] == 20) answer.Immediate = {0x0F, 0x00};
    };
    for (std::size_t i = 0; i < 128; ++i) record.Data[0][i] = static_cast<uint8_t>(i);
    ASSERT_TRUE(port.Open());
    EXPECT_TRUE(paced.Pod().UploadCaptureBuffer(record));

    std::vector<int> order(32);
    std::iota(order.begin(), order.end(), 0);
    order.push_back(0x20);
    EXPECT_EQ(pod.PacketsAcknowledged(), order);
    EXPECT_EQ(pod.Played(), record.Data);
}

TEST(CaptureLayout, TheCaptureCarriesTheStartPartFirstAndACommandTakesItBack)
{
    IRCommandClass command;
    command.Name("POWER");
    command.Data(IRPart::Start, 0, 0x11);
    command.Data(IRPart::Repeat, 127, 0x22);
    command.InterPeriod(IRPart::Start, 0x33);
    command.InterPeriod(IRPart::Repeat, 0x44);
    command.Mode(1);
    const ConfigIRCommandRecord capture = CaptureRecordOf(command);
    EXPECT_EQ(capture.Data[0][0], 0x11);
    EXPECT_EQ(capture.Data[1][127], 0x22);
    EXPECT_EQ(capture.InterPeriod, (std::array<uint8_t, 2>{0x33, 0x44}));
    EXPECT_EQ(capture.Mode, 1);
    EXPECT_EQ(CapturePod::PlaybackPacket(capture, 0)[1], 0x11);
    EXPECT_EQ(CapturePod::PlaybackPacket(capture, 31)[8], 0x22);

    IRCommandClass back;
    back.Name("KEPT");
    TakeCapture(capture, back);
    EXPECT_EQ(back.Name(), "KEPT            ");
    EXPECT_EQ(back.Part(IRPart::Start), command.Part(IRPart::Start));
    EXPECT_EQ(back.Part(IRPart::Repeat), command.Part(IRPart::Repeat));
    EXPECT_EQ(back.InterPeriod(IRPart::Repeat), 0x44);
    EXPECT_EQ(back.Mode(), 1);
}
