#include "devicelink/FrameRun.h"

#include <algorithm>
#include <vector>

namespace {

// A reply is two bytes; a lone byte is what is left of one.
int RepliesIn(int bytes)
{
    return (bytes + 1) / 2;
}

class RunSender {
public:
    RunSender(SerialLink& link, const FrameRun& run)
        : link_(link), run_(run), goneBack_(static_cast<std::size_t>(std::max(run.count, 0)), 0)
    {
    }

    bool Send()
    {
        // What an earlier exchange still owes comes, or can come no more,
        // before the first frame goes; what has not come stays owed, and
        // puts in doubt what is acknowledged while it is.
        const std::optional<SerialLink::Bytes> earlier = link_.AwaitOwedReplies(false);
        if (!earlier) return false;
        link_.PayOwedReplies(RepliesIn(static_cast<int>(earlier->size())));

        int frame = 0;
        while (frame < run_.count) {
            switch (SendFrame(frame)) {
            case FrameEnd::Acknowledged:
                Acknowledged(frame);
                ++frame;
                break;
            case FrameEnd::InDoubt:
                if (!SendAgain(frame)) return false;
                break;
            case FrameEnd::Failed: return Fail(frame, wrongReply_);
            case FrameEnd::Interrupted: return false;
            }
        }
        return true;
    }

private:
    enum class FrameEnd { Acknowledged, InDoubt, Failed, Interrupted };
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
            // Unanswered, its reply may yet come, also when the frame ends here.
            if (result->reply == SerialLink::Attempt::Reply::None && !run_.once) ++own_;
            const bool outOfStep = own_ > 0 || result->strayBytes > 0 || link_.RepliesMayBeOutOfStep();
            Stray(result->strayBytes);
            switch (result->reply) {
            case SerialLink::Attempt::Reply::Acknowledged:
                if (!run_.once) return AfterAcknowledgement(result->strayRefusal);
                switch (RefusedAfterAll()) {
                case Quiet::Yes: return Leave(FrameEnd::Acknowledged);
                case Quiet::Interrupted: return Leave(FrameEnd::Interrupted);
                case Quiet::No: Refused(); break;
                }
                break;
            case SerialLink::Attempt::Reply::Refused:
                if (!outOfStep) {
                    Refused();
                } else if (!Realign()) {
                    return Leave(FrameEnd::Interrupted);
                }
                break;
            case SerialLink::Attempt::Reply::None: wrongReply_ = false; break;
            }
        }
        return Leave(FrameEnd::Failed);
    }

    // Replies owed by earlier copies, split and interleaved with this one's,
    // can be read a byte out of step, which looks like a refusal but is not
    // known to be one: before the next copy, what is owed comes or can come
    // no more, so that the copy is read in step. False when the abort flag
    // or a closed port ended the wait.
    bool Realign()
    {
        wrongReply_ = false;
        Leave(FrameEnd::Failed);
        const std::optional<SerialLink::Bytes> came = link_.AwaitOwedReplies(false);
        if (!came) return false;
        link_.PayOwedReplies(RepliesIn(static_cast<int>(came->size())));
        return true;
    }

    void Refused()
    {
        wrongReply_ = true;
        refusalSeen_ = true;
    }

    // With nothing owed by earlier frames, the acknowledgement answers a copy
    // of this frame, and what its other copies owe is carried on: the next
    // frame goes at once and settles it. Otherwise the acknowledgement may be
    // an earlier frame's reply standing in for one that never came: the
    // frame is kept only when every reply owed comes while one still can,
    // each an acknowledgement; the replies then account for every copy
    // sent, this frame's included, and none of them refused it. A refusal
    // read beside the acknowledgement may be this frame's own, the
    // acknowledgement another's: the frame goes again once nothing owed can
    // come.
    FrameEnd AfterAcknowledgement(bool refusalBeside)
    {
        const bool mayBeAnother = link_.OwedReplies() > 0;
        const FrameEnd end = Leave(FrameEnd::Acknowledged);
        if (!mayBeAnother && !refusalBeside) return end;
        const std::optional<SerialLink::Bytes> came = link_.AwaitOwedReplies(false);
        if (!came) return FrameEnd::Interrupted;
        link_.PayOwedReplies(RepliesIn(static_cast<int>(came->size())));
        return !refusalBeside && link_.OwedReplies() == 0 && AllAcknowledgements(*came) ? end : FrameEnd::InDoubt;
    }

    static bool AllAcknowledgements(const SerialLink::Bytes& replies)
    {
        for (std::size_t first = 0; first < replies.size(); first += 2)
            if (replies[first] != SerialLink::Acknowledgement) return false;
        return true;
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

    // What the frame still owes is owed by an earlier frame from now on.
    FrameEnd Leave(FrameEnd end)
    {
        link_.OweReplies(own_, ownUntil_);
        own_ = 0;
        return end;
    }

    // Replies that came outside the one awaited pay what this frame owes,
    // then what earlier frames owe; any beyond were owed by nobody.
    void Stray(int bytes)
    {
        const int replies = RepliesIn(bytes);
        const int ownPaid = std::min(replies, own_);
        own_ -= ownPaid;
        link_.PayOwedReplies(replies - ownPaid);
    }

    void Acknowledged(int frame)
    {
        if (frame < acknowledged_) return;
        acknowledged_ = frame + 1;
        if (run_.acknowledged) run_.acknowledged(frame);
    }

    // A frame in doubt goes again; what was owed could come no more, so the
    // copies sent from now on owe nothing to what came before. False, with
    // the frame's messages, when it has gone again too often.
    bool SendAgain(int frame)
    {
        int& times = goneBack_[static_cast<std::size_t>(frame)];
        if (++times > FrameRun::GoBacks) return Fail(frame, refusalSeen_);
        return link_.AwaitOwedReplies(true).has_value();
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
    int own_ = 0;           // replies this frame's timed-out attempts may still send
    int64_t ownUntil_ = 0;  // when none of them can come any more
    bool wrongReply_ = false;
    bool refusalSeen_ = false;
    int acknowledged_ = 0;       // frames acknowledged at least once
    std::vector<int> goneBack_;  // per frame, the times it went again in doubt
};

}  // namespace

bool SendFrameRun(SerialLink& link, const FrameRun& run)
{
    return RunSender(link, run).Send();
}
