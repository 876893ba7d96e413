#include "devicelink/PromEncode.h"
#include "model/ConfigurationRecord.h"

#include <gtest/gtest.h>

namespace {

std::vector<uint8_t> Bytes(const PromEncode& encoder, std::size_t offset, std::size_t count)
{
    const auto& image = encoder.ControllerImage();
    return std::vector<uint8_t>(image.begin() + static_cast<long>(offset),
                                image.begin() + static_cast<long>(offset + count));
}

ConfigurationRecord ZeroWithVolume(int16_t minimum, int16_t maximum)
{
    ConfigurationRecord config;
    config.VolumeMinimum = minimum;
    config.VolumeMaximum = maximum;
    return config;
}

void SetSlot(ConfigurationRecord& config, int slot, std::vector<uint8_t> bytes, std::vector<uint8_t> types = {})
{
    auto& record = config.ConfigSerialSlots[static_cast<std::size_t>(slot)];
    record.NumberOfBytes = static_cast<int16_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), record.ContentBytes.begin());
    std::copy(types.begin(), types.end(), record.ContentTypes.begin());
}

constexpr std::size_t CountsAt = 173;
constexpr std::size_t ContentAt = 237;
constexpr std::size_t MasksAt = 2285;

}  // namespace

TEST(PromEncode, AZeroConfigurationGivesItsGoldenBytes)
{
    PromEncode encoder;
    encoder.BuildControllerImage(ZeroWithVolume(-80, 0));
    EXPECT_EQ(encoder.ControllerImageLength(), 2401);
    EXPECT_EQ(Bytes(encoder, 0, 102), std::vector<uint8_t>(102, 0));
    EXPECT_EQ(Bytes(encoder, 102, 10), (std::vector<uint8_t>{80, 72, 64, 56, 48, 40, 32, 24, 16, 0}));
    EXPECT_EQ(Bytes(encoder, 112, 10), std::vector<uint8_t>(10, 6));
    EXPECT_EQ(Bytes(encoder, 157, 2), (std::vector<uint8_t>{0xFF, 0x03}));
    EXPECT_EQ(Bytes(encoder, 145, 2), (std::vector<uint8_t>{0, 80}));
    // Nothing else is set: every other byte up to the end is zero.
    EXPECT_EQ(Bytes(encoder, 122, 23), std::vector<uint8_t>(23, 0));
    EXPECT_EQ(Bytes(encoder, 159, 2401 - 159), std::vector<uint8_t>(2401 - 159, 0));
}

TEST(PromEncode, VolumeStepsRoundHalvesToEvenAndStayWithinAByte)
{
    PromEncode encoder;
    encoder.BuildControllerImage(ZeroWithVolume(-80, -10));
    EXPECT_EQ(Bytes(encoder, 102, 10), (std::vector<uint8_t>{80, 73, 66, 59, 52, 45, 38, 31, 24, 10}));
    // A step of 1.5 rounds to 2, so the eighth step would be -1.
    encoder.BuildControllerImage(ZeroWithVolume(-15, 0));
    EXPECT_EQ(Bytes(encoder, 102, 10), (std::vector<uint8_t>{15, 13, 11, 9, 7, 5, 3, 1, 0, 0}));
    // 2.5 rounds to 2.
    encoder.BuildControllerImage(ZeroWithVolume(-25, 0));
    EXPECT_EQ(encoder.ControllerImage()[103], 23);
}

