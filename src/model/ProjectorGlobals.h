#pragma once

#include <array>
#include <cstdint>
#include <string>

// The process-wide name tables, filled once at start-up by InitNameTables.
struct ProjectorGlobals {
    std::array<std::string, 22> ProjectorCommandNames;
    std::array<std::string, 32> ControlCodeNames;

    void InitNameTables();
};

// 0 to 31 for one of the control-code mnemonics (exact case); 0 otherwise.
int16_t ControlCodeFromName(const std::string& name);
// Binary digits read from the left; any character but '1' is a 0 digit and
// only the last eight digits survive.
uint8_t BinaryTextToByte(const std::string& text);
// Binary digits without leading zeros; "0" for zero.
std::string ByteToBinaryText(uint8_t value);
// Upper-case hexadecimal without leading zeros; negatives as 16-bit two's complement.
std::string HexWord(int16_t value);
// As HexWord, with a leading "0" when there is a single digit.
std::string HexByte(int16_t value);
