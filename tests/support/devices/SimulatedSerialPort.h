#pragma once

#include "platform/SerialPort.h"
#include "support/devices/WireLine.h"

#include <QTimer>
#include <chrono>
#include <functional>
#include <map>
#include <vector>

class SimulatedSerialPort;

// A device on the far end of a simulated port. It hears every byte with the
// settings it was written under and answers through Send.
class SimulatedDevice {
public:
    struct HeardByte {
        uint8_t byte;
        SerialSettings settings;
    };

    using ReplyLine = std::function<void(const std::vector<uint8_t>& bytes, std::chrono::milliseconds delay)>;

    virtual ~SimulatedDevice();

    const std::vector<HeardByte>& Heard() const { return heard_; }

    // For a device on a line of its own (a pseudo-terminal, say) rather than
    // on a simulated port: bytes arrive through Hear, answers leave by the line.
    void AttachToLine(ReplyLine line) { line_ = std::move(line); }
    void Hear(uint8_t byte, const SerialSettings& settings);

protected:
    virtual void Received(uint8_t byte, const SerialSettings& settings) = 0;
    // The port was opened or closed by the PC.
    virtual void LineOpened() {}

    // Bytes to the PC, starting after the given delay.
    void Send(const std::vector<uint8_t>& bytes, std::chrono::milliseconds delay = {});

private:
    friend class SimulatedSerialPort;

    SimulatedSerialPort* port_ = nullptr;
    ReplyLine line_;
    std::vector<HeardByte> heard_;
};

// The simulated ports COM1, COM2, ...: a port exists once it has been added,
// with or without a device on it. Without wire timing every byte reaches the
// other end at once (a reply with a delay still waits for it); with wire
// timing each byte takes its time on the line at its own settings, as on a
// real cable.
class SimulatedSerialPort final : public SerialPort {
public:
    SimulatedSerialPort();
    ~SimulatedSerialPort() override;

    void AddPort(int commPort, SimulatedDevice* device = nullptr);
    // The port is gone (unplugged); an open port stays open until closed.
    void RemovePort(int commPort);
    void SetWireTiming(bool on) { wireTiming_ = on; }
    // How many times a port was opened; an absent port counts its attempts too.
    int OpenAttempts(int commPort) const;

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
    friend class SimulatedDevice;
    using Clock = std::chrono::steady_clock;
    // Sent: the device puts a byte on the line, which carries it on.
    enum class Kind { ToDevice, Sent, ToPc };
    struct Event {
        Kind kind;
        uint8_t byte;
        SerialSettings settings;
    };

    SimulatedDevice* Device() const;
    void DeviceSends(SimulatedDevice* device, const std::vector<uint8_t>& bytes, std::chrono::milliseconds delay);
    void CarryToPc(Clock::time_point sent, uint8_t byte);
    void Schedule(Clock::time_point when, Event event);
    void ArmDeliveryTimer();
    void Deliver(Clock::time_point due, const Event& event);
    void DeliverDue();

    std::map<int, SimulatedDevice*> ports_;
    std::map<int, int> openAttempts_;
    bool open_ = false;
    bool wireTiming_ = false;
    Bytes received_;
    std::multimap<Clock::time_point, Event> pending_;
    WireLine toDevice_;
    WireLine toPc_;
    QTimer deliveryTimer_;
};
