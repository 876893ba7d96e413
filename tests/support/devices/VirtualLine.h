#pragma once

#include "devicelink/LinkTimer.h"
#include "platform/SerialPort.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// A serial line in virtual time: the link's waits pass on the line's own
// clock, at once in real time, and what the device sends arrives when the
// clock says. Time moves only while the link waits, to the next byte due or
// to the end of the wait, whichever comes first, so every timing of replies
// against reply windows can be tried, exactly and repeatably.
//
// The PC's bytes reach the device as frames: an address written under odd
// parity, then the payload in one write under even parity.
class VirtualLine final : public SerialPort {
public:
    struct Frame {
        uint8_t address = 0;
        Bytes payload;
    };
    // Told of each frame the moment its payload is written.
    std::function<void(const Frame& frame)> FrameHeard;
    // Replies never overtake one another: one due before an earlier one
    // arrives right after it.
    bool InOrder = false;

    int64_t Now() const { return now_; }
    // A byte from the device, arriving after the given time from now.
    void Send(uint8_t byte, int64_t after);
    // The timer of a link on this line.
    std::unique_ptr<LinkTimer> MakeTimer();
    // Lets time pass to the next byte due, or to the given time; false when
    // nothing is due by then.
    bool AdvanceTowards(int64_t time);

    bool Open() override;
    void Close() override;
    bool IsOpen() const override { return open_; }
    using SerialPort::Output;
    void Output(const Bytes& bytes) override;
    Bytes Input() override;
    int InBufferCount() override { return static_cast<int>(received_.size()); }

protected:
    void ApplySettings(const SerialSettings&) override {}

private:
    int64_t now_ = 0;
    int64_t lastDue_ = 0;
    bool open_ = false;
    std::optional<uint8_t> address_;
    Bytes received_;
    std::multimap<int64_t, uint8_t> due_;
};

// A device on a virtual line that answers every copy of a frame as its
// policy says: acknowledged (F0 00), refused (0F 00) or never, each after a
// lateness of its own, the second byte possibly later still; or it takes
// the frame and its acknowledgement is lost on the line. It keeps a frame
// only when it acknowledges it, and carries out every copy it reads,
// answered or not.
class VirtualDevice {
public:
    enum class Kind { Acknowledge, Refuse, Silent, Lost };
    struct Answer {
        Kind kind = Kind::Acknowledge;
        int64_t lateness = 0;
        int64_t secondByteAfter = 0;  // after the first
    };
    // copy counts the copies of the same frame heard so far, from 1.
    using Policy = std::function<Answer(const VirtualLine::Frame& frame, int copy)>;

    VirtualDevice(VirtualLine& line, Policy policy);

    bool Kept(uint8_t address, const SerialPort::Bytes& payload) const;
    // Copies of the frame read (answered or not, but never a silent one).
    int CarriedOut(uint8_t address, const SerialPort::Bytes& payload) const;
    // Copies of every frame heard, silent ones included.
    int FramesHeard() const { return framesHeard_; }

private:
    using Key = std::pair<uint8_t, SerialPort::Bytes>;

    void Heard(const VirtualLine::Frame& frame);

    VirtualLine& line_;
    Policy policy_;
    std::map<Key, int> heard_;
    std::map<Key, int> carriedOut_;
    std::map<Key, int> kept_;
    int framesHeard_ = 0;
};
