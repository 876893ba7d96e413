#include "devicelink/CapturePod.h"
#include "devicelink/CaptureView.h"
#include "support/DeviceReplies.h"
#include "support/ExchangeBounds.h"
#include "support/PropertyCheck.h"
#include "support/ScriptedLine.h"
#include "support/SilentPrompts.h"

#include <memory>

namespace {

// The panels go nowhere; the progress bar must stay within the block numbers
// and move only forward.
class ProgressCheckingView final : public CaptureView {
public:
    void ShowPanel(CapturePanel) override {}
    void SetProgress(int value) override
    {
        CheckProperty(value >= last_ && value < CapturePod::Blocks,
                      "the read-back's bar only moves forward and stays within the blocks");
        last_ = value;
    }
    std::optional<int> CheckedPortRow() const override { return 0; }
    void SetPodType(int, const QString&) override {}
    void SetPodTypeVisible(int, bool) override {}
    void SetPortOption(int, bool, bool) override {}
    void SetBlanking(int, bool) override {}
    void UpdateCommandButtons() override {}
    void EnableEditorControls(bool) override {}
    void RedrawCodeView() override {}

private:
    int last_ = 0;
};

}  // namespace

// What the capture pod answers to a capture, the read-back of its memory and
// a playback upload: the first byte's low bit skips the capture, the rest is
// what the line returns. Whatever it answers, each exchange ends within the
// protocol's retries and the capture window's time.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    DeviceReplies replies({data + 1, size - 1});
    FuzzSerialPort port;
    SilentPrompts prompts;
    DeviceTypeTable types;
    FillDefaultDeviceTypes(types);
    CaptureFlags flags;
    VirtualClock clock;
    SerialLink link(port, flags.EditorAbortWait, prompts, types,
                    std::make_unique<ScriptedLineTimer>(port, replies, clock));
    const CaptureDurations durations;
    link.SetWaits(durations.Link);
    ProgressCheckingView view;
    ScriptedWindowTimer window(port, replies, clock);
    CapturePod pod(link, flags, view, prompts, durations, window);

    ConfigIRCommandRecord record;
    if ((data[0] & 1) == 0) {
        const CaptureOutcome outcome = pod.CaptureRemoteButton(record);
        // Only a missing pod is told; everything else is the session's to show.
        CheckProperty((outcome == CaptureOutcome::PodNotFound) == (prompts.Messages() == 1),
                      "a capture tells the user only of a missing pod");
        CheckProperty(clock.Milliseconds <= CaptureBound(durations), "a capture ends within its retries and windows");
        if (outcome != CaptureOutcome::Captured) return 0;
    } else {
        port.Open();
    }
    long long started = clock.Milliseconds;
    const bool read = pod.ReadCaptureMemory(record);
    CheckProperty(clock.Milliseconds - started <= ReadCaptureMemoryBound(durations),
                  "a read-back ends within its retries");
    if (!read) return 0;
    started = clock.Milliseconds;
    pod.UploadCaptureBuffer(record);
    CheckProperty(clock.Milliseconds - started <= UploadCaptureBufferBound(durations),
                  "a playback upload ends within its retries");
    return 0;
}
