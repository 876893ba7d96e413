#pragma once

// The IR library editor's flags that the capture, playback and search read
// and write. The editor's buttons only set them; the waits test them.
struct CaptureFlags {
    bool EditorAbortWait = false;   // the editor is closing: every wait ends, nothing more is sent
    bool CaptureCancelled = false;  // a Cancel, OK or Abandon button on a capture panel
    bool CaptureRetry = false;      // the Retry button
    bool RepeatCaptured = false;    // the last capture recorded a repeat part
    bool PodNotFound = false;       // the last capture found no pod, so no restart is sent
    bool PortChosen = false;        // an IRport option was clicked since the last search
};
