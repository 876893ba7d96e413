#include "RecordingCaptureView.h"
#include "devicelink/CaptureSession.h"
#include "model/DeviceTypes.h"
#include "support/ScriptedPrompts.h"
#include "support/devices/SimulatedCapturePod.h"
#include "support/devices/VirtualLine.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

// A whole capture, probe to restart, in virtual time against the simulated
// capture pod, which answers every copy of a command it reads.

namespace {

using Milliseconds = std::chrono::milliseconds;

// A port whose far end is the simulated pod, on a virtual line: the pod
// hears every byte with its settings, and its answers arrive when the
// line's clock says.
class PodLine final : public SerialPort {
public:
    explicit PodLine(SimulatedCapturePod& pod) : pod_(pod)
    {
        pod_.AttachToLine([this](const Bytes& bytes, Milliseconds delay) {
            for (const uint8_t byte : bytes) line_.Send(byte, delay.count());
        });
    }
    std::unique_ptr<LinkTimer> MakeTimer() { return line_.MakeTimer(); }

    bool Open() override { return line_.Open(); }
    void Close() override { line_.Close(); }
    bool IsOpen() const override { return line_.IsOpen(); }
    using SerialPort::Output;
    void Output(const Bytes& bytes) override
    {
        if (!IsOpen()) return;
        for (const uint8_t byte : bytes) pod_.Hear(byte, Settings());
    }
    Bytes Input() override { return line_.Input(); }
    int InBufferCount() override { return line_.InBufferCount(); }

protected:
    void ApplySettings(const SerialSettings&) override {}

private:
    SimulatedCapturePod& pod_;
    VirtualLine line_;
};

// The pod's commands answered late by the given latenesses, in turn; the
// restart after the capture goes as a frame run and is answered at once.
struct LateCapture {
    explicit LateCapture(std::function<Milliseconds()> lateness)
    {
        FillDefaultDeviceTypes(types);
        pod.Lateness = [lateness = std::move(lateness)](const SimulatedCapturePod::Frame& frame) {
            return frame.address == SimulatedCapturePod::CommandAddress ? lateness() : Milliseconds{};
        };
        view.OnPanel = [this](CapturePanel panel) {
            if (panel == CapturePanel::DoneFailed) session.CancelClicked();  // Abandon
        };
    }

    SimulatedCapturePod pod;
    PodLine line{pod};
    ScriptedPrompts prompts;
    DeviceTypeTable types;
    RecordingCaptureView view;
    CaptureSession session{line, prompts, types, view, CaptureDurations{}, [this] { return line.MakeTimer(); }};
};

}  // namespace

// A pod that answers just after the reply window answers both copies of a
// command sent twice, each with the button's or the timing's bytes after
// its acknowledgement. No step takes an earlier copy's bytes for its own:
// every capture stores what the pod served, or shows the failure panel and
// keeps the buffer as it was.
TEST(LateCapturePod, ACaptureFromAPodLateOnEveryReplyStoresWhatItServedOrFails)
{
    struct Row {
        int64_t low;  // each reply late by a lateness between the two
        int64_t high;
    };
    const Row rows[] = {{505, 505}, {510, 510}, {520, 520}, {550, 550}, {600, 600}, {505, 600}, {505, 530}};
    ConfigIRCommandRecord old;
    old.Name = "KEPT";
    old.InterPeriod = {0xE1, 0xE2};
    int captures = 0;
    int stored = 0;
    for (const Row& row : rows) {
        const unsigned timings = row.low == row.high ? 1 : 24;
        for (unsigned n = 0; n < timings; ++n) {
            for (const bool repeats : {false, true}) {
                SCOPED_TRACE(testing::Message() << row.low << " to " << row.high << " ms late, timing " << n
                                                << (repeats ? ", with a repeat part" : ""));
                std::mt19937 random(n);
                LateCapture capture([&random, row] {
                    return Milliseconds(std::uniform_int_distribution<int64_t>(row.low, row.high)(random));
                });
                capture.pod.RemoteRepeats = repeats;
                capture.pod.Timing0 = 0x12;
                capture.pod.Timing1 = 0x34;
                ConfigIRCommandRecord buffer = old;
                ++captures;
                if (capture.session.RunCaptureSession(buffer)) {
                    ++stored;
                    EXPECT_EQ(buffer.Data, capture.pod.Recorded);
                    EXPECT_EQ(buffer.InterPeriod, (std::array<uint8_t, 2>{0x12, 0x34}));
                    EXPECT_EQ(buffer.Mode, repeats ? 1 : 0);
                } else {
                    EXPECT_EQ(buffer, old);
                    EXPECT_EQ(
                        std::count(capture.view.Panels.begin(), capture.view.Panels.end(), CapturePanel::DoneFailed),
                        1);
                }
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
    // Every answer comes within the time a reply may take, and none is
    // thrown away unread, so no capture needs to fail.
    EXPECT_EQ(stored, captures);
}
