#include "support/devices/SimulatedCapturePod.h"

#include <numeric>

namespace {

constexpr uint8_t StartCapture = 0x11;
constexpr uint8_t ReadTiming = 0x88;
constexpr uint8_t ReadStatus = 0x55;
constexpr uint8_t CaptureRepeat = 0x33;
constexpr uint8_t Play = 0x99;
constexpr uint8_t ReadMemoryBlock = 0x77;
constexpr int ParameterPacket = 0x20;

bool SumsToFF(const std::vector<uint8_t>& bytes)
{
    return (std::accumulate(bytes.begin(), bytes.end(), 0) & 255) == 255;
}

std::vector<uint8_t> Complemented(uint8_t b0)
{
    return {b0, static_cast<uint8_t>(~b0), 0x00};
}

}  // namespace

SimulatedCapturePod::Tamper SimulatedCapturePod::SilentBeforeAttempt(uint8_t address, uint8_t command, int attempt)
{
    return [=](const Frame& frame, int n, Answer& answer) {
        if (frame.address == address && !frame.payload.empty() && frame.payload[0] == command && n < attempt)
            answer = Answer{};
    };
}

SimulatedCapturePod::Memory SimulatedCapturePod::SampleMemory()
{
    Memory memory{};
    for (std::size_t half = 0; half < 2; ++half)
        for (std::size_t i = 0; i < 128; ++i) memory[half][i] = static_cast<uint8_t>(half * 128 + i * 7 + 3);
    return memory;
}

SimulatedCapturePod::Bytes SimulatedCapturePod::Commands() const
{
    Bytes commands;
    for (const Frame& frame : frames_)
        if (frame.address == CommandAddress) commands.push_back(frame.payload[0]);
    return commands;
}

void SimulatedCapturePod::LineOpened()
{
    inFrame_ = false;
    probeMatched_ = 0;
    answers_.LineOpened();
}

std::size_t SimulatedCapturePod::PayloadLength(uint8_t address)
{
    switch (address) {
    case CommandAddress: return 3;
    case PlaybackAddress: return 10;
    case RestartAddress: return 1;
    default: return 0;
    }
}

void SimulatedCapturePod::Received(uint8_t byte, const SerialSettings& settings)
{
    if (FramingByContent && ReceivedByContent(byte)) return;
    if (!FramingByContent) {
        if (settings.baud <= 300) {  // the break pulse
            inFrame_ = false;
            probeMatched_ = 0;
            return;
        }
        const bool at9600 = settings.baud == 9600;
        if (at9600 && settings.parity == SerialSettings::ParityKind::Odd) {
            inFrame_ = PayloadLength(byte) > 0;
            current_ = Frame{byte, {}};
            probeMatched_ = 0;
            return;
        }
        if (at9600 && settings.parity == SerialSettings::ParityKind::Even) {
            if (inFrame_) PayloadByte(byte);
            return;
        }
        if (settings.baud != ProbeBaud) {
            probeMatched_ = 0;
            return;
        }
    }
    ReceivedProbeByte(byte);
}

bool SimulatedCapturePod::ReceivedByContent(uint8_t byte)
{
    if (inFrame_) {
        PayloadByte(byte);
        return true;
    }
    // The probe ends in 'D', which is also the command address.
    if (probeMatched_ + 1 == ProbeSequence.size() && byte == ProbeSequence.back()) return false;
    if (PayloadLength(byte) == 0) return false;
    inFrame_ = true;
    current_ = Frame{byte, {}};
    probeMatched_ = 0;
    return true;
}

void SimulatedCapturePod::ReceivedProbeByte(uint8_t byte)
{
    if (byte != ProbeSequence[probeMatched_]) {
        probeMatched_ = byte == ProbeSequence[0] ? 1 : 0;
        return;
    }
    if (++probeMatched_ < ProbeSequence.size()) return;
    probeMatched_ = 0;
    ++probesHeard_;
    if (Silent) return;
    Send({Identity, Major, Minor, static_cast<uint8_t>(255 - Identity - Major - Minor)});
}

void SimulatedCapturePod::PayloadByte(uint8_t byte)
{
    if (current_.payload.empty()) answers_.PayloadBegins();
    current_.payload.push_back(byte);
    if (current_.payload.size() == PayloadLength(current_.address)) {
        inFrame_ = false;
        FrameComplete();
    }
}