TEST(PromEncode, TimesAreWordsInTenthsOfASecondKeptWithinAWord)
{
    ConfigurationRecord config = ZeroWithVolume(-56, 0);
    config.InputAutoTimeOut[0] = 60;
    config.RoomEmptyTimeout = 10;
    config.UnlockedMinutes = 54;
    config.ConfigProjectorBlock.WarmUpTime = 3277;  // one past what a signed word held
    config.ConfigProjectorBlock.CoolDownTime = -5;
    config.ScreenUpSeconds = 255;
    PromEncode encoder;
    encoder.BuildControllerImage(config);
    EXPECT_EQ(Bytes(encoder, 123, 2), (std::vector<uint8_t>{0x58, 0x02}));
    EXPECT_EQ(Bytes(encoder, 169, 2), (std::vector<uint8_t>{0x70, 0x17}));
    EXPECT_EQ(Bytes(encoder, 171, 2), (std::vector<uint8_t>{0x90, 0x7E}));
    EXPECT_EQ(Bytes(encoder, 165, 2), (std::vector<uint8_t>{0x02, 0x80}));  // 32770
    EXPECT_EQ(Bytes(encoder, 167, 2), (std::vector<uint8_t>{0, 0}));
    EXPECT_EQ(Bytes(encoder, 161, 2), (std::vector<uint8_t>{0xF6, 0x09}));

    config.UnlockedMinutes = 255;  // 153000 tenths do not fit a word
    config.RoomEmptyTimeout = 60;
    encoder.BuildControllerImage(config);
    EXPECT_EQ(Bytes(encoder, 171, 2), (std::vector<uint8_t>{0xFF, 0xFF}));
    EXPECT_EQ(Bytes(encoder, 169, 2), (std::vector<uint8_t>{0xA0, 0x8C}));  // 36000
}

TEST(PromEncode, MeshloAddressesStandInTheirImageOrder)
{
    ConfigurationRecord config;
    config.MeshloAddressTable[5] = 0x123;
    config.MeshloAddressTable[38] = 0x7FF;
    config.MeshloAddressTable[41] = 0x201;
    config.MeshloAddressTable[44] = 0x044;
    config.MeshloAddressTable[37] = 0x555;  // not in the image
    PromEncode encoder;
    encoder.BuildControllerImage(config);
    EXPECT_EQ(Bytes(encoder, 10, 2), (std::vector<uint8_t>{0x23, 0x01}));
    EXPECT_EQ(Bytes(encoder, 32, 2), (std::vector<uint8_t>{0xFF, 0x07}));
    EXPECT_EQ(Bytes(encoder, 58, 2), (std::vector<uint8_t>{0x01, 0x02}));
    EXPECT_EQ(Bytes(encoder, 60, 10), std::vector<uint8_t>(10, 0));  // the five zero words
    EXPECT_EQ(Bytes(encoder, 96, 2), (std::vector<uint8_t>{0x44, 0x00}));
    EXPECT_EQ(std::count(encoder.ControllerImage().begin(), encoder.ControllerImage().begin() + 102, 0x55), 0);
}

TEST(PromEncode, FlagBytesCarryTheirBits)
{
    ConfigurationRecord config;
    config.InputAutoSelect[3] = config.InputAutoPowerOn[3] = config.InputAutoPowerOff[3] = true;
    config.ComputerIsComponent[0] = true;
    config.InputNotInUse[0] = config.InputNotInUse[9] = true;
    config.AudioRerouteMode = {2, 1};
    config.AudioSelectableWhenOff[1] = true;
    config.ZenvaraEnabled = true;
    config.MicrophoneWhenOff = true;
    PromEncode encoder;
    encoder.BuildControllerImage(config);
    EXPECT_EQ(encoder.ControllerImage()[131], 7);
    EXPECT_EQ(encoder.ControllerImage()[134], 0x11);
    EXPECT_EQ(Bytes(encoder, 157, 2), (std::vector<uint8_t>{0xFE, 0x01}));
    EXPECT_EQ(encoder.ControllerImage()[159], 2 | 1 << 2 | 1 << 5 | 1 << 7);
}

TEST(PromEncode, SettingsBytesStandInTheirOrder)
{
    ConfigurationRecord config;
    config.OutputsMode = 1;
    config.ControlInputsMode = 2;
    config.ControlInput1Mode = 3;
    config.ControlInput2Mode = 1;
    config.SensorThreshold = 128;
    config.LockFlags = 24;
    config.LockSequence = {1, 2, 3, 9};
    config.VolumeMaximum = -5;
    config.VolumeMinimum = -56;
    config.VolumeStepDb = 3;
    config.StartUpLevel = -20;
    config.ConfigProjectorBlock.Baudrate = 4;
    config.ConfigProjectorBlock.Parity = 2;
    config.ConfigProjectorBlock.InterByteDelay = 7;
    config.ControlPortBaudrate = 1;
    config.ControlPortParity = 1;
    config.ControlPortInterByteDelay = 20;
    config.ConfigProjectorBlock.InterCommandDelay = 250;
    config.InactiveTimeoutHours = 12;
    PromEncode encoder;
    encoder.BuildControllerImage(config);
    EXPECT_EQ(Bytes(encoder, 135, 22),
              (std::vector<uint8_t>{1, 2, 3, 1, 128, 24, 1, 2, 3, 9, 5, 56, 3, 0, 20, 4, 2, 7, 1, 1, 20, 250}));
    EXPECT_EQ(encoder.ControllerImage()[160], 12);
}

