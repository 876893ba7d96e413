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

// Virtual time for the link: every wait lasts one step, in which the device
// on the line sends its next reply and the running timer runs out. A whole
// probe or download then costs no real time at all.
class ScriptedLineTimer final : public LinkTimer {
public:
    ScriptedLineTimer(FuzzSerialPort& port, DeviceReplies& replies) : port_(port), replies_(replies) {}

    void Start(int) override { active_ = true; }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    void WaitForEvents() override
    {
        port_.Arrive(replies_.Next());
        active_ = false;
    }

private:
    FuzzSerialPort& port_;
    DeviceReplies& replies_;
    bool active_ = false;
};
