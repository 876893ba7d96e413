#pragma once

#include "devicelink/CaptureDurations.h"
#include "devicelink/CaptureFlags.h"
#include "devicelink/CaptureView.h"
#include "devicelink/SerialLink.h"
#include "model/ConfigurationRecord.h"

#include <array>
#include <cstdint>

class LinkTimer;
class UserPrompts;

// How a capture of a remote's button ended.
enum class CaptureOutcome {
    Captured,
    Failed,        // no acknowledgement or a reply that fails its check
    WindowClosed,  // no button within the capture window
    Cancelled,
    PodNotFound,
    PortNotOpen,
    Aborted,  // the editor is closing
};

// The exchanges with the capture pod on the IR library editor's link: its
// command frames, the capture of a remote's button, the read-back of the
// recorded code and the upload of a code to play. Nothing here closes the
// port.
class CapturePod {
public:
    static constexpr uint8_t CommandAddress = 0x44;
    static constexpr uint8_t PlaybackAddress = 0x55;
    static constexpr uint8_t StartCapture = 0x11;
    static constexpr uint8_t ReadTiming = 0x88;
    static constexpr uint8_t ReadStatus = 0x55;
    static constexpr uint8_t CaptureRepeat = 0x33;
    static constexpr uint8_t Play = 0x99;
    static constexpr uint8_t ReadMemoryBlock = 0x77;
    static constexpr int Blocks = 32;  // 0-15 the start part, 16-31 the repeat part
    static constexpr uint8_t ParameterPacket = 0x20;
    static constexpr int BlockReplyLength = 14;
    static constexpr int Attempts = 4;

    using Packet = std::array<uint8_t, 10>;

    // The window is the capture window's timer, open while it runs.
    CapturePod(SerialLink& link, CaptureFlags& flags, CaptureView& view, UserPrompts& prompts,
               const CaptureDurations& durations, LinkTimer& captureWindow);

    // Closes the port and opens the one of the checked IRport row; false,
    // with "Port not open", when there is none or it cannot be opened.
    bool OpenChosenPort();

    // One command frame, up to four attempts; true when acknowledged. Each
    // attempt waits for its acknowledgement as long as one may come.
    bool SendPodCommand(int command, int argument);
    // Opens the chosen port, probes it and records a button: the timing
    // bytes into the record, RepeatCaptured and PodNotFound into the flags.
    CaptureOutcome CaptureRemoteButton(ConfigIRCommandRecord& record);
    // All 32 blocks into the record's Data; false at the first block that
    // fails four times, or on abort. Each attempt waits for its block as
    // long as it may come, so a late block never meets the next attempt.
    bool ReadCaptureMemory(ConfigIRCommandRecord& record);
    // The 32 data packets and the parameter packet as a FrameRun; true when
    // all were acknowledged.
    bool UploadCaptureBuffer(const ConfigIRCommandRecord& record);

    void StartCaptureWindow();
    bool CaptureWindowOpen() const;

    // Data packet n (0..31) or the parameter packet (ParameterPacket).
    static Packet PlaybackPacket(const ConfigIRCommandRecord& record, int n);

private:
    enum class Wait { Arrived, WindowClosed, Cancelled, Aborted };

    // How long after its payload a frame's reply may still come, as in a
    // frame run (FrameRun.h).
    int ReplyLimit(int replyMilliseconds) const;
    Wait CaptureWait(int byteCount);
    // A command, then a reply of byteCount that passes its check; the given
    // panel goes as soon as the reply has come (None: the panel stays).
    CaptureOutcome Exchange(uint8_t command, int byteCount, bool (*check)(const SerialLink::Bytes&),
                            SerialLink::Bytes& reply, CapturePanel hideAfterWait);
    bool ReadBlock(int n, ConfigIRCommandRecord& record);
    CaptureOutcome Failure() const;

    SerialLink& link_;
    CaptureFlags& flags_;
    CaptureView& view_;
    UserPrompts& prompts_;
    const CaptureDurations& durations_;
    LinkTimer& captureWindow_;
};