TEST(PromEncode, MessagesGoToTheirEntries)
{
    ConfigurationRecord config;
    std::vector<uint8_t> whole(32);
    for (std::size_t i = 0; i < 32; ++i) whole[i] = static_cast<uint8_t>(i + 1);
    SetSlot(config, 2, whole);                // entry 45
    SetSlot(config, 29, {0xA1, 0xA2, 0xA3});  // entry 12
    auto& projector = config.ConfigProjectorBlock;
    projector.Messages[23].NumberOfBytes = 2;  // entry 5
    projector.Messages[23].ContentBytes[0] = 0x55;
    projector.InUse[23] = true;
    projector.Messages[21].NumberOfBytes = 4;  // entry 27, not in use
    PromEncode encoder;
    encoder.BuildControllerImage(config);
    const auto& image = encoder.ControllerImage();
    EXPECT_EQ(image[CountsAt + 45], 32);
    EXPECT_EQ(Bytes(encoder, ContentAt + 45 * 32, 32), whole);
    EXPECT_EQ(image[CountsAt + 12], 3);
    EXPECT_EQ(Bytes(encoder, ContentAt + 12 * 32, 4), (std::vector<uint8_t>{0xA1, 0xA2, 0xA3, 0}));
    EXPECT_EQ(image[CountsAt + 5], 2);
    EXPECT_EQ(image[ContentAt + 5 * 32], 0x55);
    EXPECT_EQ(image[CountsAt + 27], 0);
}

TEST(PromEncode, BytesPastTheCountAreZeroWhateverCameBefore)
{
    ConfigurationRecord config;
    SetSlot(config, 0, std::vector<uint8_t>(32, 0xEE));  // entry 53
    PromEncode encoder;
    encoder.BuildControllerImage(config);
    config.ConfigSerialSlots[0].NumberOfBytes = 3;
    encoder.BuildControllerImage(config);
    PromEncode fresh;
    fresh.BuildControllerImage(config);
    EXPECT_EQ(encoder.ControllerImage(), fresh.ControllerImage());
    EXPECT_EQ(Bytes(encoder, ContentAt + 53 * 32, 4), (std::vector<uint8_t>{0xEE, 0xEE, 0xEE, 0}));
    config.ConfigSerialSlots[0].NumberOfBytes = 99;  // a damaged count is cut to the message's size
    encoder.BuildControllerImage(config);
    EXPECT_EQ(encoder.ControllerImage()[CountsAt + 53], 32);
    EXPECT_EQ(encoder.ControllerImageLength(), 2401);
}

TEST(PromEncode, IgnoreMasksOfReceivedMessages)
{
    ConfigurationRecord config;
    std::vector<uint8_t> types(32, 0);
    for (const std::size_t position : {0u, 9u, 17u, 25u}) types[position] = 6;
    SetSlot(config, 19, std::vector<uint8_t>(26, 0x20), types);  // entry 35, the first with a mask in the image
    PromEncode encoder;
    encoder.BuildControllerImage(config);
    EXPECT_EQ(Bytes(encoder, MasksAt, 4), (std::vector<uint8_t>{0x01, 0x02, 0x02, 0x02}));
    encoder.BuildControllerImage(config);
    EXPECT_EQ(Bytes(encoder, MasksAt, 4), (std::vector<uint8_t>{0x01, 0x02, 0x02, 0x02}));

    // A projector message out of use still has its mask computed, but
    // projector entries carry no masks in the image.
    auto& message = config.ConfigProjectorBlock.Messages[0];
    message.ContentTypes[0] = 6;
    message.NumberOfBytes = 1;
    encoder.BuildControllerImage(config);
    EXPECT_EQ(encoder.ImageSerialStringTable()[0].Count, 0);
    EXPECT_EQ(encoder.ImageSerialStringTable()[0].IgnoreMask[0], 0x01);
    EXPECT_EQ(encoder.ControllerImageLength(), 2401);
}

