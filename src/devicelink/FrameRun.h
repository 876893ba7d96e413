#pragma once

#include "devicelink/SerialLink.h"

#include <functional>
#include <optional>

// Frames that go out one after another behind one address, each with up to
// four attempts and each acknowledged before the next goes out: the image's
// blocks, a playback's packets, a restart.
//
// An acknowledgement names no frame, so one that comes late looks like the
// answer to whatever went out last. An attempt that times out leaves a reply
// owed. Once its frame is acknowledged the run waits one more reply window
// for what that frame still owes; an acknowledgement taken while an earlier
// frame owes a reply is in doubt, as it may be that reply. A reply that no
// attempt explains (bytes thrown away before a payload, or more than one
// reply waiting) may be the answer that a doubtful acknowledgement stood in
// for, so every frame from the first in doubt is sent again: a frame stored
// twice does no harm, a frame missing does. A run that ends in doubt waits
// one reply window for such a reply before it counts as done.
struct FrameRun {
    uint8_t address = 0;
    int count = 0;
    int pauseMilliseconds = 10;  // between the address byte and the payload
    int replyMilliseconds = 500;
    std::function<SerialLink::Bytes(int frame)> payload;
    // Shown after a frame's fourth failed attempt; empty or none: nothing.
    std::function<std::optional<SerialLink::FailureMessages>(int frame)> failureMessages;
    // Told the first time each frame is acknowledged, in order.
    std::function<void(int frame)> acknowledged;
};

// True when every frame was acknowledged. False after a frame failed its
// fourth attempt or replies kept coming out of turn (the frame's messages
// shown), or when the abort flag or a closed port ended a wait (nothing
// shown).
bool SendFrameRun(SerialLink& link, const FrameRun& run);
