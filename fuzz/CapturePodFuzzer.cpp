#include "devicelink/CapturePod.h"
#include "devicelink/CaptureView.h"
#include "support/DeviceReplies.h"
#include "support/ScriptedLine.h"
#include "support/SilentPrompts.h"

#include <cstdlib>
#include <memory>

namespace {

// The panels go nowhere; the progress bar must stay within the block numbers
// and move only forward.
class ProgressCheckingView final : public CaptureView {
public:
    void ShowPanel(CapturePanel) override {}
    void SetProgress(int value) override
    {
        if (value < last_ || value >= CapturePod::Blocks) std::abort();
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

// The capture window stays open while the line has more to say, each wait
// in it bringing the next reply.
class ScriptedWindowTimer final : public LinkTimer {
public:
    ScriptedWindowTimer(FuzzSerialPort& port, DeviceReplies& replies) : port_(port), replies_(replies) {}

    void Start(int) override { active_ = true; }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    void WaitForEvents() override
    {
        const auto reply = replies_.Next();
        port_.Arrive(reply);
        active_ = !reply.empty();
    }

private:
    FuzzSerialPort& port_;
    DeviceReplies& replies_;
    bool active_ = false;
};

}  // namespace

// What the capture pod answers to a capture, the read-back of its memory and
// a playback upload: the first byte's low bit skips the capture, the rest is
// what the line returns.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    DeviceReplies replies({data + 1, size - 1});
    FuzzSerialPort port;
    SilentPrompts prompts;
    DeviceTypeTable types;
    FillDefaultDeviceTypes(types);
    CaptureFlags flags;
    SerialLink link(port, flags.EditorAbortWait, prompts, types, std::make_unique<ScriptedLineTimer>(port, replies));
    ProgressCheckingView view;
    const CaptureDurations durations;
    ScriptedWindowTimer window(port, replies);
    CapturePod pod(link, flags, view, prompts, durations, window);

    ConfigIRCommandRecord record;
    if ((data[0] & 1) == 0) {
        const CaptureOutcome outcome = pod.CaptureRemoteButton(record);
        // Only a missing pod is told; everything else is the session's to show.
        if ((outcome == CaptureOutcome::PodNotFound) != (prompts.Messages() == 1)) std::abort();
        if (outcome != CaptureOutcome::Captured) return 0;
    } else {
        port.Open();
    }
    if (pod.ReadCaptureMemory(record)) pod.UploadCaptureBuffer(record);
    return 0;
}
