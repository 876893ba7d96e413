#pragma once

#include "support/devices/SimulatedSerialPort.h"

#include <cstdint>
#include <vector>

// A device that talks on its own, whenever the test says, and hears nothing.
class TalkingDevice final : public SimulatedDevice {
public:
    void Say(const std::vector<uint8_t>& bytes) { Send(bytes); }

protected:
    void Received(uint8_t, const SerialSettings&) override {}
};
