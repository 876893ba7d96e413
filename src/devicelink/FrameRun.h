#pragma once

#include "devicelink/SerialLink.h"

#include <functional>
#include <optional>

// Frames that go out one after another behind one address, each with up to
// four attempts and each acknowledged before the next goes out: the image's
// blocks, a playback's packets, a restart, the pod's play command.
//
// An acknowledgement names no frame, so one that comes late looks like the
// answer to whatever went out last. An attempt that times out leaves a reply
// owed. Once a frame is acknowledged, the run waits for what its own attempts
// still owe until the last of those replies can come no more: the device
// answers in turn, each attempt about as late as the first, so the reply of
// the attempt just answered may come as late after its payload as the reply
// just read came after the first attempt's. A frame that fails leaves its
// replies owed for ReplyLimit after its last payload, and a run waits for
// what an earlier exchange owes before its first frame goes (a restart
// after the download, the play command after the playback). So a reply is
// taken for the frame just sent only once no earlier one can still come.
//
// What is owed beyond that is taken as lost, but an acknowledgement taken
// while it is owed stays in doubt: a reply that no attempt explains (bytes
// thrown away before a payload, or more than one reply waiting, or one in a
// reply window after the last frame) may be the answer that it stood in
// for, held back by the device. Then every frame from the first in doubt is
// sent again: a frame stored twice does no harm, a frame missing does.
//
// A command that must not run twice (once) is never sent again once one of
// its attempts was acknowledged, unless the reply that follows a doubtful
// acknowledgement shows that it was refused.
struct FrameRun {
    // Times a run goes back to its first frame in doubt before it gives up.
    static constexpr int GoBacks = 4;

    uint8_t address = 0;
    int count = 0;
    int pauseMilliseconds = 10;  // between the address byte and the payload
    int replyMilliseconds = 500;
    bool once = false;
    std::function<SerialLink::Bytes(int frame)> payload;
    // Shown after a frame's fourth failed attempt; empty or none: nothing.
    std::function<std::optional<SerialLink::FailureMessages>(int frame)> failureMessages;
    // Told the first time each frame is acknowledged, in order.
    std::function<void(int frame)> acknowledged;

    // How long after its payload a reply to a frame that failed may still
    // come: as long as the run waits for a frame before it gives it up.
    int ReplyLimit() const { return SerialLink::FrameAttempts * (pauseMilliseconds + replyMilliseconds); }
};

// True when every frame was acknowledged. False after a frame failed its
// fourth attempt or the run went back too often (the frame's messages
// shown: the wrong-reply one only when a reply refused a frame), or when the
// abort flag or a closed port ended a wait (nothing shown).
bool SendFrameRun(SerialLink& link, const FrameRun& run);
