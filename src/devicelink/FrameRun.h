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
// reply owed until ReplyLimit after the latest copy sent while it is owed.
// A run waits for what an earlier exchange owes before its first frame goes
// (a restart after the download, the play command after the playback);
// what has not come by then stays owed, however late.
//
// With nothing owed, an acknowledgement answers a copy of the frame just
// sent: the frame is stored, and what its other copies owe is carried to
// the next frame, which goes at once. A frame acknowledged while a reply
// is owed is in doubt: that reply may have stood in for one that never
// came. It is kept only when every reply owed comes while one still can,
// so that the replies account for every copy sent; otherwise, once none can
// come, it goes again, owing nothing to what came before. A lost reply thus
// costs its wait and one frame, never the rest of the run. A frame stored
// twice does no harm; a frame missing does.
//
// A command that acts each time it is read (once) waits for its reply as
// long as a reply can come before it goes again, so it is never sent again
// while an earlier copy may have been carried out; one acknowledged while
// replies were owed past their time is judged by the reply that follows,
// if any.
struct FrameRun {
    // Times one frame goes again in doubt before the run gives it up.
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
    static constexpr int ReplyLimitFor(int pauseMilliseconds, int replyMilliseconds)
    {
        return SerialLink::FrameAttempts * (pauseMilliseconds + replyMilliseconds);
    }
    int ReplyLimit() const { return ReplyLimitFor(pauseMilliseconds, replyMilliseconds); }
};

// True when every frame was acknowledged. False after a frame failed its
// fourth attempt or went again too often (that frame's messages shown: the
// wrong-reply one only when a reply refused a frame), or when the abort
// flag or a closed port ended a wait (nothing shown).
bool SendFrameRun(SerialLink& link, const FrameRun& run);
