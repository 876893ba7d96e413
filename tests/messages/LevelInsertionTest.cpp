#include "messages/LevelInsertion.h"
#include "model/VolumeExtensionClass.h"

#include <gtest/gtest.h>

namespace {

VolumeExtensionClass Format(int16_t messageFormat, int16_t bytes, int16_t minimum, int16_t maximum,
                            bool firstByteIsLow = false)
{
    VolumeExtensionClass format;
    format.Clear();
    format.VolumeMessageFormat(messageFormat);
    format.VolumeNumberOfBytes(bytes);
    format.MinVolume(minimum);
    format.MaxVolume(maximum);
    format.VolumeFirstByteIsLow(firstByteIsLow);
    return format;
}

constexpr int16_t Decimal = VolumeExtensionClass::DecimalInAscii;
constexpr int16_t Hex = VolumeExtensionClass::HexInAscii;
constexpr int16_t Raw = VolumeExtensionClass::RawBytes;

}  // namespace

TEST(LevelInsertion, DecimalWithSignUsesOnePositionForTheSign)
{
    EXPECT_EQ(MakeLevelText(-7, Format(Decimal, 3, -10, 10)), "\x2D\x30\x37");
    EXPECT_EQ(MakeLevelText(0, Format(Decimal, 3, -10, 10)), "\x2B\x30\x30");
    EXPECT_EQ(MakeLevelText(5, Format(Decimal, 2, -9, 9)), "+5");
    EXPECT_EQ(MakeLevelText(-5, Format(Decimal, 2, -9, 9)), "-5");
    EXPECT_EQ(MakeLevelText(-1234, Format(Decimal, 4, -999, 999)), "-\x3C\x33\x34")
        << "too many digits leave a count above 9 in the first position";
    EXPECT_EQ(MakeLevelText(3, Format(Decimal, 1, -1, 5)), "+") << "one byte with a sign holds the sign alone";
}

TEST(LevelInsertion, DecimalWithoutSignIsZeroPadded)
{
    EXPECT_EQ(MakeLevelText(42, Format(Decimal, 3, 0, 100)), "042");
    EXPECT_EQ(MakeLevelText(5, Format(Decimal, 2, 0, 50)), "05");
    EXPECT_EQ(MakeLevelText(9999, Format(Decimal, 4, 0, 9999)), "9999");
    EXPECT_EQ(MakeLevelText(7, Format(Decimal, 1, 0, 9)), "7");
}

TEST(LevelInsertion, HexTakesTheLastDigitsOfTheSixteenBitWord)
{
    EXPECT_EQ(MakeLevelText(26, Format(Hex, 1, 0, 30)), "A");
    EXPECT_EQ(MakeLevelText(10, Format(Hex, 2, 0, 30)), "0A");
    EXPECT_EQ(MakeLevelText(-1, Format(Hex, 2, -5, 30)), "FF");
    EXPECT_EQ(MakeLevelText(300, Format(Hex, 3, 0, 400)), "12C");
    EXPECT_EQ(MakeLevelText(-1, Format(Hex, 4, -5, 30)), "FFFF");
    EXPECT_EQ(MakeLevelText(-32767, Format(Hex, 4, -32767, 30)), "8001");
}

TEST(LevelInsertion, RawBytesInTheChosenOrder)
{
    EXPECT_EQ(MakeLevelText(300, Format(Raw, 1, 0, 400)), "\x2C");
    EXPECT_EQ(MakeLevelText(300, Format(Raw, 2, 0, 400, true)), std::string("\x2C\x01"));
    EXPECT_EQ(MakeLevelText(300, Format(Raw, 2, 0, 400, false)), std::string("\x01\x2C"));
    EXPECT_EQ(MakeLevelText(-1, Format(Raw, 2, -5, 5)), "\xFF\xFF");
    EXPECT_EQ(MakeLevelText(-2, Format(Raw, 1, -5, 5)), "\xFE");
    EXPECT_EQ(MakeLevelText(5, Format(Raw, 2, 0, 5, true)), std::string("\x05\x00", 2));
    EXPECT_EQ(MakeLevelText(-256, Format(Raw, 4, -300, 5, false)), std::string("\xFF\x00", 2))
        << "raw never uses more than two bytes";
    EXPECT_EQ(MakeLevelText(7, Format(9, 1, 0, 9)), "\x07") << "an unknown format code is raw";
}

TEST(LevelInsertion, PreviewQuotesEachByte)
{
    constexpr auto Quoted = RawLevelPreview::Quoted;
    EXPECT_EQ(LevelPreviewText(5, Format(Decimal, 3, -9, 9), Quoted), R"("+","0","5")");
    EXPECT_EQ(LevelPreviewText(10, Format(Hex, 2, 0, 30), Quoted), R"("0","A")");
    EXPECT_EQ(LevelPreviewText(10, Format(Raw, 1, 0, 30), Quoted), R"("10" or "0A"in HEX)");
    EXPECT_EQ(LevelPreviewText(300, Format(Raw, 2, 0, 400, false), Quoted), R"("1","44" or "01","2C"in HEX)");
    EXPECT_EQ(LevelPreviewText(300, Format(Raw, 2, 0, 400, true), Quoted), R"("44","1" or "2C","01"in HEX)");
    EXPECT_EQ(LevelPreviewText(5, Format(Decimal, 3, -9, 9), RawLevelPreview::Plain), R"("+","0","5")")
        << "the ASCII formats are quoted in both previews";
}

TEST(LevelInsertion, ValueCaption)
{
    EXPECT_EQ(LevelValueCaption(10), "Value = 10 or A in Hex");
    EXPECT_EQ(LevelValueCaption(-1), "Value = -1 or FFFF in Hex");
    EXPECT_EQ(LevelValueCaption(0), "Value = 0 or 0 in Hex");
}

TEST(LevelInsertion, LevelButtonsStayInTheRangeWithoutOverflow)
{
    VolumeExtensionClass format = Format(Raw, 2, -32767, 32767);
    format.VolumeStep(30000);
    EXPECT_EQ(LevelAfterUp(30000, format), 32767);
    EXPECT_EQ(LevelAfterDown(-30000, format), -32767);
    format = Format(Raw, 2, -10, 20);
    format.VolumeStep(3);
    EXPECT_EQ(LevelAfterUp(19, format), 20);
    EXPECT_EQ(LevelAfterUp(20, format), 20);
    EXPECT_EQ(LevelAfterUp(4, format), 7);
    EXPECT_EQ(LevelAfterDown(-9, format), -10);
    EXPECT_EQ(LevelAfterDown(-10, format), -10);
    format.StartUpVolume(25);
    EXPECT_EQ(PowerUpLevel(format), 20);
    format.StartUpVolume(-32768);
    EXPECT_EQ(PowerUpLevel(format), -10);
    format.StartUpVolume(4);
    EXPECT_EQ(PowerUpLevel(format), 4);
    EXPECT_EQ(LevelWithinRange(100000, format), 20);
}
