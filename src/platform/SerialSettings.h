#pragma once

#include <string>
#include <string_view>

// A port's settings as the link writes them: "9600,o,8,1" is 9600 baud, odd
// parity, 8 data bits, 1 stop bit.
struct SerialSettings {
    enum class ParityKind { None, Even, Odd, Mark, Space };

    int baud = 9600;
    ParityKind parity = ParityKind::None;
    int dataBits = 8;
    int stopBits = 1;

    // Throws std::invalid_argument for text that is not a valid setting.
    static SerialSettings Parse(std::string_view text);
    std::string Text() const;
    // Bits one character occupies on the wire, start and stop bits included.
    int BitsPerCharacter() const;
    bool operator==(const SerialSettings&) const = default;
};
