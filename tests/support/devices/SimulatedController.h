#pragma once

#include "support/devices/ReplyFaults.h"
#include "support/devices/SimulatedSerialPort.h"

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

// A Tavlo controller on a simulated line. It wakes on the probe at one baud
// rate and answers with its identity and version, acknowledges image blocks
// and keeps what they carry, and acknowledges the restart frame. A frame's
// address byte is the byte that travels with odd parity at 9600 baud; on a
// line that carries no parity (a pseudo-terminal) it frames by content.
// Tests make it silent, wrong, late, or answer only on a later attempt, by
// a policy or by faults at numbered blocks (which a helper process can take
// from its arguments).
class SimulatedController final : public SimulatedDevice {
public:
    // Wrong refuses the frame (0F 00); Truncated sends the acknowledgement's
    // first byte alone; Late takes the frame but acknowledges it only after
    // LateReplyDelay.
    enum class Answer { Acknowledge, Wrong, Silent, Truncated, Late };
    struct Frame {
        uint8_t address = 0;
        std::vector<uint8_t> payload;
        bool operator==(const Frame&) const = default;
    };
    // How to answer a complete frame; attempt counts the same frame heard
    // again in a row, from 1.
    using FramePolicy = std::function<Answer(const Frame& frame, int attempt)>;

    static constexpr uint8_t BlockAddress = 0x11;
    static constexpr uint8_t RestartAddress = 0x33;
    static constexpr std::size_t ImageCapacity = 8192;

    // Answers nothing before the given attempt, then acknowledges.
    static FramePolicy AcknowledgeOnAttempt(int attempt, Answer before = Answer::Silent);

    // Behaviour, changeable at any time.
    int ProbeBaud = 9600;
    uint8_t Identity = 50;
    uint8_t Major = 1;
    uint8_t Minor = 0;
    bool ProbeChecksumWrong = false;
    std::vector<uint8_t> ProbeReplyPrefix;  // extra bytes before the identity reply
    std::vector<uint8_t> ProbeReplySuffix;  // and after it
    int ProbeAnswersFrom = 1;               // the n-th complete probe at its baud is the first answered
    int ProbeCorrectFrom = 1;               // answers before the n-th carry a wrong checksum
    bool Silent = false;
    std::chrono::milliseconds ReplyDelay{0};
    std::chrono::milliseconds LateReplyDelay{700};
    // A refusal's second byte comes this much after its first, so that it
    // can be read in half.
    std::chrono::milliseconds RefusalSecondByteDelay{0};
    FramePolicy FrameAnswer;  // empty: acknowledge every frame whose checksum is right, but for Faults
    ReplyFaults Faults;  // at block numbers and the restart; a late acknowledgement meeting a payload meets any frame's
    bool FramingByContent = false;

    // What it has seen.
    const std::array<uint8_t, ImageCapacity>& Image() const { return image_; }
    const std::vector<Frame>& Frames() const { return frames_; }
    int ProbesHeard() const { return probesHeard_; }
    int ProbesAnswered() const { return probesAnswered_; }
    int Restarts() const { return restarts_; }
    int BreaksHeard() const { return breaks_; }
    // Blocks acknowledged, in order, repeated blocks included.
    const std::vector<int>& BlocksStored() const { return blocksStored_; }

protected:
    void Received(uint8_t byte, const SerialSettings& settings) override;
    void LineOpened() override;

private:
    static constexpr std::array<uint8_t, 7> ProbeSequence{0xFF, 'S', 'E', 'T', 'P', 'O', 'D'};

    bool IsAddress(uint8_t byte, const SerialSettings& settings) const;
    static std::size_t PayloadLength(uint8_t address);
    void ReceivedProbeByte(uint8_t byte, const SerialSettings& settings);
    void FrameComplete();
    void AnswerProbe();
    void Reply(const std::vector<uint8_t>& bytes);
    std::optional<int> BlockNumber() const;  // of the frame just heard
    std::optional<int> FaultFrame() const;   // its number among the faults: the block, or Restart
    Answer AnswerFrame(std::chrono::milliseconds& lateBy);

    std::array<uint8_t, ImageCapacity> image_{};
    std::vector<Frame> frames_;
    std::vector<int> blocksStored_;
    bool inFrame_ = false;
    Frame current_;
    std::size_t probeMatched_ = 0;
    int probesHeard_ = 0;
    int probesAnswered_ = 0;
    int restarts_ = 0;
    int breaks_ = 0;
    int attempt_ = 0;
    FaultedAnswers answers_{
        [this](const FaultedAnswers::Bytes& bytes, std::chrono::milliseconds delay) { Send(bytes, delay); }};
};
