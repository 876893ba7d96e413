#include "support/devices/SimulatedSerialPort.h"

SimulatedDevice::~SimulatedDevice()
{
    if (port_ != nullptr) {
        for (auto& [number, device] : port_->ports_)
            if (device == this) device = nullptr;
    }
}

void SimulatedDevice::Send(const std::vector<uint8_t>& bytes, std::chrono::milliseconds delay)
{
    if (line_)
        line_(bytes, delay);
    else if (port_ != nullptr)
        port_->DeviceSends(this, bytes, delay);
}

void SimulatedDevice::Hear(uint8_t byte, const SerialSettings& settings)
{
    heard_.push_back({byte, settings});
    Received(byte, settings);
}

SimulatedSerialPort::SimulatedSerialPort()
{
    deliveryTimer_.setSingleShot(true);
    deliveryTimer_.setTimerType(Qt::PreciseTimer);
    connect(&deliveryTimer_, &QTimer::timeout, this, [this] { DeliverDue(); });
}

SimulatedSerialPort::~SimulatedSerialPort()
{
    for (auto& [number, device] : ports_)
        if (device != nullptr) device->port_ = nullptr;
}

void SimulatedSerialPort::AddPort(int commPort, SimulatedDevice* device)
{
    ports_[commPort] = device;
    if (device != nullptr) device->port_ = this;
}

void SimulatedSerialPort::RemovePort(int commPort)
{
    const auto found = ports_.find(commPort);
    if (found == ports_.end()) return;
    if (found->second != nullptr) found->second->port_ = nullptr;
    ports_.erase(found);
}

int SimulatedSerialPort::OpenAttempts(int commPort) const
{
    const auto found = openAttempts_.find(commPort);
    return found == openAttempts_.end() ? 0 : found->second;
}

SimulatedDevice* SimulatedSerialPort::Device() const
{
    const auto found = ports_.find(CommPort());
    return found == ports_.end() ? nullptr : found->second;
}

bool SimulatedSerialPort::Open()
{
    if (open_) return true;
    ++openAttempts_[CommPort()];
    if (!ports_.contains(CommPort())) return false;
    open_ = true;
    received_.clear();
    toDevice_.Clear();
    toPc_.Clear();
    if (SimulatedDevice* device = Device()) device->LineOpened();
    return true;
}

void SimulatedSerialPort::Close()
{
    open_ = false;
    pending_.clear();
    deliveryTimer_.stop();
    received_.clear();
}

void SimulatedSerialPort::Output(const Bytes& bytes)
{
    if (!open_) return;
    for (const uint8_t byte : bytes) {
        const Event event{Kind::ToDevice, byte, Settings()};
        if (!wireTiming_) {
            Deliver(Clock::now(), event);
            if (!open_) return;
            continue;
        }
        Schedule(toDevice_.Carry(Clock::now(), event.settings), event);
    }
}

void SimulatedSerialPort::DeviceSends(SimulatedDevice* device, const std::vector<uint8_t>& bytes,
                                      std::chrono::milliseconds delay)
{
    if (!open_ || device != Device()) return;
    if (!wireTiming_ && delay.count() == 0) {
        received_.insert(received_.end(), bytes.begin(), bytes.end());
        return;
    }
    const Clock::time_point start = Clock::now() + delay;
    for (const uint8_t byte : bytes) {
        if (!wireTiming_)
            Schedule(start, Event{Kind::ToPc, byte, Settings()});
        else if (delay.count() > 0)
            Schedule(start, Event{Kind::Sent, byte, Settings()});
        else
            CarryToPc(start, byte);
    }
}

// A late answer takes the line only when it goes, so that an answer decided
// on later but sent sooner can overtake it. The device answers at the
// settings the PC's port has at that moment.
void SimulatedSerialPort::CarryToPc(Clock::time_point sent, uint8_t byte)
{
    const SerialSettings settings = Settings();
    Schedule(toPc_.Carry(sent, settings), Event{Kind::ToPc, byte, settings});
}

void SimulatedSerialPort::Schedule(Clock::time_point when, Event event)
{
    pending_.emplace(when, event);
    ArmDeliveryTimer();
}

void SimulatedSerialPort::ArmDeliveryTimer()
{
    if (pending_.empty()) return;
    // The timer counts whole milliseconds: rounding to the nearest one, and
    // delivering what falls due within half of one, keeps the line's timing
    // right on average instead of late by half a millisecond at every hop.
    const auto wait = std::chrono::round<std::chrono::milliseconds>(pending_.begin()->first - Clock::now());
    deliveryTimer_.start(std::max<std::chrono::milliseconds>(wait, std::chrono::milliseconds(0)));
}

void SimulatedSerialPort::Deliver(Clock::time_point due, const Event& event)
{
    switch (event.kind) {
    case Kind::ToDevice:
        if (SimulatedDevice* device = Device()) device->Hear(event.byte, event.settings);
        break;
    case Kind::Sent: CarryToPc(due, event.byte); break;
    case Kind::ToPc: received_.push_back(event.byte); break;
    }
}

void SimulatedSerialPort::DeliverDue()
{
    const auto horizon = Clock::now() + std::chrono::microseconds(500);
    while (open_ && !pending_.empty() && pending_.begin()->first <= horizon) {
        const auto [due, event] = *pending_.begin();
        pending_.erase(pending_.begin());
        Deliver(due, event);
    }
    ArmDeliveryTimer();
}

SerialPort::Bytes SimulatedSerialPort::Input()
{
    Bytes bytes;
    bytes.swap(received_);
    return bytes;
}
