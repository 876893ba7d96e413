#include "support/devices/VirtualLine.h"

#include <algorithm>

namespace {

class VirtualLineTimer final : public LinkTimer {
public:
    explicit VirtualLineTimer(VirtualLine& line) : line_(line) {}

    void Start(int milliseconds) override
    {
        active_ = true;
        endsAt_ = line_.Now() + milliseconds;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_ && line_.Now() < endsAt_; }
    void WaitForEvents() override
    {
        if (IsActive()) line_.AdvanceTowards(endsAt_);
    }
    int64_t Now() const override { return line_.Now(); }

private:
    VirtualLine& line_;
    bool active_ = false;
    int64_t endsAt_ = 0;
};

}  // namespace

void VirtualLine::Send(uint8_t byte, int64_t after)
{
    int64_t due = now_ + after;
    if (InOrder) due = std::max(due, lastDue_);
    lastDue_ = std::max(lastDue_, due);
    due_.emplace(due, byte);
}

std::unique_ptr<LinkTimer> VirtualLine::MakeTimer()
{
    return std::make_unique<VirtualLineTimer>(*this);
}

bool VirtualLine::AdvanceTowards(int64_t time)
{
    const bool arrives = !due_.empty() && due_.begin()->first <= time;
    now_ = std::max(now_, arrives ? due_.begin()->first : time);
    while (!due_.empty() && due_.begin()->first <= now_) {
        if (open_) received_.push_back(due_.begin()->second);
        due_.erase(due_.begin());
    }
    return arrives;
}

bool VirtualLine::Open()
{
    open_ = true;
    return true;
}

void VirtualLine::Close()
{
    open_ = false;
    received_.clear();
}

void VirtualLine::Output(const Bytes& bytes)
{
    if (!open_ || bytes.empty()) return;
    if (Settings().parity == SerialSettings::ParityKind::Odd) {
        address_ = bytes.back();
        return;
    }
    if (!address_) return;
    const Frame frame{*address_, bytes};
    address_.reset();
    if (FrameHeard) FrameHeard(frame);
}

SerialPort::Bytes VirtualLine::Input()
{
    Bytes bytes;
    bytes.swap(received_);
    return bytes;
}

VirtualDevice::VirtualDevice(VirtualLine& line, Policy policy) : line_(line), policy_(std::move(policy))
{
    line_.FrameHeard = [this](const VirtualLine::Frame& frame) { Heard(frame); };
}

bool VirtualDevice::Kept(uint8_t address, const SerialPort::Bytes& payload) const
{
    return kept_.contains({address, payload});
}

int VirtualDevice::CarriedOut(uint8_t address, const SerialPort::Bytes& payload) const
{
    const auto found = carriedOut_.find({address, payload});
    return found == carriedOut_.end() ? 0 : found->second;
}

void VirtualDevice::Heard(const VirtualLine::Frame& frame)
{
    const Key key{frame.address, frame.payload};
    ++framesHeard_;
    const Answer answer = policy_(frame, ++heard_[key]);
    if (answer.kind == Kind::Silent) return;
    ++carriedOut_[key];
    if (answer.kind == Kind::Acknowledge || answer.kind == Kind::Lost) ++kept_[key];
    if (answer.kind == Kind::Lost) return;
    line_.Send(answer.kind == Kind::Acknowledge ? 0xF0 : 0x0F, answer.lateness);
    line_.Send(0x00, answer.lateness + answer.secondByteAfter);
}
