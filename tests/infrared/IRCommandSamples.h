#pragma once

#include "model/IRCommandClass.h"

#include <cstdint>
#include <initializer_list>

// Writes element count, carrier period and elements into one part.
inline void SetPart(IRCommandClass& command, IRPart part, uint8_t count, uint8_t period,
                    std::initializer_list<uint8_t> elements)
{
    command.Data(part, 0, count);
    command.Data(part, 1, period);
    int i = 2;
    for (uint8_t element : elements) command.Data(part, i++, element);
}

// A command with both parts. Start: 40 kHz, pulsing 10, off 4, pulsing
// 127 127 20 (one run of 274), and a byte after the last element that must
// never show. Repeat: 50 kHz, an element count past the 128 bytes, pulsing
// 50, then 123 elements off 1, and a run of 127 127 in the very last bytes.
inline void MakeSampleCommand(IRCommandClass& command)
{
    command.Clear();
    command.Name("POWER");
    SetPart(command, IRPart::Start, 8, 125, {0x8A, 0x04, 0xFF, 0xFF, 0x94, 0xFF});
    command.Data(IRPart::Repeat, 0, 200);
    command.Data(IRPart::Repeat, 1, 100);
    command.Data(IRPart::Repeat, 2, 0x80 | 50);
    for (int i = 3; i <= 125; ++i) command.Data(IRPart::Repeat, i, 0x01);
    command.Data(IRPart::Repeat, 126, 0x7F);
    command.Data(IRPart::Repeat, 127, 0x7F);
    command.InterPeriod(IRPart::Start, 3);
    command.InterPeriod(IRPart::Repeat, 12);
    command.Mode(1);
}
