#pragma once

#include "platform/SerialSettings.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The far end of a pseudo-terminal pair, on which a helper process plays a
// simulated device for the end-to-end tests of the system serial port. The
// near end is held open and raw, so that the terminal lives on between the
// opens of the test and nothing is echoed before the test's own set-up.
class PtyFarEnd {
public:
    PtyFarEnd() = default;
    PtyFarEnd(const PtyFarEnd&) = delete;
    PtyFarEnd& operator=(const PtyFarEnd&) = delete;
    ~PtyFarEnd();

    // Opens the pair and prints the near end's path for the test to open;
    // false when no terminal could be had.
    bool Open();

    // Writes every byte, retrying an interrupted write; false when the
    // terminal refuses them.
    bool Write(const std::vector<uint8_t>& bytes) const;

    // Hands every byte that arrives to `hear` until the standard input
    // closes (true) or waiting fails (false). `nextWait`, when given, runs
    // before each wait and returns its limit (none: no limit).
    using NextWait = std::function<std::optional<std::chrono::nanoseconds>()>;
    bool Serve(const std::function<void(uint8_t)>& hear, const NextWait& nextWait = {}) const;

    // The settings the PC has set on the terminal: its rate, parity and
    // stop bits, though the terminal itself carries no parity.
    SerialSettings LineSettings() const;

private:
    int master_ = -1;
    int held_ = -1;
    std::string nearEnd_;
};
