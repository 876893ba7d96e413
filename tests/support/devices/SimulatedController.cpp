#include "support/devices/SimulatedController.h"

#include <numeric>

namespace {

bool SumsToFF(const std::vector<uint8_t>& bytes)
{
    return (std::accumulate(bytes.begin(), bytes.end(), 0) & 255) == 255;
}

}  // namespace

SimulatedController::FramePolicy SimulatedController::AcknowledgeOnAttempt(int attempt, Answer before)
{
    return [attempt, before](const Frame&, int n) { return n >= attempt ? Answer::Acknowledge : before; };
}

void SimulatedController::LineOpened()
{
    inFrame_ = false;
    probeMatched_ = 0;
    answers_.LineOpened();
}

bool SimulatedController::IsAddress(uint8_t byte, const SerialSettings& settings) const
{
    if (FramingByContent) return !inFrame_ && PayloadLength(byte) > 0;
    return settings.baud == 9600 && settings.parity == SerialSettings::ParityKind::Odd;
}

std::size_t SimulatedController::PayloadLength(uint8_t address)
{
    switch (address) {
    case BlockAddress: return 11;
    case RestartAddress: return 1;
    default: return 0;
    }
}

void SimulatedController::Received(uint8_t byte, const SerialSettings& settings)
{
    if (settings.baud <= 300) {  // the break pulse only wakes the line
        ++breaks_;
        inFrame_ = false;
        probeMatched_ = 0;
        return;
    }
    if (IsAddress(byte, settings)) {
        inFrame_ = PayloadLength(byte) > 0;  // frames for other devices are not ours
        current_ = Frame{byte, {}};
        probeMatched_ = 0;
        return;
    }
    const bool payloadByte =
        FramingByContent ? inFrame_ : settings.baud == 9600 && settings.parity == SerialSettings::ParityKind::Even;
    if (payloadByte) {
        if (!inFrame_) return;
        if (current_.payload.empty()) answers_.PayloadBegins();
        current_.payload.push_back(byte);
        if (current_.payload.size() == PayloadLength(current_.address)) {
            inFrame_ = false;
            FrameComplete();
        }
        return;
    }
    ReceivedProbeByte(byte, settings);
}

void SimulatedController::ReceivedProbeByte(uint8_t byte, const SerialSettings& settings)
{
    // At another rate the controller's UART sees noise, never the probe.
    if (!FramingByContent && settings.baud != ProbeBaud) {
        probeMatched_ = 0;
        return;
    }
    if (byte == ProbeSequence[probeMatched_]) {
        if (++probeMatched_ == ProbeSequence.size()) {
            probeMatched_ = 0;
            AnswerProbe();
        }
    } else {
        probeMatched_ = byte == ProbeSequence[0] ? 1 : 0;
    }
}

void SimulatedController::AnswerProbe()
{
    ++probesHeard_;
    if (Silent || probesHeard_ < ProbeAnswersFrom) return;
    ++probesAnswered_;
    std::vector<uint8_t> reply = ProbeReplyPrefix;
    const bool wrong = ProbeChecksumWrong || probesAnswered_ < ProbeCorrectFrom;
    const uint8_t checksum = static_cast<uint8_t>(255 - Identity - Major - Minor + (wrong ? 1 : 0));
    reply.insert(reply.end(), {Identity, Major, Minor, checksum});
    reply.insert(reply.end(), ProbeReplySuffix.begin(), ProbeReplySuffix.end());
    Reply(reply);
}

std::optional<int> SimulatedController::BlockNumber() const
{
    if (current_.address != BlockAddress) return std::nullopt;
    return current_.payload[0] * 256 + current_.payload[1];
}

std::optional<int> SimulatedController::FaultFrame() const
{
    if (current_.address == RestartAddress) return ReplyFaults::Restart;
    return BlockNumber();
}

SimulatedController::Answer SimulatedController::AnswerFrame(std::chrono::milliseconds& lateBy)
{
    const std::optional<int> frame = FaultFrame();
    std::chrono::milliseconds faultLateBy{};
    const FaultedAnswers::Answer faulted = answers_.AnswerTo(Faults, frame, faultLateBy);
    lateBy = LateReplyDelay;
    if (FrameAnswer) return FrameAnswer(current_, attempt_);
    switch (faulted) {
    case FaultedAnswers::Answer::Refuse: return Answer::Wrong;
    case FaultedAnswers::Answer::Silent: return Answer::Silent;
    case FaultedAnswers::Answer::Late: lateBy = faultLateBy; return Answer::Late;
    case FaultedAnswers::Answer::Acknowledge: break;
    }
    return Answer::Acknowledge;
}

void SimulatedController::FrameComplete()
{
    attempt_ = !frames_.empty() && frames_.back() == current_ ? attempt_ + 1 : 1;
    frames_.push_back(current_);
    if (!SumsToFF(current_.payload) || Silent) return;
    std::chrono::milliseconds lateBy{};
    const Answer answer = AnswerFrame(lateBy);
    if (answer == Answer::Silent) return;
    if (answer == Answer::Wrong || answer == Answer::Truncated) {
        Reply(answer == Answer::Wrong ? std::vector<uint8_t>{0x0F, 0x00} : std::vector<uint8_t>{0xF0});
        return;
    }
    if (const std::optional<int> block = BlockNumber()) {
        const std::size_t start = static_cast<std::size_t>(*block) * 8;
        if (start + 8 <= ImageCapacity) {
            std::copy(current_.payload.begin() + 2, current_.payload.begin() + 10,
                      image_.begin() + static_cast<long>(start));
            blocksStored_.push_back(*block);
        }
    } else {
        ++restarts_;
    }
    if (answer == Answer::Late)
        answers_.AcknowledgeLate(Faults, {0xF0, 0x00}, lateBy);
    else
        Send({0xF0, 0x00}, ReplyDelay);
}

void SimulatedController::Reply(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() != 2 || RefusalSecondByteDelay.count() == 0) return Send(bytes, ReplyDelay);
    Send({bytes.front()}, ReplyDelay);
    Send({bytes.back()}, ReplyDelay + RefusalSecondByteDelay);
}
