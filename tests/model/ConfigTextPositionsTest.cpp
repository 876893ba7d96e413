// Every one of the 41,450 lines checked at the position the format gives it,
// worked out here by arithmetic on the positions rather than by walking the
// writer's own order, so that a value written in the wrong place shows.
#include "model/ConfigText.h"
#include "support/ConfigurationSamples.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Field(const std::string& text, std::size_t width)
{
    return '"' + text + std::string(width - text.size(), ' ') + '"';
}
std::string Flag(bool value)
{
    return value ? "#TRUE#" : "#FALSE#";
}
uint8_t ByteOf(int value)
{
    return static_cast<uint8_t>(value & 0xFF);
}

// Lines by 1-based position; every position must be given exactly once.
class ExpectedLines {
public:
    void At(int position, const std::string& line)
    {
        ASSERT_GE(position, 1);
        ASSERT_LE(position, ConfigText::ValueCount);
        std::string& slot = lines_[static_cast<std::size_t>(position - 1)];
        EXPECT_TRUE(slot.empty()) << "position " << position << " given twice";
        slot = line;
    }
    void At(int position, int number) { At(position, std::to_string(number)); }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_ = std::vector<std::string>(ConfigText::ValueCount);
};

void SetScalars(ConfigurationRecord& r, ExpectedLines& e)
{
    e.At(1, 1);
    e.At(2, 0);
    e.At(3, 17);
    r.QuilmarDraventEnabled = true;
    e.At(4, Flag(true));
    e.At(5, Flag(false));
    for (int i = 0; i < 51; ++i) r.MeshloAddressTable[static_cast<std::size_t>(i)] = static_cast<int16_t>(1000 + i);
    for (int i = 0; i < 50; ++i) e.At(6 + i, 1000 + i);  // element 50 is not stored
    for (int i = 0; i < 10; ++i) {
        r.InputVolumeOffset[static_cast<std::size_t>(i)] = static_cast<int16_t>(-1 - i);
        e.At(56 + i, -1 - i);
        r.InputNotInUse[static_cast<std::size_t>(i)] = i % 2 == 1;
        e.At(66 + i, Flag(i % 2 == 1));
    }
    for (int k = 0; k < 4; ++k) {
        const auto at = static_cast<std::size_t>(k);
        r.ComputerIsComponent[at] = k == 1;
        r.InputAutoSelect[at] = k == 2;
        r.InputAutoPowerOn[at] = k == 3;
        r.InputAutoPowerOff[at] = k == 0;
        r.InputAutoTimeOut[at] = static_cast<int16_t>(61 + k);
        e.At(76 + k, Flag(k == 1));
        e.At(80 + k, Flag(k == 2));
        e.At(84 + k, Flag(k == 3));
        e.At(88 + k, Flag(k == 0));
        e.At(92 + k, 61 + k);
        r.LockSequence[at] = static_cast<int16_t>(301 + k);
        e.At(113 + k, 301 + k);
    }
    r.AudioRerouteMode = {1, 2};
    e.At(96, 1);
    e.At(97, 2);
    r.AudioSelectableWhenOff = {false, true};
    e.At(98, Flag(false));
    e.At(99, Flag(true));
    r.MicrophoneWhenOff = true;
    e.At(100, Flag(true));
    int16_t* const numbered[] = {&r.ControlInputsMode, &r.ControlInput1Mode, &r.ControlInput2Mode, &r.RoomEmptyTimeout,
                                 &r.SensorThreshold,   &r.OutputsMode,       &r.OutputFlags,       &r.ScreenUpSeconds,
                                 &r.ScreenDownSeconds, &r.LockFlags,         &r.UnlockedMinutes};
    for (int i = 0; i < 11; ++i) {
        *numbered[i] = static_cast<int16_t>(201 + i);
        e.At(101 + i, 201 + i);
    }
    e.At(112, 0);  // spare
    r.VolumeMaximum = -1;
    e.At(117, -1);
    r.VolumeMinimum = -55;
    e.At(118, -55);
    r.VolumeStepDb = 7;
    e.At(119, 7);
    r.UsePowerDownLevel = true;
    e.At(120, Flag(true));
    r.StartUpLevel = -9;
    e.At(121, -9);
    r.ControlPortBaudrate = 3;
    e.At(122, 3);
    r.ControlPortParity = 2;
    e.At(123, 2);
    r.ControlPortInterByteDelay = 19;
    e.At(124, 19);
    r.InactiveTimeoutHours = 12;
    e.At(41449, 12);
    r.ConfigNotes = "the notes";
    e.At(41450, Field("the notes", 200));
}