namespace {

// A configuration in which every field the image carries holds a value of
// its own, and the fields it does not carry are set too.
ConfigurationRecord EveryFieldSet()
{
    ConfigurationRecord config;
    for (std::size_t i = 0; i < config.MeshloAddressTable.size(); ++i)
        config.MeshloAddressTable[i] = static_cast<int16_t>(i * 40 + 1);
    config.VolumeMinimum = -70;
    config.VolumeMaximum = -12;
    config.InputVolumeOffset = {-6, -5, -4, -3, -2, -1, 0, 1, 2, 6};
    config.InputAutoSelect = {true, false, false, true};
    config.InputAutoPowerOn = {false, true, false, true};
    config.InputAutoPowerOff = {false, false, true, true};
    config.InputAutoTimeOut = {1, 300, 999, 6553};
    config.ComputerIsComponent = {true, false, true, true};
    config.MicrophoneWhenOff = true;
    config.OutputsMode = 3;
    config.ControlInputsMode = 2;
    config.ControlInput1Mode = 4;
    config.ControlInput2Mode = 5;
    config.SensorThreshold = 200;
    config.LockFlags = 0x5A;
    config.LockSequence = {4, 3, 2, 1};
    config.VolumeStepDb = 2;
    config.StartUpLevel = -30;
    config.ConfigProjectorBlock.Baudrate = 3;
    config.ConfigProjectorBlock.Parity = 1;
    config.ConfigProjectorBlock.InterByteDelay = 15;
    config.ControlPortBaudrate = 2;
    config.ControlPortParity = 2;
    config.ControlPortInterByteDelay = 9;
    config.ConfigProjectorBlock.InterCommandDelay = 100;
    config.InputNotInUse = {false, true, false, false, true, false, false, false, false, true};
    config.AudioRerouteMode = {1, 2};
    config.AudioSelectableWhenOff = {true, false};
    config.QuilmarDraventEnabled = true;
    config.ZenvaraEnabled = false;
    config.InactiveTimeoutHours = 8;
    config.ScreenUpSeconds = 45;
    config.ScreenDownSeconds = 30;
    config.ConfigProjectorBlock.WarmUpTime = 90;
    config.ConfigProjectorBlock.CoolDownTime = 120;
    config.RoomEmptyTimeout = 25;
    config.UnlockedMinutes = 7;
    // Projector message m holds m + 1 bytes 0x80 + m, in use when m is even;
    // slot s holds (s % 32) + 1 bytes s, byte 0 of every slot ignored.
    for (std::size_t m = 0; m < ConfigProjectorBlockRecord::MessageSlots; ++m) {
        auto& message = config.ConfigProjectorBlock.Messages[m];
        message.NumberOfBytes = static_cast<int16_t>(m + 1);
        message.ContentBytes.fill(static_cast<uint8_t>(0x80 + m));
        config.ConfigProjectorBlock.InUse[m] = m % 2 == 0;
    }
    for (std::size_t s = 0; s < ConfigurationRecord::SerialSlots; ++s) {
        auto& slot = config.ConfigSerialSlots[s];
        slot.NumberOfBytes = static_cast<int16_t>(s % 32 + 1);
        slot.ContentBytes.fill(static_cast<uint8_t>(s));
        slot.ContentTypes[0] = 6;
        slot.ContentTypes[31] = 6;
    }
    return config;
}

}  // namespace

