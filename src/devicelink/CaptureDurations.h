#pragma once

// Every wait of a capture, a playback and the editor's closing, in
// milliseconds. The defaults are the pod's own; tests shorten them.
struct CaptureDurations {
    int CaptureWindowMilliseconds = 20000;       // to press or release the remote's button
    int ButtonCapturedMilliseconds = 1000;       // how long "Button captured" stays up
    int ShutDownMilliseconds = 1500;             // lets pending waits see the abort flag
    int AddressPauseMilliseconds = 10;           // after the address byte
    int AcknowledgeMilliseconds = 500;           // for a command's acknowledgement
    int BlockReplyMilliseconds = 500;            // for a memory block
    int PlaybackAcknowledgeMilliseconds = 1000;  // for a playback packet
};
