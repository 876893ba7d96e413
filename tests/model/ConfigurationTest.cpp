#include "model/Configuration.h"
#include "model/RuntimeErrors.h"

#include <gtest/gtest.h>
#include <memory>

TEST(Configuration, ClearGivesTheDefaultsOfANewConfiguration)
{
    auto config = std::make_unique<Configuration>();
    config->Record.MeshloAddressTable[50] = 7;
    config->Record.ConfigSerialSlots[3].NumberOfBytes = 5;
    config->Record.ConfigSerialSlots[3].ContentBytes[0] = 0x41;
    config->Record.InputIRRecords[9].DeselectCommands[6].Data[1][127] = 9;
    config->ConfigChanged = true;

    config->ClearConfiguration();

    const ConfigurationRecord& r = config->Record;
    EXPECT_FALSE(config->ConfigChanged);
    EXPECT_EQ(r.VolumeMinimum, -56);
    EXPECT_EQ(r.VolumeMaximum, 0);
    EXPECT_EQ(r.VolumeStepDb, 1);
    EXPECT_EQ(r.StartUpLevel, 0);
    EXPECT_EQ(r.OutputsMode, 1);
    EXPECT_EQ(r.OutputFlags, 1);
    EXPECT_EQ(r.ScreenUpSeconds, 1);
    EXPECT_EQ(r.ScreenDownSeconds, 1);
    EXPECT_EQ(r.RoomEmptyTimeout, 10);
    EXPECT_EQ(r.SensorThreshold, 128);
    EXPECT_EQ(r.UnlockedMinutes, 30);
    for (int16_t timeOut : r.InputAutoTimeOut) EXPECT_EQ(timeOut, 60);
    for (int16_t address : r.MeshloAddressTable) EXPECT_EQ(address, 0);
    EXPECT_EQ(r.ConfigSerialSlots[3].NumberOfBytes, 0);
    EXPECT_EQ(r.ConfigSerialSlots[3].ContentBytes[0], 0x41);  // not significant at count 0
    EXPECT_EQ(r.InputIRRecords[9].DeselectCommands[6].Data[1][127], 0);
    EXPECT_EQ(r.ConfigProjectorBlock.VolumeInsertByteNumber, -1);
    EXPECT_EQ(r.ConfigProjectorBlock.MaxVolume, 1);
    EXPECT_EQ(r.ConfigProjectorBlock.WarmUpTime, 1);
    EXPECT_EQ(r.ConfigNotes.full(), std::string(200, ' '));

    const ConfigurationRecord once = r;
    config->ClearConfiguration();
    EXPECT_EQ(config->Record, once);
}

TEST(Configuration, ClearKeepsNothingOfThePreviousProjector)
{
    auto config = std::make_unique<Configuration>();
    ConfigProjectorBlockRecord& block = config->Record.ConfigProjectorBlock;
    block.Baudrate = 3;
    block.UsePreviousLevel = true;
    block.Reserved = {5, 6};
    block.LastReserved = 7;
    config->ClearConfiguration();
    EXPECT_EQ(block.Baudrate, 0);
    EXPECT_FALSE(block.UsePreviousLevel);
    EXPECT_EQ(block.Reserved[0], 0);
    EXPECT_EQ(block.Reserved[1], 0);
    EXPECT_EQ(block.LastReserved, 0);
}

