#include "CapturePodFixture.h"
#include "devicelink/CaptureLayout.h"
#include "support/devices/SimulatedController.h"

namespace {

using Pod = SimulatedCapturePod;
using P = CapturePanel;

ConfigIRCommandRecord OldCapture()
{
    ConfigIRCommandRecord record;
    record.Name = "KEPT";
    for (auto& part : record.Data) part.fill(0xEE);
    record.InterPeriod = {0xE1, 0xE2};
    record.Mode = 1;
    return record;
}

}  // namespace

class CaptureSessionTest : public CapturePodFixture {
protected:
    // The user's answer to the failure panel.
    void AnswerFailureWith(bool& flag)
    {
        view.OnPanel = [&flag](CapturePanel panel) {
            if (panel == P::DoneFailed) flag = true;
        };
    }
    int RestartFrames() const
    {
        return static_cast<int>(std::count_if(pod.Frames().begin(), pod.Frames().end(),
                                              [](const Pod::Frame& f) { return f.address == Pod::RestartAddress; }));
    }

    ConfigIRCommandRecord buffer = OldCapture();
};

TEST_F(CaptureSessionTest, ACapturedButtonIsReadBackIntoTheBufferAndTheAttemptEndsWithARestart)
{
    for (const bool repeats : {false, true}) {
        SCOPED_TRACE(repeats);
        pod.RemoteRepeats = repeats;
        pod.Timing0 = repeats ? 0x12 : 0x21;
        view.Panels.clear();
        view.Calls.clear();
        const int restarts = pod.Restarts();
        EXPECT_TRUE(session.RunCaptureSession(buffer));
        EXPECT_EQ(buffer.Data[CaptureSlot(IRPart::Start)], pod.Recorded[0]);
        EXPECT_EQ(buffer.Data[CaptureSlot(IRPart::Repeat)], pod.Recorded[1]);
        EXPECT_EQ(buffer.InterPeriod, (std::array<uint8_t, 2>{pod.Timing0, pod.Timing1}));
        EXPECT_EQ(buffer.Mode, repeats ? 1 : 0);
        EXPECT_EQ(buffer.Name.full(), OldCapture().Name.full());
        const std::vector<P> expected =
            repeats ? std::vector<P>{P::Press,   P::Release, P::None,        P::Press,  P::None,
                                     P::Release, P::None,    P::Downloading, P::DoneOk, P::None}
                    : std::vector<P>{P::Press, P::Release, P::None, P::Downloading, P::DoneOk, P::None};
        EXPECT_EQ(PanelSequence(), expected);
        EXPECT_EQ(view.Calls, std::vector<std::string>{"RedrawCodeView"});
        EXPECT_EQ(view.Progress.back(), 31);
        EXPECT_EQ(pod.Restarts(), restarts + 1);
        EXPECT_EQ(pod.Frames().back().address, Pod::RestartAddress);
        EXPECT_FALSE(port.IsOpen());
    }
}

TEST_F(CaptureSessionTest, AFailedCaptureShowsTheFailurePanelAndLeavesTheBufferAsItWas)
{
    struct Case {
        const char* what;
        std::function<void()> breakPod;
    };
    const std::vector<Case> cases{
        {"capture command never acknowledged", [this] { pod.Tampering = Pod::SilentBeforeAttempt(0x44, 0x11, 5); }},
        {"bad timing reply, after the timing bytes came",
         [this] {
             ReplaceReply(0x55, 1, {1, 1, 1});
         }},
        {"a block fails four times",
         [this] {
             pod.Tampering = [](const Pod::Frame& frame, int, Pod::Answer& answer) {
                 if (frame.payload[0] == 0x77 && frame.payload[1] == 17) answer.Immediate.clear();
             };
         }},
    };
    AnswerFailureWith(flags.CaptureCancelled);  // Abandon
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.breakPod();
        view.Panels.clear();
        const int restarts = RestartFrames();
        EXPECT_FALSE(session.RunCaptureSession(buffer));
        EXPECT_EQ(buffer, OldCapture());
        EXPECT_EQ(PanelSequence().back(), P::None);
        EXPECT_EQ(PanelSequence().end()[-2], P::DoneFailed);
        EXPECT_EQ(RestartFrames(), restarts + 1);
        EXPECT_FALSE(port.IsOpen());
    }
}