void SetProjectorBlock(ConfigProjectorBlockRecord& p, ExpectedLines& e)
{
    const int base = 124;  // position 1 of the block is 125
    p.Manufacturer = "PMAKER";
    e.At(base + 1, Field("PMAKER", 32));
    p.Model = "PMODEL";
    e.At(base + 2, Field("PMODEL", 32));
    p.Notes = "PNOTES";
    e.At(base + 3, Field("PNOTES", 256));
    for (int i = 0; i < 25; ++i) {
        p.InUse[static_cast<std::size_t>(i)] = i % 3 == 0;
        e.At(base + 4 + i, Flag(i % 3 == 0));
    }
    for (int i = 0; i < 13; ++i) {
        p.ReplyRequired[static_cast<std::size_t>(i)] = i % 2 == 1;
        e.At(base + 29 + i, Flag(i % 2 == 1));
    }
    for (int m = 0; m < 25; ++m) {
        ProjectorMessageRecord& message = p.Messages[static_cast<std::size_t>(m)];
        const int start = base + 42 + 65 * m;
        message.NumberOfBytes = static_cast<int16_t>(m + 8);
        e.At(start, m + 8);
        for (int j = 0; j < 32; ++j) {
            message.ContentBytes[static_cast<std::size_t>(j)] = ByteOf(m + j);
            message.ContentTypes[static_cast<std::size_t>(j)] = ByteOf(m * 7 + j + 100);
            e.At(start + 1 + 2 * j, ByteOf(m + j));
            e.At(start + 2 + 2 * j, ByteOf(m * 7 + j + 100));
        }
    }
    p.MaxVolume = 401;
    e.At(base + 1667, 401);
    p.MinVolume = 402;
    e.At(base + 1668, 402);
    p.VolumeMessageFormat = 403;
    e.At(base + 1669, 403);
    p.VolumeFirstByteIsLow = true;
    e.At(base + 1670, Flag(true));
    p.VolumeNumberOfBytes = 405;
    e.At(base + 1671, 405);
    p.UseLevelForVolume = false;
    e.At(base + 1672, Flag(false));
    p.VolumeStep = 407;
    e.At(base + 1673, 407);
    p.StartUpVolume = 408;
    e.At(base + 1674, 408);
    p.UsePreviousLevel = true;
    e.At(base + 1675, Flag(true));
    p.Reserved = {410, 411};
    e.At(base + 1676, 410);
    e.At(base + 1677, 411);
    p.Baudrate = 412;
    e.At(base + 1678, 412);
    p.InterCommandDelay = 413;
    e.At(base + 1679, 413);
    p.WarmUpTime = 414;
    e.At(base + 1680, 414);
    p.CoolDownTime = 415;
    e.At(base + 1681, 415);
    p.VolumeInsertByteNumber = 416;
    e.At(base + 1682, 416);
    p.Parity = 417;
    e.At(base + 1683, 417);
    p.InterByteDelay = 418;
    e.At(base + 1684, 418);
    p.LastReserved = 9999;  // not stored
}

void SetSerialSlots(ConfigurationRecord& r, ExpectedLines& e)
{
    for (int s = 0; s < 40; ++s) {
        ConfigSerialSlotRecord& slot = r.ConfigSerialSlots[static_cast<std::size_t>(s)];
        const int start = 1809 + 73 * s;
        const std::string n = std::to_string(s);
        slot.Manufacturer = "M" + n;
        e.At(start, Field("M" + n, 16));
        slot.Model = "MO" + n;
        e.At(start + 1, Field("MO" + n, 16));
        slot.MyType = "T" + n;
        e.At(start + 2, Field("T" + n, 16));
        slot.Baudrate = static_cast<int16_t>(500 + s);
        e.At(start + 3, 500 + s);
        slot.Parity = static_cast<int16_t>(600 + s);
        e.At(start + 4, 600 + s);
        slot.IsFromLibrary = s % 2 == 0;
        e.At(start + 5, Flag(s % 2 == 0));
        slot.InterByteDelay = static_cast<int16_t>(700 + s);
        e.At(start + 6, 700 + s);
        slot.NumberOfBytes = static_cast<int16_t>(s % 33);
        e.At(start + 7, s % 33);
        for (int j = 0; j < 32; ++j) {
            slot.ContentBytes[static_cast<std::size_t>(j)] = ByteOf(s + j + 40);
            slot.ContentTypes[static_cast<std::size_t>(j)] = ByteOf(s * 3 + j + 150);
            e.At(start + 8 + 2 * j, ByteOf(s + j + 40));
            e.At(start + 9 + 2 * j, ByteOf(s * 3 + j + 150));
        }
        slot.Command = "C" + n;
        e.At(start + 72, Field("C" + n, 16));
    }
}