TEST(Configuration, SerialSlotSurvivesStoreAndLoadIntoAFreshObject)
{
    auto config = std::make_unique<Configuration>();
    SerialClass& message = config->ConfigSerialStrings(21);
    message.Manufacturer("ACME CORPORATION LIMITED");  // 24 characters: the slot keeps 16
    message.Model("M1");
    message.MyType("DVD");
    message.Command("PLAY");
    message.Baudrate(2);
    message.Parity(1);
    message.InterByteDelay(5);
    message.IsFromLibrary(true);
    message.MyRS232StringClass().NumberOfBytes(3);
    for (int j = 0; j < 3; ++j) {
        message.MyRS232StringClass().ContentBytes(j, static_cast<uint8_t>(0x30 + j));
        message.MyRS232StringClass().ContentTypes(j, j == 2 ? ContentIgnore : ContentAscii);
    }
    config->StoreSerialSlotToConfig(21);
    EXPECT_EQ(config->Record.ConfigSerialSlots[21].Manufacturer.full(), "ACME CORPORATION");

    auto other = std::make_unique<Configuration>();
    other->Record = config->Record;
    SerialClass& fresh = other->ConfigSerialStrings(21);
    fresh.SerialType(SerialClass::ProjectorMessage);
    fresh.CanBeInput(true);
    fresh.ConfigIndex(21);
    other->LoadSerialSlotFromConfig(21);

    EXPECT_TRUE(fresh.MyRS232StringClass().IsSameAs(message.MyRS232StringClass()));
    EXPECT_EQ(fresh.Manufacturer(), "ACME CORPORATION" + std::string(16, ' '));
    EXPECT_EQ(fresh.Model(), message.Model());
    EXPECT_EQ(fresh.MyType(), message.MyType());
    EXPECT_EQ(fresh.Command(), message.Command());
    EXPECT_EQ(fresh.Baudrate(), 2);
    EXPECT_EQ(fresh.Parity(), 1);
    EXPECT_EQ(fresh.InterByteDelay(), 5);
    EXPECT_TRUE(fresh.IsFromLibrary());
    EXPECT_EQ(fresh.SerialType(), SerialClass::ProjectorMessage);
    EXPECT_TRUE(fresh.CanBeInput());
    EXPECT_EQ(fresh.ConfigIndex(), 21);
}

TEST(Configuration, SlotIndicesAreChecked)
{
    auto config = std::make_unique<Configuration>();
    EXPECT_NO_THROW(config->ConfigSerialStrings(40));
    EXPECT_THROW(config->ConfigSerialStrings(41), SubscriptOutOfRange);
    EXPECT_THROW(config->StoreSerialSlotToConfig(40), SubscriptOutOfRange);
    EXPECT_THROW(config->LoadSerialSlotFromConfig(-1), SubscriptOutOfRange);

    config->Record.ConfigSerialSlots[0].NumberOfBytes = 33;
    EXPECT_THROW(config->LoadSerialSlotFromConfig(0), SubscriptOutOfRange);
    config->Record.ConfigSerialSlots[0].NumberOfBytes = 256;
    EXPECT_THROW(config->LoadSerialSlotFromConfig(0), ValueOverflow);
}

TEST(Configuration, ProjectorSurvivesStoreAndLoadWithFullMessages)
{
    auto config = std::make_unique<Configuration>();
    ProjectorClass& projector = config->ConfigProjector();
    projector.Manufacturer("BRIGHTVIEW");
    projector.Model("X200");
    projector.Notes("lamp \"eco\" mode");
    projector.Baudrate(4);
    projector.Parity(2);
    projector.InterByteDelay(3);
    projector.InterCommandDelay(250);
    projector.WarmUpTime(30);
    projector.CoolDownTime(90);
    projector.InUse(24, true);
    projector.ReplyRequired(12, true);
    RS232_String_Class& full = projector.My_RS232_String_Class(7);
    full.NumberOfBytes(32);
    for (int j = 0; j < 32; ++j) {
        full.ContentBytes(j, static_cast<uint8_t>(200 + j));
        full.ContentTypes(j, static_cast<uint8_t>(j % 7));
    }
    VolumeExtensionClass& volume = projector.My_VolumeExtensionClass();
    volume.Clear();
    volume.UseLevelForVolume(true);
    volume.UsePreviousLevel(true);
    volume.VolumeInsertByteNumber(5);
    volume.MaxVolume(63);
    volume.VolumeNumberOfBytes(2);
    volume.VolumeFirstByteIsLow(true);
    config->Record.ConfigProjectorBlock.Reserved = {8, 9};
    config->StoreProjectorToConfig();
    EXPECT_EQ(config->Record.ConfigProjectorBlock.Messages[7].ContentBytes[31], 231);
    EXPECT_EQ(config->Record.ConfigProjectorBlock.Reserved[1], 9);  // not the projector's

    auto other = std::make_unique<Configuration>();
    other->Record = config->Record;
    other->LoadProjectorFromConfig();
    EXPECT_TRUE(other->ConfigProjector().IsSameAs(projector));
    EXPECT_EQ(other->ConfigProjector().My_RS232_String_Class(7).NumberOfBytes(), 32);
}
