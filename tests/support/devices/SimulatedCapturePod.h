#pragma once

#include "support/devices/ReplyFaults.h"
#include "support/devices/SimulatedSerialPort.h"

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

// An IR capture pod on a simulated line. It wakes on the probe and answers
// with its identity, acknowledges command frames (address 0x44) and then,
// at least 50 ms later, sends what the command asks for: the remote's
// button pressed, the timing, the status after the release, a memory
// block. It keeps the packets of a playback (address 0x55) and counts play
// commands and restarts. On a line without parity it frames by content.
// Tests change any answer through Tampering: silence, wrong bytes, late
// bytes, an answer only on the n-th attempt; and put faults at numbered
// playback packets and the play command (which a helper process can take
// from its arguments).
class SimulatedCapturePod final : public SimulatedDevice {
public:
    using Bytes = std::vector<uint8_t>;
    using Milliseconds = std::chrono::milliseconds;
    using Memory = std::array<std::array<uint8_t, 128>, 2>;  // blocks 0-15, then 16-31

    struct Frame {
        uint8_t address = 0;
        Bytes payload;
        bool operator==(const Frame&) const = default;
    };
    // What the pod sends about one frame: Immediate after ReplyDelay (the
    // acknowledgement, or a memory block), then Later after the delay;
    // no delay means never.
    struct Answer {
        Bytes Immediate;
        Bytes Later;
        std::optional<Milliseconds> LaterAfter;
    };
    // Sees the pod's own answer to a frame and may change it; attempt counts
    // the same frame heard again in a row, from 1.
    using Tamper = std::function<void(const Frame& frame, int attempt, Answer& answer)>;

    static constexpr uint8_t CommandAddress = 0x44;
    static constexpr uint8_t PlaybackAddress = 0x55;
    static constexpr uint8_t RestartAddress = 0x33;
    static constexpr Milliseconds AcknowledgementGap{50};
    static inline const Bytes Acknowledgement{0xF0, 0x00};

    // Tampering that keeps a command (or, for address 0x55, a packet number)
    // silent before the given attempt.
    static Tamper SilentBeforeAttempt(uint8_t address, uint8_t command, int attempt);
    // Distinct bytes in every block, so a block in the wrong place shows.
    static Memory SampleMemory();

    // Behaviour, changeable at any time.
    int ProbeBaud = 9600;
    uint8_t Identity = 0x77;
    uint8_t Major = 2;
    uint8_t Minor = 5;
    bool Silent = false;
    Milliseconds ReplyDelay{0};                                   // before the acknowledgement or the memory block
    std::optional<Milliseconds> PressAfter = Milliseconds(60);    // none: the button is never pressed
    std::optional<Milliseconds> ReleaseAfter = Milliseconds(60);  // none: never released
    bool RemoteRepeats = false;                                   // the first status asks for the repeat part
    uint8_t StatusAfterRepeat = 0x01;
    uint8_t Timing0 = 0x2A;
    uint8_t Timing1 = 0x3C;
    Memory Recorded = SampleMemory();
    Tamper Tampering;
    // How much later still the pod answers each frame it reads, after
    // ReplyDelay: the whole answer, what follows the acknowledgement
    // included. None: no later.
    std::function<Milliseconds(const Frame& frame)> Lateness;
    ReplyFaults Faults;  // at playback packet numbers and Play; a late one meeting a payload meets any frame's
    bool FramingByContent = false;

    // What it has seen.
    const std::vector<Frame>& Frames() const { return frames_; }
    // The command bytes of the command frames, in order.
    Bytes Commands() const;
    const Memory& Played() const { return played_; }
    const std::array<uint8_t, 2>& PlayedTiming() const { return playedTiming_; }
    // Packet numbers acknowledged, in order, repeats included.
    const std::vector<int>& PacketsAcknowledged() const { return packets_; }
    int Plays() const { return plays_; }
    int Restarts() const { return restarts_; }
    int ProbesHeard() const { return probesHeard_; }

protected:
    void Received(uint8_t byte, const SerialSettings& settings) override;
    void LineOpened() override;

private:
    static constexpr std::array<uint8_t, 7> ProbeSequence{0xFF, 'S', 'E', 'T', 'P', 'O', 'D'};

    static std::size_t PayloadLength(uint8_t address);
    bool ReceivedByContent(uint8_t byte);
    void ReceivedProbeByte(uint8_t byte);
    void PayloadByte(uint8_t byte);
    void FrameComplete();
    std::optional<int> FaultFrame() const;  // the number of the frame just heard among the faults
    Answer AnswerTo(const Frame& frame);
    Answer AnswerCommand(uint8_t command, uint8_t argument);
    // What an acknowledged frame did.
    void Acknowledged(const Frame& frame);
    void TakePacket(const Bytes& packet);
    Bytes BlockReply(int block) const;

    std::vector<Frame> frames_;
    Frame current_;
    bool inFrame_ = false;
    std::size_t probeMatched_ = 0;
    int attempt_ = 0;
    bool repeatPhase_ = false;
    Memory played_{};
    std::array<uint8_t, 2> playedTiming_{};
    std::vector<int> packets_;
    int plays_ = 0;
    int restarts_ = 0;
    int probesHeard_ = 0;
    FaultedAnswers answers_{[this](const Bytes& bytes, Milliseconds delay) { Send(bytes, delay); }};
};
