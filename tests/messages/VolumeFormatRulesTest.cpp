#include "messages/VolumeFormatRules.h"

#include <gtest/gtest.h>

namespace {

VolumeFormatDraft Draft(int16_t format, int16_t bytes, int32_t minimum, int32_t maximum)
{
    VolumeFormatDraft draft;
    draft.VolumeMessageFormat = format;
    draft.VolumeNumberOfBytes = bytes;
    draft.MinVolume = minimum;
    draft.MaxVolume = maximum;
    draft.StartUpVolume = minimum;
    draft.VolumeStep = 1;
    return draft;
}

bool Fits(int16_t format, int16_t bytes, int32_t minimum, int32_t maximum)
{
    return FirstVolumeFormatFault(Draft(format, bytes, minimum, maximum)).empty();
}

constexpr int16_t Decimal = 0;
constexpr int16_t Hex = 1;
constexpr int16_t Raw = 2;

}  // namespace

TEST(VolumeFormatRules, RangeStepAndStartRules)
{
    VolumeFormatDraft draft = Draft(Raw, 2, 0, 0);
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Max = Min Volume");
    draft.MaxVolume = -1;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Max < Min Volume");
    draft.MaxVolume = 10;
    draft.VolumeStep = 0;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Volume Step = 0");
    draft.VolumeStep = 11;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Volume Step < Level Range");
    draft.VolumeStep = 10;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "") << "a step equal to the range is allowed";
    draft.StartUpVolume = 11;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Start > Max level");
    draft.StartUpVolume = -1;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Start < Min level");
    draft.UsePreviousLevel = true;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "") << "the power-down level needs no start level";
    draft.VolumeNumberOfBytes = 0;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Number Of Byte Not Defined");
}

TEST(VolumeFormatRules, RulesAreTriedInOrder)
{
    VolumeFormatDraft draft = Draft(Raw, 0, 0, 10);
    draft.VolumeStep = 50;
    draft.StartUpVolume = 99;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Volume Step < Level Range")
        << "a step larger than the range comes before the start level and the byte count";
    draft.VolumeStep = 1;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Start > Max level");
    draft.StartUpVolume = 0;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Number Of Byte Not Defined");
    draft = Draft(Raw, 1, 0, 300);
    draft.StartUpVolume = 5;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "Error Not Enough Bytes For Message");
}

TEST(VolumeFormatRules, RangeIsComputedWide)
{
    VolumeFormatDraft draft = Draft(Raw, 2, -32767, 32767);
    draft.VolumeStep = 32767;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "") << "a range of 65534 holds any 16-bit step";
    draft = Draft(Raw, 2, -20000, 20000);
    draft.VolumeStep = 30000;
    EXPECT_EQ(FirstVolumeFormatFault(draft), "");
}

TEST(VolumeFormatRules, DecimalCountsDigitsAndSign)
{
    EXPECT_FALSE(Fits(Decimal, 3, -5, 100)) << "sign plus three digits";
    EXPECT_TRUE(Fits(Decimal, 4, -5, 100));
    EXPECT_TRUE(Fits(Decimal, 3, 0, 999));
    EXPECT_FALSE(Fits(Decimal, 3, 0, 1000));
    EXPECT_TRUE(Fits(Decimal, 2, -9, 9));
    EXPECT_FALSE(Fits(Decimal, 2, -10, 9)) << "the minimum's digits count too";
    EXPECT_TRUE(Fits(Decimal, 1, 0, 9));
    EXPECT_FALSE(Fits(Decimal, 1, -1, 9));
}

TEST(VolumeFormatRules, HexCountsDigitsAndTheSignBit)
{
    EXPECT_TRUE(Fits(Hex, 2, 0, 255));
    EXPECT_FALSE(Fits(Hex, 2, 0, 256));
    EXPECT_TRUE(Fits(Hex, 2, -128, 127));
    EXPECT_FALSE(Fits(Hex, 2, -129, 127));
    EXPECT_FALSE(Fits(Hex, 2, -1, 128)) << "a maximum with a leading digit above 7 reads as negative";
    EXPECT_TRUE(Fits(Hex, 3, -1, 128));
    EXPECT_FALSE(Fits(Hex, 2, -128, 128)) << "0x80 would stand for both ends of the range";
    EXPECT_TRUE(Fits(Hex, 1, -8, 7));
    EXPECT_FALSE(Fits(Hex, 1, -9, 7));
    EXPECT_TRUE(Fits(Hex, 4, -32767, 32767));
    EXPECT_TRUE(Fits(Hex, 3, -0x800, 0x7FF));
    EXPECT_FALSE(Fits(Hex, 3, -0x801, 0x7FF));
}

TEST(VolumeFormatRules, RawOneByteBoundaries)
{
    EXPECT_TRUE(Fits(Raw, 1, 0, 255));
    EXPECT_FALSE(Fits(Raw, 1, 0, 256));
    EXPECT_TRUE(Fits(Raw, 2, 0, 256));
    EXPECT_TRUE(Fits(Raw, 1, -128, 127));
    EXPECT_FALSE(Fits(Raw, 1, -129, 127));
    EXPECT_FALSE(Fits(Raw, 1, -128, 128));
    EXPECT_TRUE(Fits(Raw, 2, -129, 128));
}
