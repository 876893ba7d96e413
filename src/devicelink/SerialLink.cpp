#include "devicelink/SerialLink.h"

#include "devicelink/FrameRun.h"
#include "platform/UserPrompts.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QLoggingCategory>
#include <numeric>

namespace {

// Off by default; QT_LOGGING_RULES="tavlo.seriallink.debug=true" shows every
// byte sent and received when a controller misbehaves.
Q_LOGGING_CATEGORY(serialLinkLog, "tavlo.seriallink", QtInfoMsg)

QByteArray Hex(const SerialLink::Bytes& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())).toHex(' ');
}

}  // namespace

uint8_t IdentityByte(SerialLink::DeviceIdentity identity)
{
    return static_cast<uint8_t>(identity & 255);
}

int MajorVersion(SerialLink::DeviceIdentity identity)
{
    return static_cast<int>((identity >> 8) & 255);
}

int MinorVersion(SerialLink::DeviceIdentity identity)
{
    return static_cast<int>((identity >> 16) & 255);
}

SerialLink::SerialLink(SerialPort& port, const bool& abortWait, UserPrompts& prompts,
                       const DeviceTypeTable& deviceTypes, std::unique_ptr<LinkTimer> timer)
    : port_(port), abortWait_(abortWait), prompts_(prompts), deviceTypes_(deviceTypes), timer1_(std::move(timer))
{
}

uint8_t SerialLink::FrameChecksum(const uint8_t* bytes, std::size_t count)
{
    return static_cast<uint8_t>((255 - std::accumulate(bytes, bytes + count, 0)) & 255);
}

void SerialLink::ArmTimer(int milliseconds)
{
    timer1_->Stop();
    timer1_->Start(milliseconds);
}

bool SerialLink::WaitTimer(int milliseconds, bool abortable)
{
    if (abortable && abortWait_) return false;  // without yielding even once
    ArmTimer(milliseconds);
    while (timer1_->IsActive()) {
        timer1_->WaitForEvents();
        if (abortable && abortWait_) {
            timer1_->Stop();
            return false;
        }
    }
    return true;
}

bool SerialLink::AwaitReply(int byteCount)
{
    if (abortWait_) return false;
    while (timer1_->IsActive() && port_.InBufferCount() < byteCount) {
        timer1_->WaitForEvents();
        if (abortWait_) {
            timer1_->Stop();
            return false;
        }
    }
    timer1_->Stop();
    return true;
}

bool SerialLink::ReplyWait(int milliseconds, int byteCount)
{
    ArmTimer(milliseconds);
    return AwaitReply(byteCount);
}

void SerialLink::Output(const char* settings, const Bytes& bytes)
{
    port_.SetSettings(settings);
    Write(bytes);
}

void SerialLink::Write(const Bytes& bytes)
{
    qCDebug(serialLinkLog).noquote() << "COM" << port_.CommPort() << port_.Settings().Text().c_str() << "sent"
                                     << Hex(bytes);
    port_.Output(bytes);
}

SerialLink::Bytes SerialLink::Read(const char* what)
{
    Bytes bytes = port_.Input();
    if (!bytes.empty()) qCDebug(serialLinkLog).noquote() << "COM" << port_.CommPort() << what << Hex(bytes);
    return bytes;
}

std::optional<int> SerialLink::SendAddress(uint8_t address, int pauseMilliseconds)
{
    int thrownAway = Flush();
    Output(AddressSettings, {address});
    if (!WaitTimer(pauseMilliseconds, true) || Interrupted()) return std::nullopt;
    thrownAway += Flush();
    return thrownAway;
}

std::optional<SerialLink::Attempt> SerialLink::SendFrameOnce(uint8_t address, const Bytes& payload,
                                                             int pauseMilliseconds, int replyMilliseconds,
                                                             int halfReplyMilliseconds)
{
    if (Interrupted()) return std::nullopt;
    replyLimit_ = halfReplyMilliseconds;
    const std::optional<int> thrownAway = SendAddress(address, pauseMilliseconds);
    if (!thrownAway) return std::nullopt;
    Output(PayloadSettings, payload);
    const int64_t payloadSentAt = Now();
    ArmTimer(replyMilliseconds);
    QCoreApplication::processEvents();
    // The second byte of a reply read in half before comes first.
    const int lateHalf = HalfReplyPending() ? 1 : 0;
    if (!AwaitReply(2 + lateHalf) || Interrupted()) return std::nullopt;
    // An odd count is a reply read in half, which would be judged by the
    // wrong byte, or a first byte alone: its second byte is awaited as long
    // as a reply may come, so that it is not taken for the first byte of a
    // later reply.
    for (;;) {
        const int64_t halfLeft = payloadSentAt + halfReplyMilliseconds - Now();
        if ((port_.InBufferCount() - lateHalf) % 2 == 0 || halfLeft <= 0) break;
        if (!ReplyWait(static_cast<int>(halfLeft), port_.InBufferCount() + 1) || Interrupted()) return std::nullopt;
    }

    Attempt attempt{Attempt::Reply::None, *thrownAway, payloadSentAt};
    const Bytes reply = ReadReplies("received");
    // A byte still left alone has waited as long as its second could come.
    halfReply_ = false;
    if (reply.size() >= 2) {
        // The device answers in turn, so of whole replies the last is this
        // attempt's own; those before it answer earlier frames.
        const std::size_t own = reply.size() % 2 == 0 ? reply.size() - 2 : 0;
        attempt.reply = reply[own] == Acknowledgement ? Attempt::Reply::Acknowledged : Attempt::Reply::Refused;
        attempt.strayBytes += static_cast<int>(reply.size()) - 2;
        for (std::size_t first = 0; first + 1 < reply.size(); first += 2)
            attempt.strayRefusal = attempt.strayRefusal || (first != own && reply[first] != Acknowledgement);
    }
    return attempt;
}

