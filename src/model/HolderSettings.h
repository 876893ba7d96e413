#pragma once

#include <cstdint>
#include <optional>

class ApplicationState;

// The port settings of the place a message goes to, chosen by the message's
// SerialType: the controller port, the library or the projector being edited.
struct HolderSettings {
    int16_t Baudrate = 0;
    int16_t Parity = 0;
    int16_t InterByteDelay = 0;
};

// Nothing for a SerialType that has no holder.
std::optional<HolderSettings> ReadHolderSettings(const ApplicationState& state, int16_t serialType);
// Writes the holder's settings; false, and nothing written, when it has none.
bool WriteHolderSettings(ApplicationState& state, int16_t serialType, const HolderSettings& settings);
