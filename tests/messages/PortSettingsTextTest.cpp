#include "messages/PortSettingsText.h"

#include <gtest/gtest.h>

TEST(PortSettingsText, BaudAndParityOptions)
{
    EXPECT_EQ(PortSettingsText(0, 0), "9600,n,8,1");
    EXPECT_EQ(PortSettingsText(1, 1), "19200,e,8,1");
    EXPECT_EQ(PortSettingsText(2, 2), "38400,o,8,1");
    EXPECT_EQ(PortSettingsText(3, 0), "57600,n,8,1");
    EXPECT_EQ(PortSettingsText(4, 0), "115200,n,8,1");
}

TEST(PortSettingsText, OptionsOutOfRangeAreNineSixHundredWithoutParity)
{
    EXPECT_EQ(PortSettingsText(5, 3), "9600,n,8,1");
    EXPECT_EQ(PortSettingsText(-1, -1), "9600,n,8,1");
}
