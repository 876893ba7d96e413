#include "devicelink/FrameRun.h"

#include <algorithm>

namespace {

// A reply is two bytes; a lone byte is what is left of one.
int RepliesIn(int bytes)
{
    return (bytes + 1) / 2;
}

class RunSender {
public:
    RunSender(SerialLink& link, const FrameRun& run) : link_(link), run_(run) {}

    bool Send()
    {
        // What an earlier exchange still owes comes, or can come no more,
        // before the first frame goes; what has not come stays owed, and
        // leaves in doubt what is acknowledged while it is.
        const std::optional<int> earlier = link_.AwaitOwedReplies(false);
        if (!earlier) return false;
        link_.PayOwedReplies(RepliesIn(*earlier));

        int frame = 0;
        for (;;) {
            while (frame < run_.count) {
                switch (SendFrame(frame)) {
                case FrameEnd::Acknowledged:
                    Acknowledged(frame);
                    ++frame;
                    break;
                case FrameEnd::SendAgain:
                    if (!GoBack(frame)) return false;
                    break;
                case FrameEnd::Failed: return Fail(frame, wrongReply_);
                case FrameEnd::Interrupted: return false;
                }
            }
            switch (Settle()) {
            case Quiet::Yes: return true;
            case Quiet::Interrupted: return false;
            case Quiet::No:
                if (!GoBack(frame)) return false;
                break;
            }
        }
    }

private:
    enum class FrameEnd { Acknowledged, SendAgain, Failed, Interrupted };
    enum class Quiet { Yes, No, Interrupted };

    FrameEnd SendFrame(int frame)
    {
        own_ = 0;
        wrongReply_ = false;
        const SerialLink::Bytes payload = run_.payload(frame);
        // A command that acts each time it is read is not sent again while
        // the reply to its last copy can still come.
        const int window = run_.once ? run_.ReplyLimit() : run_.replyMilliseconds;
        for (int attempt = 0; attempt < SerialLink::FrameAttempts; ++attempt) {
            const auto result =
                link_.SendFrameOnce(run_.address, payload, run_.pauseMilliseconds, window, run_.ReplyLimit());
            if (!result) return Leave(FrameEnd::Interrupted);
            ownUntil_ = result->payloadSentAt + run_.ReplyLimit();
            if (own_ == 0) firstOwnSentAt_ = result->payloadSentAt;
            // Unanswered, its reply may yet come, also when the frame ends here.
            if (result->reply == SerialLink::Attempt::Reply::None && !run_.once) ++own_;
            if (Stray(result->strayBytes)) return Leave(FrameEnd::SendAgain);
            switch (result->reply) {
            case SerialLink::Attempt::Reply::Acknowledged:
                if (!run_.once) return AfterAcknowledgement(frame, *result);
                switch (RefusedAfterAll()) {
                case Quiet::Yes: return Leave(FrameEnd::Acknowledged);
                case Quiet::Interrupted: return Leave(FrameEnd::Interrupted);
                case Quiet::No: Refused(); break;
                }
                break;
            case SerialLink::Attempt::Reply::Refused: Refused(); break;
            case SerialLink::Attempt::Reply::None: wrongReply_ = false; break;
            }
        }
        return Leave(FrameEnd::Failed);
    }

    void Refused()
    {
        wrongReply_ = true;
        refusalSeen_ = true;
    }

    FrameEnd AfterAcknowledgement(int frame, const SerialLink::Attempt& answered)
    {
        if (link_.OwedReplies() > 0) {
            if (!doubtFrom_) doubtFrom_ = frame;
            // A reply owed past its time is most likely lost; one still in
            // its time may well be what was read.
            if (link_.ReplyOwedAfter(answered.payloadSentAt)) replyMayHaveStoodIn_ = true;
        }
        if (own_ > 0) {
            // The replies of this frame's timed-out attempts, so that no later
            // frame takes one of them for its own. The reply just read is
            // taken for the oldest of them; a device that answers each copy
            // about as late sends the last within that lateness of the
            // attempt just answered, and one reply window more covers the
            // line and the window loop. What has not come by then stays owed.
            const int64_t lateness = link_.Now() - firstOwnSentAt_;
            if (!WaitUntil(answered.payloadSentAt + lateness + run_.replyMilliseconds, 2 * own_))
                return Leave(FrameEnd::Interrupted);
            if (Stray(static_cast<int>(link_.ReadReplies("late").size()))) return Leave(FrameEnd::SendAgain);
        }
        return Leave(FrameEnd::Acknowledged);
    }

