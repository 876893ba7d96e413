#pragma once

#include "DeviceReplies.h"
#include "devicelink/LinkTimer.h"
#include "platform/SerialPort.h"

#include <vector>

// A port that is always there and opens at once; what it writes goes
// nowhere, and what it receives is put in by the caller.
class FuzzSerialPort final : public SerialPort {
public:
    bool Open() override
    {
        open_ = true;
        return true;
    }
    void Close() override
    {
        open_ = false;
        received_.clear();
    }
    bool IsOpen() const override { return open_; }
    using SerialPort::Output;
    void Output(const Bytes&) override {}
    Bytes Input() override
    {
        Bytes bytes;
        bytes.swap(received_);
        return bytes;
    }
    int InBufferCount() override { return static_cast<int>(received_.size()); }

    void Arrive(std::span<const uint8_t> bytes)
    {
        if (open_) received_.insert(received_.end(), bytes.begin(), bytes.end());
    }

protected:
    void ApplySettings(const SerialSettings&) override {}

private:
    bool open_ = false;
    Bytes received_;
};

// Time as the scripted line lets it pass.
struct VirtualClock {
    long long Milliseconds = 0;
};

// Virtual time for the link: every wait lasts one step, in which the device
// on the line sends its next reply and the running timer runs out, its whole
// time passing on the clock. A whole probe or download then costs no real
// time at all, and the clock says how long it would have taken at most.
class ScriptedLineTimer final : public LinkTimer {
public:
    ScriptedLineTimer(FuzzSerialPort& port, DeviceReplies& replies, VirtualClock& clock)
        : port_(port), replies_(replies), clock_(clock)
    {
    }

    void Start(int milliseconds) override
    {
        active_ = true;
        milliseconds_ = milliseconds;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    void WaitForEvents() override
    {
        port_.Arrive(replies_.Next());
        if (active_) clock_.Milliseconds += milliseconds_;
        active_ = false;
    }
    int64_t Now() const override { return clock_.Milliseconds; }

private:
    FuzzSerialPort& port_;
    DeviceReplies& replies_;
    VirtualClock& clock_;
    bool active_ = false;
    int milliseconds_ = 0;
};

// A window that stays open for its time while the line has more to say:
// each reply arrives a virtual millisecond after the last, and a silent line
// lets the rest of the window pass.
class ScriptedWindowTimer final : public LinkTimer {
public:
    ScriptedWindowTimer(FuzzSerialPort& port, DeviceReplies& replies, VirtualClock& clock)
        : port_(port), replies_(replies), clock_(clock)
    {
    }

    void Start(int milliseconds) override { closesAt_ = clock_.Milliseconds + milliseconds; }
    void Stop() override { closesAt_ = clock_.Milliseconds; }
    bool IsActive() const override { return clock_.Milliseconds < closesAt_; }
    void WaitForEvents() override
    {
        if (!IsActive()) return;
        const auto reply = replies_.Next();
        port_.Arrive(reply);
        clock_.Milliseconds = reply.empty() ? closesAt_ : clock_.Milliseconds + 1;
    }
    int64_t Now() const override { return clock_.Milliseconds; }

private:
    FuzzSerialPort& port_;
    DeviceReplies& replies_;
    VirtualClock& clock_;
    long long closesAt_ = 0;
};
