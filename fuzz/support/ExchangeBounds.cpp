#include "ExchangeBounds.h"

#include "devicelink/CapturePod.h"
#include "devicelink/FrameRun.h"
#include "devicelink/SerialLink.h"

namespace {

// A pod command's attempt waits for its answer as long as one can come, so
// that no two copies are ever answered at once.
long long PodCommandBound(int attempts, int addressPause, int reply)
{
    return static_cast<long long>(attempts) * (addressPause + FrameRun::ReplyLimitFor(addressPause, reply));
}

}  // namespace

long long FrameRunBound(int frames, int addressPause, int acknowledge)
{
    constexpr int Attempts = SerialLink::FrameAttempts;
    // As long as a reply may come, after its payload; a reply read in half
    // waits that long for its second byte.
    const long long replyLimit = FrameRun::ReplyLimitFor(addressPause, acknowledge);
    const long long attempt = addressPause + replyLimit;
    // A frame acknowledged while replies were owed then waits until they
    // can come no more; in doubt after that, it goes again, as often as a
    // run may send one frame again.
    const long long frame = Attempts * attempt + replyLimit;
    // What an earlier exchange owes is awaited first.
    return replyLimit + static_cast<long long>(frames) * (FrameRun::GoBacks + 1) * frame;
}

long long FindPodBound(const LinkWaits& waits, bool restart)
{
    // The probe bytes and the 'D' each pause; then the identity is awaited.
    const long long probeTry =
        static_cast<long long>(SerialLink::ProbeBytes.size() + 1) * waits.ProbeByte + waits.IdentityReply;
    long long bound = waits.Break + static_cast<long long>(SerialLink::ProbeRounds) *
                                        static_cast<long long>(SerialLink::ProbeSettings.size()) * probeTry;
    if (restart)
        bound += static_cast<long long>(SerialLink::ProbeRounds) * (waits.AddressPause + waits.RestartTime) +
                 FrameRunBound(1, waits.AddressPause, waits.Acknowledge);
    return bound;
}

long long DownloadBound(const LinkWaits& waits, int blocks)
{
    return FrameRunBound(blocks, waits.AddressPause, waits.Acknowledge);
}

long long CaptureBound(const CaptureDurations& durations)
{
    // The press, the timing, the release, the repeat press and its release.
    constexpr int Exchanges = 5;
    const long long exchange =
        PodCommandBound(CapturePod::Attempts, durations.AddressPauseMilliseconds, durations.AcknowledgeMilliseconds) +
        durations.CaptureWindowMilliseconds;
    return durations.Link.AfterOpen + FindPodBound(durations.Link, false) + Exchanges * exchange;
}

long long ReadCaptureMemoryBound(const CaptureDurations& durations)
{
    return CapturePod::Blocks *
           PodCommandBound(CapturePod::Attempts, durations.AddressPauseMilliseconds, durations.BlockReplyMilliseconds);
}

long long UploadCaptureBufferBound(const CaptureDurations& durations)
{
    return FrameRunBound(CapturePod::Blocks + 1, durations.AddressPauseMilliseconds,
                         durations.PlaybackAcknowledgeMilliseconds);
}