TEST(PromEncode, AConfigurationWithEveryFieldSetGivesItsGoldenBytes)
{
    const ConfigurationRecord config = EveryFieldSet();
    PromEncode encoder;
    encoder.BuildControllerImage(config);
    ASSERT_EQ(encoder.ControllerImageLength(), 2401);

    std::vector<uint8_t> head;
    const int zero = -1;
    for (const int entry : {0,    1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,   14,   15,   38,
                            16,   40, 17, 39, 18, 19, 20, 21, 22, 23, 24, 25, 41, zero, zero, zero, zero,
                            zero, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 42, 43,   44,   zero, zero}) {
        const int address = entry == zero ? 0 : entry * 40 + 1;
        head.push_back(static_cast<uint8_t>(address & 255));
        head.push_back(static_cast<uint8_t>(address >> 8));
    }
    const std::vector<uint8_t> settings{
        70,   64,   58,   52,   46,   40,   34,   28,   22,   12,                // volume: step 5.8 rounds to 6
        0,    1,    2,    3,    4,    5,    6,    7,    8,    12,                // input offsets + 6
        1,    0x0A, 0x00, 2,    0xB8, 0x0B, 4,    0x06, 0x27, 7,    0xFA, 0xFF,  // computer inputs
        29,   3,    2,    4,    5,    200,  0x5A, 4,    3,    2,    1,           // 134 to 144
        12,   70,   2,    0,    30,   3,    1,    15,   2,    2,    9,    100,   // 145 to 156
        0xED, 0x01, 89,   8,                                                     // inputs in use, audio, inactive hours
        0xC2, 0x01, 0x2C, 0x01, 0x84, 0x03, 0xB0, 0x04, 0x98, 0x3A, 0x68, 0x10};
    head.insert(head.end(), settings.begin(), settings.end());
    ASSERT_EQ(head.size(), CountsAt);
    EXPECT_EQ(Bytes(encoder, 0, CountsAt), head);

    // Entry by entry: the projector message or the slot it carries.
    std::vector<std::pair<char, int>> sources;
    for (const int m : {0, 1, 2, 3, 4, 23, 5, 24, 6, 7, 8, 9}) sources.emplace_back('P', m);
    for (int s = 29; s <= 38; ++s) sources.emplace_back('S', s);
    for (const int m : {10, 11, 12, 13, 14, 21, 15, 22, 16, 17, 18, 19, 20}) sources.emplace_back('P', m);
    for (int s = 19; s <= 28; ++s) sources.emplace_back('S', s);
    for (const int s : {2, 3, 8, 9, 10, 11, 4, 5, 0, 1, 6, 7, 12, 13, 14, 15, 16, 17, 18}) sources.emplace_back('S', s);
    ASSERT_EQ(sources.size(), 64u);
    for (std::size_t e = 0; e < 64; ++e) {
        const auto [kind, n] = sources[e];
        const int count = kind == 'P' ? (n % 2 == 0 ? n + 1 : 0) : n % 32 + 1;
        const uint8_t byte = static_cast<uint8_t>(kind == 'P' ? 0x80 + n : n);
        std::vector<uint8_t> content(32, 0);
        std::fill_n(content.begin(), count, byte);
        EXPECT_EQ(encoder.ControllerImage()[CountsAt + e], count) << e;
        EXPECT_EQ(Bytes(encoder, ContentAt + 32 * e, 32), content) << e;
        if (e >= 35) {
            EXPECT_EQ(Bytes(encoder, MasksAt + 4 * (e - 35), 4), (std::vector<uint8_t>{1, 0, 0, 0x80})) << e;
        }
    }

    // What the image does not carry changes nothing in it.
    ConfigurationRecord other = config;
    for (const std::size_t i : {37u, 45u, 46u, 47u, 48u, 49u, 50u}) other.MeshloAddressTable[i] = 0x7FF;
    other.UsePowerDownLevel = true;
    other.OutputFlags = 0x7F;
    other.ConfigSerialSlots[39].NumberOfBytes = 5;
    other.ConfigSerialSlots[39].ContentBytes.fill(0xAA);
    other.InputIRRecords[0].DeviceSelected = true;
    other.InputIRRecords[0].SelectCommands[0].Data[0].fill(0x33);
    other.ConfigProjectorBlock.ReplyRequired.fill(true);
    other.ConfigProjectorBlock.UseLevelForVolume = true;
    other.ConfigProjectorBlock.MaxVolume = 99;
    PromEncode otherEncoder;
    otherEncoder.BuildControllerImage(other);
    EXPECT_EQ(otherEncoder.ControllerImage(), encoder.ControllerImage());
}