    // For a command that must not run twice, acknowledged while a reply was
    // owed past its time and no earlier attempt of its own can have been
    // taken: the reply after it, if one comes within a reply window, is the
    // command's own; No when that one refused it.
    Quiet RefusedAfterAll()
    {
        if (link_.OwedReplies() == 0 || own_ > 0) return Quiet::Yes;
        if (!link_.ReplyWait(run_.replyMilliseconds, 2) || link_.Interrupted()) return Quiet::Interrupted;
        const SerialLink::Bytes after = link_.ReadReplies("after");
        Stray(static_cast<int>(after.size()));
        const bool refused = after.size() >= 2 && after[after.size() - 2] != SerialLink::Acknowledgement;
        return refused ? Quiet::No : Quiet::Yes;
    }

    // After the last frame. While a reply that may have stood for an
    // acknowledgement could still come, the run is in doubt whether or not it
    // has come since: the frame it was taken for may be missing. Where only
    // replies owed past their time were outstanding, one reply window for a
    // reply out of turn, which would show that one came after all. A command
    // that must not run twice is never sent again once acknowledged.
    Quiet Settle()
    {
        if (!doubtFrom_ || run_.once) return Quiet::Yes;
        if (replyMayHaveStoodIn_) return Quiet::No;
        if (!link_.ReplyWait(run_.replyMilliseconds, 1) || link_.Interrupted()) return Quiet::Interrupted;
        return Stray(static_cast<int>(link_.ReadReplies("out of turn").size())) ? Quiet::No : Quiet::Yes;
    }

    // False when the abort flag or a closed port ended the wait.
    bool WaitUntil(int64_t until, int byteCount)
    {
        const int64_t left = until - link_.Now();
        return left <= 0 || (link_.ReplyWait(static_cast<int>(left), byteCount) && !link_.Interrupted());
    }

    // What the frame still owes is owed by an earlier frame from now on.
    FrameEnd Leave(FrameEnd end)
    {
        link_.OweReplies(own_, ownUntil_);
        own_ = 0;
        return end;
    }

    // Replies that came outside the one awaited pay what this frame owes,
    // then what earlier frames owe. One beyond this frame's debt may be the
    // answer that an acknowledgement in doubt stood in for: true when frames
    // must be sent again.
    bool Stray(int bytes)
    {
        const int replies = RepliesIn(bytes);
        const int ownPaid = std::min(replies, own_);
        own_ -= ownPaid;
        if (replies == ownPaid) return false;
        link_.PayOwedReplies(replies - ownPaid);
        return doubtFrom_.has_value();
    }

    void Acknowledged(int frame)
    {
        if (frame < acknowledged_) return;
        acknowledged_ = frame + 1;
        if (run_.acknowledged) run_.acknowledged(frame);
    }

    // Back to the first frame in doubt, once what is owed can come no more;
    // the frames sent again owe nothing to what came before. False, with the
    // frame's messages, when the run has gone back too often, or when the
    // abort flag or a closed port ended the wait.
    bool GoBack(int& frame)
    {
        if (++goBacks_ > FrameRun::GoBacks) return Fail(std::min(frame, run_.count - 1), refusalSeen_);
        if (!link_.AwaitOwedReplies(true)) return false;
        frame = *doubtFrom_;
        doubtFrom_.reset();
        replyMayHaveStoodIn_ = false;
        return true;
    }

    bool Fail(int frame, bool wrongReply)
    {
        if (run_.failureMessages) {
            if (const auto messages = run_.failureMessages(frame)) link_.TellFailure(*messages, wrongReply);
        }
        return false;
    }

    SerialLink& link_;
    const FrameRun& run_;
    int own_ = 0;                 // replies this frame's timed-out attempts may still send
    int64_t firstOwnSentAt_ = 0;  // the payload of the first of those attempts
    int64_t ownUntil_ = 0;        // when none of them can come any more
    bool wrongReply_ = false;
    bool refusalSeen_ = false;
    std::optional<int> doubtFrom_;      // the first frame acknowledged while a reply was owed
    bool replyMayHaveStoodIn_ = false;  // one was acknowledged while an owed reply could still come
    int acknowledged_ = 0;              // frames acknowledged at least once
    int goBacks_ = 0;
};

}  // namespace

bool SendFrameRun(SerialLink& link, const FrameRun& run)
{
    return RunSender(link, run).Send();
}