void SimulatedCapturePod::FrameComplete()
{
    attempt_ = !frames_.empty() && frames_.back() == current_ ? attempt_ + 1 : 1;
    frames_.push_back(current_);
    if (Silent || !SumsToFF(current_.payload)) return;
    std::chrono::milliseconds lateBy{};
    const FaultedAnswers::Answer faulted = answers_.AnswerTo(Faults, FaultFrame(), lateBy);
    if (faulted == FaultedAnswers::Answer::Silent) return;
    Answer answer = faulted == FaultedAnswers::Answer::Refuse ? Answer{{0x0F, 0x00}, {}, {}} : AnswerTo(current_);
    if (Tampering) Tampering(current_, attempt_, answer);
    const bool acknowledges = !answer.Immediate.empty() && answer.Immediate.front() == Acknowledgement.front();
    if (acknowledges) Acknowledged(current_);
    const Milliseconds late = Lateness ? Lateness(current_) : Milliseconds{};
    if (acknowledges && faulted == FaultedAnswers::Answer::Late)
        answers_.AcknowledgeLate(Faults, answer.Immediate, lateBy);
    else if (!answer.Immediate.empty())
        Send(answer.Immediate, ReplyDelay + late);
    if (!answer.Later.empty() && answer.LaterAfter) Send(answer.Later, *answer.LaterAfter + late);
}

std::optional<int> SimulatedCapturePod::FaultFrame() const
{
    if (current_.address == PlaybackAddress) return current_.payload[0];
    if (current_.address == CommandAddress && current_.payload[0] == Play) return ReplyFaults::Play;
    return std::nullopt;
}

SimulatedCapturePod::Answer SimulatedCapturePod::AnswerTo(const Frame& frame)
{
    switch (frame.address) {
    case RestartAddress: repeatPhase_ = false; return Answer{Acknowledgement, {}, {}};
    case PlaybackAddress: return Answer{Acknowledgement, {}, {}};
    default: return AnswerCommand(frame.payload[0], frame.payload[1]);
    }
}

SimulatedCapturePod::Answer SimulatedCapturePod::AnswerCommand(uint8_t command, uint8_t argument)
{
    const auto later = [](std::optional<Milliseconds> after) -> std::optional<Milliseconds> {
        if (!after) return std::nullopt;
        return std::max(*after, AcknowledgementGap);
    };
    switch (command) {
    case StartCapture: repeatPhase_ = false; return Answer{Acknowledgement, Complemented(0x5A), later(PressAfter)};
    case CaptureRepeat: repeatPhase_ = true; return Answer{Acknowledgement, Complemented(0x5B), later(PressAfter)};
    case ReadTiming: {
        const Bytes timing{Timing0, Timing1, static_cast<uint8_t>(255 - Timing0 - Timing1), 0x00};
        return Answer{Acknowledgement, timing, AcknowledgementGap};
    }
    case ReadStatus: {
        const uint8_t status = repeatPhase_ ? StatusAfterRepeat : (RemoteRepeats ? 0x06 : 0x07);
        return Answer{Acknowledgement, Complemented(status), later(ReleaseAfter)};
    }
    case Play: return Answer{Acknowledgement, {}, {}};
    case ReadMemoryBlock:
        if (argument >= 32) return Answer{};
        return Answer{BlockReply(argument), {}, {}};
    default: return Answer{};
    }
}

SimulatedCapturePod::Bytes SimulatedCapturePod::BlockReply(int block) const
{
    const auto& part = Recorded[static_cast<std::size_t>(block / 16)];
    Bytes reply;
    reply.reserve(14);
    reply.push_back(0xF0);
    reply.push_back(0x0D);
    reply.push_back(static_cast<uint8_t>(block));
    for (int i = 0; i < 8; ++i) reply.push_back(part[static_cast<std::size_t>(8 * (block % 16) + i)]);
    reply.push_back(0x00);  // a byte the sum covers and the PC ignores
    const int sum = std::accumulate(reply.begin() + 2, reply.end(), 0);
    reply.push_back(static_cast<uint8_t>((255 - sum) & 255));
    reply.push_back(0x00);
    return reply;
}

void SimulatedCapturePod::Acknowledged(const Frame& frame)
{
    if (frame.address == RestartAddress) ++restarts_;
    if (frame.address == PlaybackAddress) TakePacket(frame.payload);
    if (frame.address == CommandAddress && frame.payload[0] == Play) ++plays_;
}

void SimulatedCapturePod::TakePacket(const Bytes& packet)
{
    const int n = packet[0];
    if (n == ParameterPacket) {
        playedTiming_ = {packet[1], packet[2]};
    } else if (n < 32) {
        auto& part = played_[static_cast<std::size_t>(n / 16)];
        std::copy(packet.begin() + 1, packet.begin() + 9, part.begin() + 8 * (n % 16));
    }
    packets_.push_back(n);
}
