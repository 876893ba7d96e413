#pragma once

#include "devicelink/LinkTimer.h"
#include "devicelink/LinkWaits.h"
#include "model/DeviceTypes.h"
#include "platform/SerialPort.h"

#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class UserPrompts;

// The frame, probe and restart operations on one owner's serial port. Every
// wait arms the owner's timer and yields to the window loop; an abortable
// wait ends as soon as the owner's abort flag is set, and once the flag is
// set (or the port has been closed under it) no operation writes again.
class SerialLink {
public:
    using Bytes = SerialPort::Bytes;

    // What the user is told when a frame fails its fourth attempt.
    struct FailureMessages {
        QString wrongReply;
        QString noReply;
        QString title;
    };

    // Bits 0-7 identity byte, 8-15 major and 16-23 minor version; 0 for none.
    using DeviceIdentity = uint32_t;

    static constexpr char AddressSettings[] = "9600,o,8,1";
    static constexpr char PayloadSettings[] = "9600,e,8,1";
    static constexpr char BreakSettings[] = "110,n,8,2";
    static constexpr uint8_t Acknowledgement = 0xF0;
    static constexpr uint8_t RestartAddress = 0x33;
    // A frame is sent up to four times.
    static constexpr int FrameAttempts = 4;
    // The probe tries every rate in turn, in up to three rounds; each try
    // sends these bytes and then 'D', each followed by a pause.
    static constexpr int ProbeRounds = 3;
    static constexpr std::array<const char*, 7> ProbeSettings{
        "9600,n,8,2", "38400,n,8,2", "28800,n,8,2", "19200,n,8,2", "14400,n,8,2", "4800,n,8,2", "2400,n,8,2"};
    static constexpr std::array<uint8_t, 6> ProbeBytes{0xFF, 'S', 'E', 'T', 'P', 'O'};

    // The waits run on the window loop unless another timer is given.
    SerialLink(SerialPort& port, const bool& abortWait, UserPrompts& prompts, const DeviceTypeTable& deviceTypes,
               std::unique_ptr<LinkTimer> timer = std::make_unique<WindowLoopTimer>());
    SerialLink(const SerialLink&) = delete;
    SerialLink& operator=(const SerialLink&) = delete;

    SerialPort& Port() { return port_; }
    void SetWaits(const LinkWaits& waits) { waits_ = waits; }
    const LinkWaits& Waits() const { return waits_; }
    // The abort flag is set, or the port was closed while an operation ran.
    bool Interrupted() const { return abortWait_ || !port_.IsOpen(); }

    // The waits; each returns false when the abort flag ended it.
    bool WaitTimer(int milliseconds, bool abortable);
    bool ReplyWait(int milliseconds, int byteCount);

    // One frame with up to four attempts, as a run of one (FrameRun.h). The
    // caller's messages, if any, are shown after the fourth failure.
    bool AcknowledgedSend(uint8_t address, const Bytes& payload, const std::optional<FailureMessages>& messages);
    // A frame's address byte and the pause before its payload. The input is
    // emptied before the address and again at the end of the pause: a reply
    // that has come before the payload goes out answers an earlier frame.
    // The number of bytes thrown away; none when the abort flag or a closed
    // port ended the pause.
    std::optional<int> SendAddress(uint8_t address, int pauseMilliseconds);

    // What one attempt of a frame brought back: its reply, and how many
    // bytes came that are no reply of its own, those thrown away before its
    // payload and those waiting beyond its two-byte reply.
    struct Attempt {
        enum class Reply { Acknowledged, Refused, None };
        Reply reply = Reply::None;
        int strayBytes = 0;
        int64_t payloadSentAt = 0;  // on the link's clock
        bool strayRefusal = false;  // a reply beyond its own refused a frame
    };
    // The address, the pause, the payload and the wait for a reply of two
    // bytes, judged by the last whole reply waiting; none when the abort
    // flag or a closed port ended a wait. A reply's second byte is awaited
    // until halfReplyMilliseconds after the payload.
    std::optional<Attempt> SendFrameOnce(uint8_t address, const Bytes& payload, int pauseMilliseconds,
                                         int replyMilliseconds, int halfReplyMilliseconds);

    // Replies that attempts given up on may still send, and the time on the
    // link's clock after which none of them can come any more. An
    // acknowledgement that comes while one is owed may be that reply rather
    // than the answer to the frame just sent. A new conversation (a port
    // chosen, a probe) owes nothing.
    int OwedReplies() const { return owedReplies_; }
    // Told after every frame: the replies it leaves owed (maybe none), and
    // when the reply of its last copy can come no more.
    void OweReplies(int count, int64_t until);
    // Replies owed may still come, or a reply's second byte: the bytes read
    // now may be out of step with the replies they belong to.
    bool RepliesMayBeOutOfStep() const { return (owedReplies_ > 0 && Now() < owedUntil_) || HalfReplyPending(); }
    // Pays what it can; the rest of the count was owed by nobody.
    void PayOwedReplies(int count) { owedReplies_ = std::max(0, owedReplies_ - count); }
    // Waits until every owed reply has come or none should come any more,
    // and reads what came; none when the abort flag or a closed port ended
    // the wait. Owing nothing, it reads nothing. With forget, nothing is
    // owed afterwards.
    std::optional<Bytes> AwaitOwedReplies(bool forget);
    int64_t Now() const { return timer1_->Now(); }
    // The message for a frame's fourth failure: a wrong reply or none.
    void TellFailure(const FailureMessages& messages, bool wrongReply);

    void send_break_pulse();
    DeviceIdentity Find_pod(bool& restart);
    bool dumb_restart_unit();
    bool restart_unit();
    // Closes the port, then opens COM(row + 1) when a row is chosen.
    void set_active_port(std::optional<int> chosenRow);

    // Reading the replies waiting and discarding them; the number of bytes
    // discarded.
    int Flush() { return static_cast<int>(ReadReplies("discarded").size()); }
    // Writes under the given settings; every exchange passes here or Read,
    // so the diagnostics log sees it whole.
    void Output(const char* settings, const Bytes& bytes);
    Bytes Read(const char* what);
    // Reads what came as replies of two bytes. A reply read in half has its
    // second byte still on the line: until it can come no more, the first
    // byte that comes is taken as that byte and left out, so that it is not
    // taken for the first byte of a reply.
    Bytes ReadReplies(const char* what);
    // The last byte that makes a payload sum to 0xFF.
    static uint8_t FrameChecksum(const uint8_t* bytes, std::size_t count);

private:
    void ArmTimer(int milliseconds);
    // Until the timer has run out or byteCount bytes wait; false on abort.
    bool AwaitReply(int byteCount);
    void Write(const Bytes& bytes);

    SerialPort& port_;
    const bool& abortWait_;
    UserPrompts& prompts_;
    const DeviceTypeTable& deviceTypes_;
    std::unique_ptr<LinkTimer> timer1_;
    LinkWaits waits_;
    bool HalfReplyPending() const;

    int owedReplies_ = 0;
    int64_t owedUntil_ = 0;
    int replyLimit_ = 0;          // how long after its payload the last frame's reply may come
    bool halfReply_ = false;      // the last reply read was its first byte alone
    int64_t halfReplyUntil_ = 0;  // until when its second byte may come
};

uint8_t IdentityByte(SerialLink::DeviceIdentity identity);
int MajorVersion(SerialLink::DeviceIdentity identity);
int MinorVersion(SerialLink::DeviceIdentity identity);
