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
        for (int attempt = 0; attempt < SerialLink::FrameAttempts; ++attempt) {
            const auto result =
                link_.SendFrameOnce(run_.address, payload, run_.pauseMilliseconds, run_.replyMilliseconds);
            if (!result) return Leave(FrameEnd::Interrupted);
            if (Stray(result->strayBytes)) return Leave(FrameEnd::SendAgain);
            switch (result->reply) {
            case SerialLink::Attempt::Reply::Acknowledged: return AfterAcknowledgement(frame);
            case SerialLink::Attempt::Reply::Refused: wrongReply_ = true; break;
            case SerialLink::Attempt::Reply::None:
                wrongReply_ = false;
                ++own_;  // its reply may yet come
                break;
            }
        }
        return Leave(FrameEnd::Failed);
    }

    FrameEnd AfterAcknowledgement(int frame)
    {
        if (link_.OwedReplies() > 0 && !doubtFrom_) doubtFrom_ = frame;
        if (own_ > 0) {
            // The replies of this frame's timed-out attempts, so that no later
            // frame takes one of them for its own.
            if (!link_.ReplyWait(run_.replyMilliseconds, 2 * own_) || link_.Interrupted())
                return Leave(FrameEnd::Interrupted);
            if (Stray(static_cast<int>(link_.Read("late").size()))) return Leave(FrameEnd::SendAgain);
        }
        return Leave(FrameEnd::Acknowledged);
    }

    // What the frame still owes is owed by an earlier frame from now on.
    FrameEnd Leave(FrameEnd end)
    {
        link_.OweReplies(own_);
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

    // After the last frame, while acknowledgements are in doubt: one reply
    // window for a reply out of turn.
    Quiet Settle()
    {
        if (!doubtFrom_) return Quiet::Yes;
        if (!link_.ReplyWait(run_.replyMilliseconds, 1) || link_.Interrupted()) return Quiet::Interrupted;
        return Stray(static_cast<int>(link_.Read("out of turn").size())) ? Quiet::No : Quiet::Yes;
    }

    void Acknowledged(int frame)
    {
        if (frame < acknowledged_) return;
        acknowledged_ = frame + 1;
        goBacksSinceProgress_ = 0;
        if (run_.acknowledged) run_.acknowledged(frame);
    }

    // Back to the first frame in doubt; false, with the frame's wrong-reply
    // message, when replies keep coming out of turn and the run gets no further.
    bool GoBack(int& frame)
    {
        if (++goBacksSinceProgress_ > SerialLink::FrameAttempts) return Fail(std::min(frame, run_.count - 1), true);
        frame = *doubtFrom_;
        doubtFrom_.reset();
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
    int own_ = 0;  // replies this frame's timed-out attempts may still send
    bool wrongReply_ = false;
    std::optional<int> doubtFrom_;  // the first frame acknowledged while a reply was owed
    int acknowledged_ = 0;          // frames acknowledged at least once
    int goBacksSinceProgress_ = 0;
};

}  // namespace

bool SendFrameRun(SerialLink& link, const FrameRun& run)
{
    return RunSender(link, run).Send();
}