bool SerialLink::HalfReplyPending() const
{
    return halfReply_ && Now() <= halfReplyUntil_;
}

SerialLink::Bytes SerialLink::ReadReplies(const char* what)
{
    Bytes bytes = Read(what);
    if (bytes.empty()) return bytes;
    if (HalfReplyPending()) bytes.erase(bytes.begin());
    halfReply_ = bytes.size() % 2 == 1;
    halfReplyUntil_ = Now() + replyLimit_;
    return bytes;
}

void SerialLink::OweReplies(int count, int64_t until)
{
    // Replies name no frame: while one is owed, the one still to come may
    // be that of any copy sent meanwhile, even of a frame that counts itself
    // answered, so the latest of them sets how long it may take.
    if (count <= 0 && owedReplies_ == 0) return;
    owedUntil_ = owedReplies_ > 0 ? std::max(owedUntil_, until) : until;
    owedReplies_ += std::max(count, 0);
}

std::optional<SerialLink::Bytes> SerialLink::AwaitOwedReplies(bool forget)
{
    if (owedReplies_ == 0) return Bytes{};
    const int64_t left = owedUntil_ - Now();
    if (left > 0 && (!ReplyWait(static_cast<int>(left), 2 * owedReplies_) || Interrupted())) return std::nullopt;
    if (forget) owedReplies_ = 0;
    return ReadReplies("owed");
}

bool SerialLink::AcknowledgedSend(uint8_t address, const Bytes& payload, const std::optional<FailureMessages>& messages)
{
    FrameRun run;
    run.address = address;
    run.count = 1;
    run.pauseMilliseconds = waits_.AddressPause;
    run.replyMilliseconds = waits_.Acknowledge;
    run.payload = [&payload](int) { return payload; };
    run.failureMessages = [&messages](int) { return messages; };
    return SendFrameRun(*this, run);
}

void SerialLink::TellFailure(const FailureMessages& messages, bool wrongReply)
{
    prompts_.Message(wrongReply ? messages.wrongReply : messages.noReply, messages.title, PromptButtons::Ok,
                     PromptIcon::Exclamation);
}

void SerialLink::send_break_pulse()
{
    if (Interrupted()) return;
    // At 110 baud the zero byte holds the line low for about 100 ms.
    Output(BreakSettings, {0x00});
    WaitTimer(waits_.Break, false);
}

SerialLink::DeviceIdentity SerialLink::Find_pod(bool& restart)
{
    owedReplies_ = 0;
    halfReply_ = false;
    send_break_pulse();
    bool anyReplySeen = false;
    for (int round = 0; round < ProbeRounds; ++round) {
        for (const char* settings : ProbeSettings) {
            if (Interrupted()) return 0;
            Read("discarded");
            port_.SetSettings(settings);
            for (const uint8_t byte : ProbeBytes) {
                Write({byte});
                WaitTimer(waits_.ProbeByte, false);
                if (Interrupted()) return 0;
            }
            Read("discarded");  // whatever the line echoed
            Write({uint8_t{'D'}});
            WaitTimer(waits_.ProbeByte, false);
            if (!ReplyWait(waits_.IdentityReply, 5) || Interrupted()) return 0;

            const int count = port_.InBufferCount();
            if (count < 4) continue;
            const std::size_t k = count > 5 ? static_cast<std::size_t>(count - 5) : 0;
            const Bytes reply = Read("received");
            anyReplySeen = true;
            if (reply.size() < k + 4) continue;  // the buffer grew between the two reads; never read past it
            const int sum = 1 + reply[k] + reply[k + 1] + reply[k + 2] + reply[k + 3];
            if ((sum & 255) != 0) continue;
            if (FindDeviceTypeByReply(deviceTypes_, reply[k]) == nullptr) continue;
            if (restart) restart_unit();
            return reply[k] + 256u * reply[k + 1] + 65536u * reply[k + 2];
        }
        if (!anyReplySeen) return 0;
        if (restart) dumb_restart_unit();
    }
    return 0;
}

bool SerialLink::dumb_restart_unit()
{
    if (Interrupted() || !SendAddress(RestartAddress, waits_.AddressPause).has_value()) return false;
    Output(PayloadSettings, {0xFF});
    // Time for the device to start again; nothing is read.
    WaitTimer(waits_.RestartTime, true);
    return false;
}

bool SerialLink::restart_unit()
{
    return AcknowledgedSend(RestartAddress, {0xFF},
                            FailureMessages{"Reply fail to restart", "No reply to restart", "Error!"});
}

void SerialLink::set_active_port(std::optional<int> chosenRow)
{
    owedReplies_ = 0;
    halfReply_ = false;
    if (port_.IsOpen()) port_.Close();
    if (!chosenRow) return;
    port_.SetCommPort(*chosenRow + 1);
    if (port_.Open()) WaitTimer(waits_.AfterOpen, false);
}
