#include "devicelink/CapturePod.h"

#include "devicelink/CaptureLayout.h"
#include "devicelink/FrameRun.h"
#include "devicelink/LinkTimer.h"
#include "platform/UserPrompts.h"

namespace {

constexpr uint8_t BlockReplyMarker = 0xF0;
constexpr uint8_t BlockReplyLengthByte = 0x0D;

// The press, release and status replies: b1 is b0's complement.
bool ComplementedPair(const SerialLink::Bytes& reply)
{
    return reply.size() >= 2 && (reply[0] ^ reply[1]) == 0xFF;
}

// The timing reply: its first three bytes sum to 0xFF.
bool TimingSum(const SerialLink::Bytes& reply)
{
    return reply.size() >= 3 && ((1 + reply[0] + reply[1] + reply[2]) & 255) == 0;
}

bool Acknowledged(const SerialLink::Bytes& reply)
{
    return !reply.empty() && reply.front() == SerialLink::Acknowledgement;
}

}  // namespace

CapturePod::CapturePod(SerialLink& link, CaptureFlags& flags, CaptureView& view, UserPrompts& prompts,
                       const CaptureDurations& durations, LinkTimer& captureWindow)
    : link_(link), flags_(flags), view_(view), prompts_(prompts), durations_(durations), captureWindow_(captureWindow)
{
}

bool CapturePod::OpenChosenPort()
{
    link_.set_active_port(view_.CheckedPortRow());
    if (link_.Port().IsOpen()) return true;
    prompts_.Message("Port not open", "Error!", PromptButtons::Ok, PromptIcon::None);
    return false;
}

void CapturePod::StartCaptureWindow()
{
    captureWindow_.Stop();
    captureWindow_.Start(durations_.CaptureWindowMilliseconds);
}

bool CapturePod::CaptureWindowOpen() const
{
    return captureWindow_.IsActive();
}

bool CapturePod::SendPodCommand(int command, int argument)
{
    const auto commandByte = static_cast<uint8_t>(command);
    const auto argumentByte = static_cast<uint8_t>(argument);
    const auto checksum = static_cast<uint8_t>((255 - commandByte - argumentByte) & 255);
    if (commandByte == Play) {
        // Answered by its acknowledgement alone, so it can go as a run of one
        // and a playback packet's late reply cannot stand for it. The other
        // commands are followed by data that a wait for a late reply would take.
        FrameRun run;
        run.address = CommandAddress;
        run.count = 1;
        run.pauseMilliseconds = durations_.AddressPauseMilliseconds;
        run.replyMilliseconds = durations_.AcknowledgeMilliseconds;
        run.once = true;  // a toggle such as POWER must not be pressed twice
        run.payload = [&](int) { return SerialLink::Bytes{commandByte, argumentByte, checksum}; };
        return SendFrameRun(link_, run);
    }
    // The pod answers and acts on every copy it reads, the data that follows
    // included, and nothing tells one copy's answer from another's: a copy
    // goes again only once the last can no longer be answered.
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        if (link_.Interrupted() || !link_.SendAddress(CommandAddress, durations_.AddressPauseMilliseconds).has_value())
            return false;
        link_.Output(SerialLink::PayloadSettings, {commandByte, argumentByte, checksum});
        if (!link_.ReplyWait(ReplyLimit(durations_.AcknowledgeMilliseconds), 2) || link_.Interrupted()) return false;
        if (Acknowledged(link_.Read("received"))) return true;
    }
    return false;
}

int CapturePod::ReplyLimit(int replyMilliseconds) const
{
    return FrameRun::ReplyLimitFor(durations_.AddressPauseMilliseconds, replyMilliseconds);
}

CapturePod::Wait CapturePod::CaptureWait(int byteCount)
{
    StartCaptureWindow();
    SerialPort& port = link_.Port();
    while (captureWindow_.IsActive() && port.InBufferCount() < byteCount && !flags_.CaptureCancelled) {
        if (link_.Interrupted()) return Wait::Aborted;
        captureWindow_.WaitForEvents();
    }
    if (link_.Interrupted()) return Wait::Aborted;
    if (!captureWindow_.IsActive()) return Wait::WindowClosed;
    if (flags_.CaptureCancelled) return Wait::Cancelled;
    return Wait::Arrived;
}

CaptureOutcome CapturePod::Failure() const
{
    return link_.Interrupted() ? CaptureOutcome::Aborted : CaptureOutcome::Failed;
}

CaptureOutcome CapturePod::Exchange(uint8_t command, int byteCount, bool (*check)(const SerialLink::Bytes&),
                                    SerialLink::Bytes& reply, CapturePanel hideAfterWait)
{
    if (!SendPodCommand(command, 0)) return Failure();
    switch (CaptureWait(byteCount)) {
    case Wait::Aborted: return CaptureOutcome::Aborted;
    case Wait::WindowClosed: return CaptureOutcome::WindowClosed;
    case Wait::Cancelled: return CaptureOutcome::Cancelled;
    case Wait::Arrived: break;
    }
    if (hideAfterWait != CapturePanel::None) view_.ShowPanel(CapturePanel::None);
    reply = link_.Read("received");
    return check(reply) ? CaptureOutcome::Captured : CaptureOutcome::Failed;
}

