#include "model/ProjectorGlobals.h"

#include <cstdio>

namespace {

constexpr std::array<const char*, 22> CommandNames = {"Serial enable",
                                                      "Power on",
                                                      "Data 1",
                                                      "Data 2",
                                                      "Video",
                                                      "Blank",
                                                      "Volume up",
                                                      "Volume down",
                                                      "Power off",
                                                      "Serial disable",
                                                      "Serial enable reply",
                                                      "Power on reply",
                                                      "Data 1 reply",
                                                      "Data 2 reply",
                                                      "Video reply",
                                                      "Blank reply",
                                                      "Volume up reply",
                                                      "Volume down reply",
                                                      "Power off reply",
                                                      "Serial disable reply",
                                                      "External on",
                                                      "External off"};

constexpr std::array<const char*, 32> ControlNames = {
    "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "HT", "LF",  "VT",  "FF", "CR", "SO", "SI",
    "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM", "SUB", "ESC", "FS", "GS", "RS", "US"};

}  // namespace

void ProjectorGlobals::InitNameTables()
{
    for (std::size_t i = 0; i < CommandNames.size(); ++i) ProjectorCommandNames[i] = CommandNames[i];
    for (std::size_t i = 0; i < ControlNames.size(); ++i) ControlCodeNames[i] = ControlNames[i];
}

int16_t ControlCodeFromName(const std::string& name)
{
    for (std::size_t i = 0; i < ControlNames.size(); ++i) {
        if (name == ControlNames[i]) return static_cast<int16_t>(i);
    }
    return 0;
}

uint8_t BinaryTextToByte(const std::string& text)
{
    unsigned value = 0;
    for (char c : text) value = ((value << 1) + (c == '1' ? 1 : 0)) & 0xFF;
    return static_cast<uint8_t>(value);
}

std::string ByteToBinaryText(uint8_t value)
{
    if (value == 0) return "0";
    std::string digits;
    for (unsigned v = value; v != 0; v >>= 1) digits.insert(digits.begin(), (v & 1) ? '1' : '0');
    return digits;
}

std::string HexWord(int16_t value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(static_cast<uint16_t>(value)));
    return text;
}

std::string HexByte(int16_t value)
{
    std::string text = HexWord(value);
    if (text.size() == 1) text.insert(text.begin(), '0');
    return text;
}