void SetIRCommand(ConfigIRCommandRecord& command, int start, int seed, ExpectedLines& e)
{
    const std::string name = std::string("K").append(std::to_string(seed));
    command.Name = name;
    e.At(start, Field(name, 16));
    command.Mode = ByteOf(seed);
    e.At(start + 1, ByteOf(seed));
    command.InterPeriod = {ByteOf(seed + 1), ByteOf(seed + 2)};
    e.At(start + 2, ByteOf(seed + 1));
    e.At(start + 3, ByteOf(seed + 2));
    for (int i = 0; i < 128; ++i) {
        command.Data[0][static_cast<std::size_t>(i)] = ByteOf(seed + i);
        command.Data[1][static_cast<std::size_t>(i)] = ByteOf(seed * 5 + i + 77);
        e.At(start + 4 + i, ByteOf(seed + i));
        e.At(start + 132 + i, ByteOf(seed * 5 + i + 77));
    }
}

void SetInputIR(ConfigurationRecord& r, ExpectedLines& e)
{
    for (int t = 0; t < 10; ++t) {
        InputIRRecord& input = r.InputIRRecords[static_cast<std::size_t>(t)];
        const int start = 4729 + 3672 * t;
        const std::string n = std::to_string(t);
        input.DeviceSelected = t % 2 == 1;
        e.At(start, Flag(t % 2 == 1));
        input.Manufacturer = "IM" + n;
        e.At(start + 1, Field("IM" + n, 16));
        input.IRtype = "IT" + n;
        e.At(start + 2, Field("IT" + n, 16));
        input.Model = "IMO" + n;
        e.At(start + 3, Field("IMO" + n, 16));
        for (int k = 0; k < 7; ++k) {
            const auto at = static_cast<std::size_t>(k);
            const std::string nk = n + "." + std::to_string(k);
            input.SelectCommandNames[at] = "S" + nk;
            e.At(start + 4 + k, Field("S" + nk, 16));
            input.DeselectCommandNames[at] = "D" + nk;
            e.At(start + 11 + k, Field("D" + nk, 16));
            input.DeselectAssigned[at] = k == t % 7;
            e.At(start + 18 + k, Flag(k == t % 7));
            input.SelectAssigned[at] = k == (t + 3) % 7;
            e.At(start + 25 + k, Flag(k == (t + 3) % 7));
            SetIRCommand(input.SelectCommands[at], start + 32 + 260 * k, 10 * t + k, e);
            SetIRCommand(input.DeselectCommands[at], start + 1852 + 260 * k, 10 * t + k + 100, e);
        }
    }
}

}  // namespace

TEST(ConfigTextPositions, EveryValueStandsAtItsLine)
{
    auto record = std::make_unique<ConfigurationRecord>();
    ExpectedLines expected;
    SetScalars(*record, expected);
    SetProjectorBlock(record->ConfigProjectorBlock, expected);
    SetSerialSlots(*record, expected);
    SetInputIR(*record, expected);
    for (std::size_t i = 0; i < expected.Lines().size(); ++i) {
        ASSERT_FALSE(expected.Lines()[i].empty()) << "position " << i + 1 << " was given no value";
    }

    const std::vector<std::string> lines = CrlfLines(ConfigTextOf(*record));
    ASSERT_EQ(lines.size(), expected.Lines().size());
    int wrong = 0;
    for (std::size_t i = 0; i < lines.size() && wrong < 10; ++i) {
        if (lines[i] != expected.Lines()[i]) {
            ++wrong;
            ADD_FAILURE() << "line " << i + 1 << " is " << lines[i] << ", expected " << expected.Lines()[i];
        }
    }

    // And each value comes back from its own line.
    auto read = std::make_unique<ConfigurationRecord>();
    read->MeshloAddressTable[50] = 1050;
    read->ConfigProjectorBlock.LastReserved = 9999;
    ParseConfigText(ConfigTextOf(*record), *read);
    EXPECT_TRUE(*read == *record);
}
