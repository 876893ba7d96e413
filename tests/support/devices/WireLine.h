#pragma once

#include "platform/SerialSettings.h"

#include <algorithm>
#include <chrono>

// One direction of a serial line on its own timing: a byte goes out once
// the line is free and has arrived one character time later, at the rate,
// parity and stop bits it was sent with.
class WireLine {
public:
    using Clock = std::chrono::steady_clock;

    static Clock::duration CharacterTime(const SerialSettings& settings)
    {
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(static_cast<double>(settings.BitsPerCharacter()) / settings.baud));
    }

    // When a byte put on the line at `from`, or as soon after as the line is
    // free, has arrived.
    Clock::time_point Carry(Clock::time_point from, const SerialSettings& settings)
    {
        free_ = std::max(free_, from) + CharacterTime(settings);
        return free_;
    }
    // Nothing is on the line from now on.
    void Clear() { free_ = Clock::now(); }

private:
    Clock::time_point free_{};
};