CaptureOutcome CapturePod::CaptureRemoteButton(ConfigIRCommandRecord& record)
{
    flags_.PodNotFound = false;
    flags_.CaptureCancelled = false;
    if (!OpenChosenPort()) {
        flags_.PodNotFound = true;  // nothing to restart
        return CaptureOutcome::PortNotOpen;
    }
    bool restart = false;
    if (link_.Find_pod(restart) == 0) {
        if (link_.Interrupted()) return CaptureOutcome::Aborted;
        prompts_.Message("Capture pod failed to reply", "Error!", PromptButtons::Ok, PromptIcon::None);
        flags_.PodNotFound = true;
        return CaptureOutcome::PodNotFound;
    }

    SerialLink::Bytes reply;
    view_.ShowPanel(CapturePanel::Press);
    CaptureOutcome outcome = Exchange(StartCapture, 3, ComplementedPair, reply, CapturePanel::None);
    if (outcome != CaptureOutcome::Captured) return outcome;
    outcome = Exchange(ReadTiming, 4, TimingSum, reply, CapturePanel::None);
    if (outcome != CaptureOutcome::Captured) return outcome;
    record.InterPeriod[CaptureSlot(IRPart::Start)] = reply[0];
    record.InterPeriod[CaptureSlot(IRPart::Repeat)] = reply[1];

    view_.ShowPanel(CapturePanel::Release);
    outcome = Exchange(ReadStatus, 3, ComplementedPair, reply, CapturePanel::Release);
    if (outcome != CaptureOutcome::Captured) return outcome;
    if ((reply[0] & 7) == 7) {  // the remote sends no repeat code
        flags_.RepeatCaptured = false;
        return CaptureOutcome::Captured;
    }

    view_.ShowPanel(CapturePanel::Press);
    outcome = Exchange(CaptureRepeat, 3, ComplementedPair, reply, CapturePanel::Press);
    if (outcome != CaptureOutcome::Captured) return outcome;
    view_.ShowPanel(CapturePanel::Release);
    outcome = Exchange(ReadStatus, 3, ComplementedPair, reply, CapturePanel::Release);
    if (outcome != CaptureOutcome::Captured) return outcome;
    if (reply[0] == 0) return CaptureOutcome::Failed;
    flags_.RepeatCaptured = true;
    return CaptureOutcome::Captured;
}

bool CapturePod::ReadBlock(int n, ConfigIRCommandRecord& record)
{
    const SerialLink::Bytes reply = link_.Read("received");
    if (reply.size() != BlockReplyLength) return false;
    int sum = 1;
    for (std::size_t i = 2; i <= 12; ++i) sum += reply[i];
    if ((sum & 255) != 0 || reply[0] != BlockReplyMarker || reply[1] != BlockReplyLengthByte || reply[2] != n)
        return false;
    auto& part = record.Data[static_cast<std::size_t>(n / 16)];
    std::copy(reply.begin() + 3, reply.begin() + 11, part.begin() + 8 * (n % 16));
    return true;
}

bool CapturePod::ReadCaptureMemory(ConfigIRCommandRecord& record)
{
    for (int n = 0; n < Blocks; ++n) {
        bool stored = false;
        for (int attempt = 0; attempt < Attempts && !stored; ++attempt) {
            view_.SetProgress(n);
            if (link_.Interrupted() ||
                !link_.SendAddress(CommandAddress, durations_.AddressPauseMilliseconds).has_value())
                return false;
            const auto block = static_cast<uint8_t>(n);
            link_.Output(SerialLink::PayloadSettings,
                         {ReadMemoryBlock, block, static_cast<uint8_t>((255 - ReadMemoryBlock - block) & 255)});
            if (!link_.ReplyWait(ReplyLimit(durations_.BlockReplyMilliseconds), BlockReplyLength) ||
                link_.Interrupted())
                return false;
            stored = ReadBlock(n, record);
        }
        if (!stored) return false;
    }
    return true;
}

CapturePod::Packet CapturePod::PlaybackPacket(const ConfigIRCommandRecord& record, int n)
{
    Packet packet{};
    packet[0] = static_cast<uint8_t>(n);
    if (n == ParameterPacket) {
        packet[1] = record.InterPeriod[CaptureSlot(IRPart::Start)];
        packet[2] = record.InterPeriod[CaptureSlot(IRPart::Repeat)];
    } else {
        const auto& part = record.Data[static_cast<std::size_t>(n / 16)];
        std::copy_n(part.begin() + 8 * (n % 16), 8, packet.begin() + 1);
    }
    packet[9] = SerialLink::FrameChecksum(packet.data(), 9);
    return packet;
}

bool CapturePod::UploadCaptureBuffer(const ConfigIRCommandRecord& record)
{
    FrameRun run;
    run.address = PlaybackAddress;
    run.count = Blocks + 1;  // the data packets, then the parameter packet
    run.pauseMilliseconds = durations_.AddressPauseMilliseconds;
    run.replyMilliseconds = durations_.PlaybackAcknowledgeMilliseconds;
    run.payload = [&record](int n) {
        const Packet packet = PlaybackPacket(record, n < Blocks ? n : ParameterPacket);
        return SerialLink::Bytes(packet.begin(), packet.end());
    };
    return SendFrameRun(link_, run);
}
