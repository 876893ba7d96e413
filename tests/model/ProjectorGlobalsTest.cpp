#include "model/ProjectorGlobals.h"

#include <gtest/gtest.h>

TEST(NameTables, FilledByInit)
{
    ProjectorGlobals names;
    names.InitNameTables();
    EXPECT_EQ(names.ProjectorCommandNames[0], "Serial enable");
    EXPECT_EQ(names.ProjectorCommandNames[9], "Serial disable");
    EXPECT_EQ(names.ProjectorCommandNames[19], "Serial disable reply");
    EXPECT_EQ(names.ProjectorCommandNames[21], "External off");
    // Elements 10 to 19 are the replies of 0 to 9.
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(names.ProjectorCommandNames[static_cast<std::size_t>(10 + i)],
                  names.ProjectorCommandNames[static_cast<std::size_t>(i)] + " reply");
    EXPECT_EQ(names.ControlCodeNames[0], "NUL");
    EXPECT_EQ(names.ControlCodeNames[13], "CR");
    EXPECT_EQ(names.ControlCodeNames[27], "ESC");
    EXPECT_EQ(names.ControlCodeNames[31], "US");
}

TEST(NameTables, ControlCodeFromName)
{
    EXPECT_EQ(ControlCodeFromName("CR"), 13);
    EXPECT_EQ(ControlCodeFromName("US"), 31);
    EXPECT_EQ(ControlCodeFromName("NUL"), 0);
    EXPECT_EQ(ControlCodeFromName("nul"), 0);
    EXPECT_EQ(ControlCodeFromName("cr"), 0);
    EXPECT_EQ(ControlCodeFromName("DEL"), 0);
    EXPECT_EQ(ControlCodeFromName(""), 0);
}

TEST(TextHelpers, BinaryTextToByte)
{
    EXPECT_EQ(BinaryTextToByte("101"), 5);
    EXPECT_EQ(BinaryTextToByte("1x1"), 5);
    EXPECT_EQ(BinaryTextToByte("111111111"), 255);
    EXPECT_EQ(BinaryTextToByte("100000001"), 1);
    EXPECT_EQ(BinaryTextToByte(""), 0);
}

TEST(TextHelpers, ByteToBinaryText)
{
    EXPECT_EQ(ByteToBinaryText(128), "10000000");
    EXPECT_EQ(ByteToBinaryText(1), "1");
    EXPECT_EQ(ByteToBinaryText(0), "0");
    EXPECT_EQ(ByteToBinaryText(255), "11111111");
    for (int v = 0; v < 256; ++v) EXPECT_EQ(BinaryTextToByte(ByteToBinaryText(static_cast<uint8_t>(v))), v);
}

TEST(TextHelpers, HexWordAndHexByte)
{
    EXPECT_EQ(HexWord(255), "FF");
    EXPECT_EQ(HexWord(0), "0");
    EXPECT_EQ(HexWord(-1), "FFFF");
    EXPECT_EQ(HexWord(-32768), "8000");
    EXPECT_EQ(HexWord(32767), "7FFF");
    EXPECT_EQ(HexByte(10), "0A");
    EXPECT_EQ(HexByte(255), "FF");
    EXPECT_EQ(HexByte(0), "00");
    EXPECT_EQ(HexByte(4096), "1000");
}