TEST_F(CaptureSessionTest, RetryRunsAWholeNewAttemptProbeIncludedAndAbandonEndsTheSession)
{
    ReplaceReply(0x88, 1, {0, 0, 0, 0});  // only the first attempt's timing is bad
    AnswerFailureWith(flags.CaptureRetry);
    EXPECT_TRUE(session.RunCaptureSession(buffer));
    EXPECT_EQ(buffer.Data, pod.Recorded);
    EXPECT_EQ(pod.ProbesHeard(), 2);
    EXPECT_EQ(port.OpenAttempts(1), 2);
    EXPECT_EQ(pod.Restarts(), 2);
    EXPECT_EQ(PanelSequence(), (std::vector<P>{P::Press, P::DoneFailed, P::None, P::Press, P::Release, P::None,
                                               P::Downloading, P::DoneOk, P::None}));

    // Retry after retry until the user abandons.
    pod.Tampering = Pod::SilentBeforeAttempt(0x44, 0x88, 5);
    int failures = 0;
    view.OnPanel = [&](CapturePanel panel) {
        if (panel == P::DoneFailed) (++failures < 3 ? flags.CaptureRetry : flags.CaptureCancelled) = true;
    };
    EXPECT_FALSE(session.RunCaptureSession(buffer));
    EXPECT_EQ(failures, 3);
    EXPECT_EQ(pod.Restarts(), 2 + 3);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(CaptureSessionTest, WindowExpiryCancelNoPodAndAPortNotOpenEndWithoutTheFailurePanel)
{
    struct Case {
        const char* what;
        std::function<void()> arrange;
        bool restart;
    };
    const std::vector<Case> cases{
        {"no button within the window", [this] { pod.PressAfter = std::nullopt; }, true},
        {"Cancel on the press panel",
         [this] {
             pod.PressAfter = std::nullopt;
             view.OnPanel = [this](CapturePanel panel) {
                 if (panel == P::Press) SetLater(flags.CaptureCancelled);
             };
         },
         true},
        {"no pod",
         [this] {
             pod.Silent = true;
             prompts.ExpectMessage("Capture pod failed to reply", "Error!", PromptButtons::Ok, PromptIcon::None);
         },
         false},
        {"a port that will not open",
         [this] {
             view.Checked = 3;
             prompts.ExpectMessage("Port not open", "Error!", PromptButtons::Ok, PromptIcon::None);
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        pod.PressAfter = std::chrono::milliseconds(60);
        pod.Silent = false;
        view.Checked = 0;
        view.OnPanel = nullptr;
        view.Panels.clear();
        c.arrange();
        const std::size_t frames = pod.Frames().size();
        EXPECT_FALSE(session.RunCaptureSession(buffer));
        EXPECT_EQ(std::count(view.Panels.begin(), view.Panels.end(), P::DoneFailed), 0);
        EXPECT_TRUE(view.Panels.empty() || view.Panels.back() == P::None);
        const bool restarted = pod.Frames().size() > frames && pod.Frames().back().address == Pod::RestartAddress;
        EXPECT_EQ(restarted, c.restart);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(buffer, OldCapture());
    }
}

TEST_F(CaptureSessionTest, ClosingTheEditorEndsEveryWaitOfTheSessionWithoutAnotherByte)
{
    struct Case {
        const char* what;
        CapturePanel closeOn;
        bool byWindow;  // the window's close box rather than Done or Cancel
        std::function<void()> arrange;
        bool result;
    };
    const std::vector<Case> cases{
        {"waiting for the press", P::Press, false, [this] { pod.PressAfter = std::nullopt; }, false},
        {"waiting for the release", P::Release, true, [this] { pod.ReleaseAfter = std::nullopt; }, false},
        {"on the failure panel", P::DoneFailed, false,
         [this] {
             ReplaceReply(0x11, 1, {0, 0, 0});
         },
         false},
        {"while Button captured shows", P::DoneOk, true, [] {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CaptureDurations durations = Short();
        durations.ButtonCapturedMilliseconds = 5000;  // only the closing ends it
        CaptureSession closing{port, prompts, types, view, durations};
        pod.PressAfter = pod.ReleaseAfter = std::chrono::milliseconds(60);
        pod.Tampering = nullptr;
        c.arrange();
        view.OnPanel = [&](CapturePanel panel) {
            if (panel != c.closeOn) return;
            QTimer::singleShot(20, [&] { c.byWindow ? closing.EditorWindowClosing() : closing.CloseEditor(); });
        };
        const int restarts = RestartFrames();
        EXPECT_EQ(closing.RunCaptureSession(buffer), c.result);
        EXPECT_TRUE(closing.Flags().EditorAbortWait);
        EXPECT_EQ(RestartFrames(), restarts);
        EXPECT_FALSE(port.IsOpen());
        EXPECT_EQ(buffer == OldCapture(), !c.result);
        buffer = OldCapture();
    }
}

TEST_F(CaptureSessionTest, PlaybackPlaysTheRecordItIsGiven)
{
    ConfigIRCommandRecord selected;
    selected.Data[0].fill(0x31);
    selected.Data[1].fill(0x32);
    selected.InterPeriod = {0x33, 0x34};
    EXPECT_TRUE(session.PlayBack(selected));
    EXPECT_EQ(pod.Played(), selected.Data);
    EXPECT_EQ(pod.PlayedTiming(), selected.InterPeriod);
    EXPECT_EQ(pod.Plays(), 1);
    EXPECT_EQ(pod.Restarts(), 0);
    EXPECT_TRUE(port.IsOpen());  // the next capture, playback or search closes it
    EXPECT_EQ(view.Calls, (std::vector<std::string>{"EnableEditorControls(false)", "EnableEditorControls(true)",
                                                    "UpdateCommandButtons"}));

    // No play when the parameter packet is never acknowledged.
    pod.Tampering = Pod::SilentBeforeAttempt(Pod::PlaybackAddress, 0x20, 5);
    EXPECT_FALSE(session.PlayBack(selected));
    EXPECT_EQ(pod.Plays(), 1);
}

// The pod plays each time it reads play, so no copy may go while an earlier
// copy's acknowledgement can still come. Play keeps the pod's own waits.
class LatePlay : public CaptureSessionTest, public ::testing::WithParamInterface<int> {};

TEST_P(LatePlay, AcknowledgedLateOnEveryCopyItIsPlayedOnce)
{
    CaptureDurations durations = Short();
    durations.AddressPauseMilliseconds = CaptureDurations{}.AddressPauseMilliseconds;
    durations.AcknowledgeMilliseconds = CaptureDurations{}.AcknowledgeMilliseconds;
    CaptureSession paced{port, prompts, types, view, durations};
    pod.Faults.late[ReplyFaults::Play] = std::chrono::milliseconds(GetParam());
    pod.Faults.lateEveryCopy = true;
    ConfigIRCommandRecord selected;
    selected.Data[0].fill(0x41);
    selected.Data[1].fill(0x42);
    EXPECT_TRUE(paced.PlayBack(selected));
    EXPECT_EQ(pod.Plays(), 1);
    EXPECT_EQ(pod.Played(), selected.Data);
}

INSTANTIATE_TEST_SUITE_P(Milliseconds, LatePlay, ::testing::Values(700, 1100, 1500));

TEST_F(CaptureSessionTest, PlaybackWithoutAPodOrAnOpenPortSaysSoAndReenablesTheEditor)
{
    pod.Silent = true;
    prompts.ExpectMessage("Failed to find pod for playback", "Error!", PromptButtons::Ok, PromptIcon::None);
    EXPECT_FALSE(session.PlayBack(buffer));
    view.Checked = std::nullopt;
    prompts.ExpectMessage("Port not open", "Error!", PromptButtons::Ok, PromptIcon::None);
    EXPECT_FALSE(session.PlayBack(buffer));
    EXPECT_TRUE(pod.Frames().empty());
    EXPECT_EQ(view.Calls.back(), "UpdateCommandButtons");
    EXPECT_EQ(view.Calls.end()[-2], "EnableEditorControls(true)");
}

TEST_F(CaptureSessionTest, TheSearchFillsThePortRows)
{
    SimulatedController controller;
    port.AddPort(2, &controller);
    port.AddPort(3);  // a port where nothing answers
    pod.Major = 3;
    pod.Minor = 12;
    flags.PortChosen = true;
    view.Checked = std::nullopt;
    session.SearchClicked();

    EXPECT_EQ(view.PodTypes,
              (std::array<QString, 4>{"Capture pod 3.12", "Tavlo 1.0", "--------------", "--------------"}));
    EXPECT_EQ(view.PodTypeVisible, (std::array<bool, 4>{true, true, true, false}));
    EXPECT_EQ(view.OptionEnabled, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(view.OptionVisible, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_EQ(view.Blanking, (std::array<bool, 5>{}));
    EXPECT_EQ(view.BlankingShown, 5);
    EXPECT_FALSE(flags.PortChosen);
    EXPECT_FALSE(port.IsOpen());
    // Each device was probed twice with a restart after each good probe.
    EXPECT_EQ(pod.ProbesHeard(), 2);
    EXPECT_EQ(pod.Restarts(), 2);
    EXPECT_EQ(controller.Restarts(), 2);
    EXPECT_EQ(view.Calls.front(), "EnableEditorControls(false)");
    EXPECT_EQ(view.Calls.back(), "UpdateCommandButtons");

    session.PortClicked();
    EXPECT_TRUE(flags.PortChosen);
}

TEST_F(CaptureSessionTest, ButtonCapturedGoesAtOnceOnItsOkOrACancelDuringTheReadBack)
{
    CaptureDurations durations = Short();
    durations.ButtonCapturedMilliseconds = 600000;  // only the button ends it
    CaptureSession patient{port, prompts, types, view, durations};
    bool watchdogFired = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        watchdogFired = true;
        patient.Flags().EditorAbortWait = true;
    });
    for (const CapturePanel pressedOn : {P::Downloading, P::DoneOk}) {
        SCOPED_TRACE(static_cast<int>(pressedOn));
        view.OnPanel = [&](CapturePanel panel) {
            if (panel == pressedOn) patient.CancelClicked();
        };
        watchdog.start(10000);
        EXPECT_TRUE(patient.RunCaptureSession(buffer));
        EXPECT_FALSE(watchdogFired);
        EXPECT_EQ(buffer.Data, pod.Recorded);  // the read-back went on
        buffer = OldCapture();
    }
}
