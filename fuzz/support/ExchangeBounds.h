#pragma once

#include "devicelink/CaptureDurations.h"
#include "devicelink/LinkWaits.h"

// The longest each exchange with a device may take, in milliseconds, when
// every wait runs its whole time and every retry the protocol allows is
// used: the bound a user waits at most, whatever the device answers.

// A FrameRun on a link that owes nothing: every attempt of every frame with
// the waits for the replies they owe, in every pass the run may make.
long long FrameRunBound(int frames, int addressPause, int acknowledge);
// The break pulse, every probe try of every round, and the restarts: a dumb
// restart after each round, a frame for the device found.
long long FindPodBound(const LinkWaits& waits, bool restart);
// The download's blocks as a FrameRun.
long long DownloadBound(const LinkWaits& waits, int blocks);
// Opening the port, the probe, and every command frame and capture window
// of a capture with a repeat part.
long long CaptureBound(const CaptureDurations& durations);
// Every attempt of every block of the read-back.
long long ReadCaptureMemoryBound(const CaptureDurations& durations);
// The data packets and the parameter packet as a FrameRun.
long long UploadCaptureBufferBound(const CaptureDurations& durations);
