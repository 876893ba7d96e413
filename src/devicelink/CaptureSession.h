#pragma once

#include "devicelink/CaptureDurations.h"
#include "devicelink/CaptureFlags.h"
#include "devicelink/CapturePod.h"
#include "devicelink/LinkTimer.h"
#include "devicelink/SerialLink.h"
#include "model/ConfigurationRecord.h"
#include "model/DeviceTypes.h"

#include <functional>
#include <memory>

class CaptureView;
class SerialPort;
class UserPrompts;

// The device-link side of the IR library editor: the capture session with
// its panels, retry and restart, the Test command's playback and the search
// for capture pods on COM1 to COM4. The editor owns one, hands it its port
// (MakeSerialPortOwnedBy), state.Prompts(), state.DeviceTypes and itself as
// the view, and sends it its buttons' clicks: the panels' Cancel array to
// CancelClicked, Retry to RetryClicked, an IRport option to PortClicked,
// MainCancel and Done to CloseEditor, its close event to EditorWindowClosing
// (during a pod operation to AbortForClose first, then to Resume when the
// user keeps the editor).
// Add Command and ReCapture run RunCaptureSession(state.IR.IRCaptureRecord);
// Test runs PlayBack(CaptureRecordOf(*state.IR.CurrentIRCommand)).
class CaptureSession {
public:
    // Makes each timer the session's waits run on; none: the window loop's.
    using TimerMaker = std::function<std::unique_ptr<LinkTimer>()>;

    CaptureSession(SerialPort& port, UserPrompts& prompts, const DeviceTypeTable& deviceTypes, CaptureView& view,
                   CaptureDurations durations = {}, const TimerMaker& makeTimer = {});
    CaptureSession(const CaptureSession&) = delete;
    CaptureSession& operator=(const CaptureSession&) = delete;

    CaptureFlags& Flags() { return flags_; }
    const CaptureDurations& Durations() const { return durations_; }
    CapturePod& Pod() { return pod_; }
    SerialLink& Link() { return link_; }

    // Leads the user through recording a button, attempt after attempt
    // while Retry is pressed. True when a button was recorded and read back
    // whole; only then does the capture buffer take it (its Name stays). The
    // caller disables the editor's controls around it and copies the buffer
    // into its command with TakeCapture. Every attempt ends with the panels
    // hidden, the pod restarted (unless none answered) and the port closed.
    bool RunCaptureSession(ConfigIRCommandRecord& captureBuffer);
    // The Test button: plays the given capture (CaptureRecordOf the selected
    // command). True when the pod acknowledged the play command.
    bool PlayBack(const ConfigIRCommandRecord& record);
    // The search button: the search with the editor's controls disabled.
    void SearchClicked();
    void SearchCapturePods();

    // The editor's buttons.
    void CancelClicked() { flags_.CaptureCancelled = true; }  // any of the panels' Cancel array
    void RetryClicked() { flags_.CaptureRetry = true; }
    void PortClicked();  // an IRport option
    // MainCancel and Done: ends every wait, lets them return, closes the port.
    void CloseEditor();
    // The window closes by other means: the waits end and the port closes.
    void EditorWindowClosing();
    // The close box during a pod operation: every wait ends and nothing more
    // is sent, so that the editor can ask before it closes. A pod that has
    // answered a capture misses the restart that ends every attempt.
    void AbortForClose(bool podAnsweredCapture);
    // The editor stays after all: the waits work again, and a pod that
    // missed its restart gets it now.
    void Resume();

private:
    // One attempt; step 7 (panels, restart, port) is the caller's.
    bool CaptureAttempt(ConfigIRCommandRecord& captureBuffer);
    void WaitForRetryOrCancel();
    void WaitWhile(LinkTimer& timer);
    void EndAttempt();

    SerialPort& port_;
    UserPrompts& prompts_;
    const DeviceTypeTable& deviceTypes_;
    CaptureView& view_;
    CaptureDurations durations_;
    CaptureFlags flags_;
    SerialLink link_;
    std::unique_ptr<LinkTimer> powerDownTimer_;
    std::unique_ptr<LinkTimer> timer4_;
    std::unique_ptr<LinkTimer> shutDownTimer_;
    CapturePod pod_;
    bool restartOwed_ = false;
};
