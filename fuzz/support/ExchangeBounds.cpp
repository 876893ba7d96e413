#include "ExchangeBounds.h"

#include "devicelink/CapturePod.h"
#include "devicelink/SerialLink.h"

namespace {

long long FrameBound(int attempts, int addressPause, int acknowledge)
{
    return static_cast<long long>(attempts) * (addressPause + acknowledge);
}

}  // namespace

long long FindPodBound(const LinkWaits& waits, bool restart)
{
    // The probe bytes and the 'D' each pause; then the identity is awaited.
    const long long probeTry =
        static_cast<long long>(SerialLink::ProbeBytes.size() + 1) * waits.ProbeByte + waits.IdentityReply;
    long long bound = waits.Break + static_cast<long long>(SerialLink::ProbeRounds) *
                                        static_cast<long long>(SerialLink::ProbeSettings.size()) * probeTry;
    if (restart)
        bound += static_cast<long long>(SerialLink::ProbeRounds) * (waits.AddressPause + waits.RestartTime) +
                 FrameBound(SerialLink::FrameAttempts, waits.AddressPause, waits.Acknowledge);
    return bound;
}

long long DownloadBound(const LinkWaits& waits, int blocks)
{
    return blocks * FrameBound(SerialLink::FrameAttempts, waits.AddressPause, waits.Acknowledge);
}

long long CaptureBound(const CaptureDurations& durations)
{
    // The press, the timing, the release, the repeat press and its release.
    constexpr int Exchanges = 5;
    const long long exchange =
        FrameBound(CapturePod::Attempts, durations.AddressPauseMilliseconds, durations.AcknowledgeMilliseconds) +
        durations.CaptureWindowMilliseconds;
    return durations.Link.AfterOpen + FindPodBound(durations.Link, false) + Exchanges * exchange;
}

long long ReadCaptureMemoryBound(const CaptureDurations& durations)
{
    return CapturePod::Blocks *
           FrameBound(CapturePod::Attempts, durations.AddressPauseMilliseconds, durations.BlockReplyMilliseconds);
}

long long UploadCaptureBufferBound(const CaptureDurations& durations)
{
    return (CapturePod::Blocks + 1) * FrameBound(CapturePod::Attempts, durations.AddressPauseMilliseconds,
                                                 durations.PlaybackAcknowledgeMilliseconds);
}
