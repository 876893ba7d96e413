#pragma once

#include "devicelink/SerialLink.h"

#include <functional>
#include <optional>

// Frames that go out one after another behind one address, each with up to
// four attempts and each acknowledged before the next goes out: the image's
// blocks, a playback's packets, a restart, the pod's play command.
//
// An acknowledgement names no frame, so one that comes late looks like the
// answer to whatever went out last, and the copies of one frame may each be
// answered with a lateness of their own. An attempt that times out leaves a
// reply owed until ReplyLimit after its payload; later than that none comes.
// Once a frame is acknowledged, the run waits a while for what its own
// attempts still owe (about as late after the last payload as the reply just
// read came after the first), so that a device that is merely slow seldom
// leaves anything owed for the next frame. A run waits for what an earlier
// exchange owes before its first frame goes (a restart after the download,
// the play command after the playback).
//
// An acknowledgement taken while an earlier frame's reply could still come
// is in doubt: it may be that reply, and the frame it was taken for may
// never have been stored. A run is never done while one is in doubt: at its
// end, or as soon as a reply comes that no attempt explains, it waits until
// nothing owed can come any more and sends every frame again from the first
// in doubt. A frame stored twice does no harm; a frame missing does.
// Replies owed past their time stay counted: where only those were owed,
// the run's end waits one reply window for a reply out of turn, as a device
// that held one back would send, and goes back only when one comes.
//
// A command that acts each time it is read (once) waits for its reply as
// long as a reply can come before it goes again, so it is never sent again
// while an earlier copy may have been carried out, nor by a going back; one
// acknowledged while replies were owed past their time is judged by the
// reply that follows, if any.
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

    // How long after its payload a reply may still come: as long as the run
    // waits for a frame before it gives it up.
    int ReplyLimit() const { return SerialLink::FrameAttempts * (pauseMilliseconds + replyMilliseconds); }
};

// True when every frame was acknowledged. False after a frame failed its
// fourth attempt or the run went back too often (the frame's messages
// shown: the wrong-reply one only when a reply refused a frame), or when the
// abort flag or a closed port ended a wait (nothing shown).
bool SendFrameRun(SerialLink& link, const FrameRun& run);
