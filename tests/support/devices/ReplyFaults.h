#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

// How late each copy of a frame is acknowledged, in order: the first copy's
// delay, then the second's... A zero delay is an answer at once.
struct LateCopies {
    LateCopies() = default;
    // One delay alone is the usual fault, at the first copy.
    LateCopies(std::chrono::milliseconds first) : each{first} {}
    LateCopies(std::initializer_list<std::chrono::milliseconds> delays) : each(delays) {}

    std::vector<std::chrono::milliseconds> each;
};

// Faults a simulated device puts into its answers to numbered frames (the
// controller's image blocks, the capture pod's playback packets): a late
// acknowledgement (the frame is taken, its acknowledgement goes out only
// after its copy's delay) or, the first time it hears the frame, a refusal
// (0F 00). A silent frame is one the device cannot read: never taken nor
// answered, however often it comes. The controller's restart is frame
// Restart, the capture pod's play command frame Play.
struct ReplyFaults {
    static constexpr int Restart = -1;
    static constexpr int Play = -2;

    std::map<int, LateCopies> late;
    std::set<int> refused;
    // A late acknowledgement whose delay has passed waits for the next
    // payload to begin and goes out with it, where it is most easily taken
    // for that frame's answer; with refuseMet that frame is refused.
    bool lateMeetsPayload = false;
    bool refuseMet = false;
    std::set<int> silent;
    // The copies of a late frame past its delays are acknowledged as late as
    // the last of them, as by a device slow to store that frame, rather than
    // at once.
    bool lateEveryCopy = false;

    // How late the given copy of a frame, from 0, is acknowledged.
    std::chrono::milliseconds LateBy(int frame, int copy) const;

    // For a device in a helper process: "--late N:MS[,MS...]", "--refuse N",
    // "--meet-payload", "--refuse-met", "--silent N", "--late-every-copy".
    // Arguments that are no fault are left in `rest`; a fault without its
    // number throws std::invalid_argument.
    static ReplyFaults FromArguments(const std::vector<std::string>& arguments, std::vector<std::string>& rest);
    std::vector<std::string> Arguments() const;
};

// How a device answers numbered frames under its faults: a refusal fires
// once, a late frame counts its copies, and a late acknowledgement that
// meets payloads is held for one.
class FaultedAnswers {
public:
    using Bytes = std::vector<uint8_t>;
    using SendLine = std::function<void(const Bytes& bytes, std::chrono::milliseconds delay)>;
    enum class Answer { Acknowledge, Refuse, Late, Silent };

    explicit FaultedAnswers(SendLine send) : send_(std::move(send)) {}

    // The first byte of a payload has come: held acknowledgements that are
    // due go out now, and this frame is the one they met.
    void PayloadBegins();
    // How to answer the frame just completed; its number, if it has one.
    // For Late, `lateBy` is how late.
    Answer AnswerTo(const ReplyFaults& faults, std::optional<int> frame, std::chrono::milliseconds& lateBy);
    // The acknowledgement of a frame answered Late.
    void AcknowledgeLate(const ReplyFaults& faults, const Bytes& acknowledgement, std::chrono::milliseconds delay);
    // The line was opened again: nothing is held.
    void LineOpened();

private:
    using Clock = std::chrono::steady_clock;

    SendLine send_;
    std::map<int, int> lateCopiesHeard_;
    std::set<int> refusedFired_;
    std::multimap<Clock::time_point, Bytes> held_;
    bool met_ = false;
};
