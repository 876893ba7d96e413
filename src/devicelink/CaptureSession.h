#pragma once

#include "devicelink/CaptureDurations.h"
#include "devicelink/CaptureFlags.h"
#include "devicelink/CapturePod.h"
#include "devicelink/LinkTimer.h"
#include "devicelink/SerialLink.h"
#include "model/ConfigurationRecord.h"
#include "model/DeviceTypes.h"

#include <memory>

class CaptureView;
class SerialPort;
class UserPrompts;

// The device-link side of the IR library editor: the capture session with
// its panels, retry and restart, the Test command's playback and the search
// for capture pods on COM1 to COM4. The editor owns one, hands it its port
// and its view, and sends it its buttons' clicks.
class CaptureSession {
public:
    CaptureSession(SerialPort& port, UserPrompts& prompts, const DeviceTypeTable& deviceTypes, CaptureView& view,
                   CaptureDurations durations = {});
    CaptureSession(const CaptureSession&) = delete;
    CaptureSession& operator=(const CaptureSession&) = delete;

    CaptureFlags& Flags() { return flags_; }
    const CaptureDurations& Durations() const { return durations_; }
    CapturePod& Pod() { return pod_; }
    SerialLink& Link() { return link_; }

    // Leads the user through recording a button, attempt after attempt
    // while Retry is pressed. True when a button was recorded and read back
    // whole; only then does the capture buffer take it.
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
    WindowLoopTimer powerDownTimer_;
    WindowLoopTimer timer4_;
    WindowLoopTimer shutDownTimer_;
    CapturePod pod_;
};
