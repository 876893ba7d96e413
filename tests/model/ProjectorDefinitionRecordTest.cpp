#include "ModelBuilders.h"
#include "model/ProjectorClass.h"
#include "model/ProjectorDefinitionRecord.h"
#include "model/RuntimeErrors.h"

#include <gtest/gtest.h>
#include <string>

using ModelBuilders::FillProjector;

TEST(ProjectorDefinitionRecord, FieldsStandAtTheirOffsets)
{
    ProjectorClass definition;
    FillProjector(definition, "acme", "Pj-100");
    ProjectorDefinitionRecord record;
    record.StoreDefinition(definition);

    EXPECT_EQ(record.size(), 2084u);
    EXPECT_EQ(record.TextAt(0, 32), "acme" + std::string(28, ' '));  // names keep their case
    EXPECT_EQ(record.TextAt(32, 32), "Pj-100" + std::string(26, ' '));
    EXPECT_EQ(record.TextAt(64, 20), "Lamp hours in menu 4");
    EXPECT_EQ(record.TextAt(84, 236), std::string(236, ' '));
    EXPECT_EQ(record.Int16At(320), 0);   // InUse 0
    EXPECT_EQ(record.Int16At(322), -1);  // InUse 1
    EXPECT_EQ(record.Int16At(368), 0);   // InUse 24
    EXPECT_EQ(record.Int16At(370), 0);   // ReplyRequired 0
    EXPECT_EQ(record.Int16At(394), 0);   // ReplyRequired 12
    EXPECT_EQ(record.Int16At(372), -1);  // ReplyRequired 1
    EXPECT_EQ(record.Int16At(396), 4);   // slot 0 count "CMD0"
    EXPECT_EQ(record.TextAt(398, 4), "CMD0");
    EXPECT_EQ(record.ByteAt(396 + 34), 0);  // slot 0 type
    const std::size_t slot24 = 396 + 66 * 24;
    EXPECT_EQ(record.Int16At(slot24), 5);
    EXPECT_EQ(record.TextAt(slot24 + 2, 5), "CMD24");
    EXPECT_EQ(record.ByteAt(slot24 + 34), 24 % 7);
    EXPECT_EQ(slot24 + 66, 2046u);
    EXPECT_EQ(record.Int16At(2046), 63);   // MaxVolume
    EXPECT_EQ(record.Int16At(2048), 2);    // MinVolume
    EXPECT_EQ(record.Int16At(2050), 1);    // VolumeMessageFormat
    EXPECT_EQ(record.Int16At(2052), -1);   // VolumeFirstByteIsLow
    EXPECT_EQ(record.Int16At(2054), 3);    // VolumeNumberOfBytes
    EXPECT_EQ(record.Int16At(2056), -1);   // UseLevelForVolume
    EXPECT_EQ(record.Int16At(2058), 4);    // VolumeStep
    EXPECT_EQ(record.Int16At(2060), 20);   // StartUpVolume
    EXPECT_EQ(record.Int16At(2062), -1);   // UsePreviousLevel
    EXPECT_EQ(record.Int16At(2064), 0);    // reserved
    EXPECT_EQ(record.Int16At(2066), 0);    // reserved
    EXPECT_EQ(record.Int16At(2068), 2);    // Baudrate
    EXPECT_EQ(record.Int16At(2070), 300);  // InterCommandDelay
    EXPECT_EQ(record.ByteAt(2070), 0x2C);  // little-endian
    EXPECT_EQ(record.ByteAt(2071), 0x01);
    EXPECT_EQ(record.Int16At(2072), 7);    // InterByteDelay
    EXPECT_EQ(record.Int16At(2074), 90);   // CoolDownTime
    EXPECT_EQ(record.Int16At(2076), -30);  // WarmUpTime
    EXPECT_EQ(record.ByteAt(2076), 0xE2);
    EXPECT_EQ(record.ByteAt(2077), 0xFF);
    EXPECT_EQ(record.Int16At(2078), 5);  // VolumeInsertByteNumber
    EXPECT_EQ(record.Int16At(2080), 1);  // Parity
    EXPECT_EQ(record.Int16At(2082), 0);  // reserved
}

TEST(ProjectorDefinitionRecord, EveryFieldSurvivesARoundTrip)
{
    ProjectorClass definition;
    FillProjector(definition, "acme", "Pj-100");
    ModelBuilders::SetMessage(definition.My_RS232_String_Class(7), std::string(32, '\xFE'), ContentBinary);
    ProjectorDefinitionRecord record;
    record.StoreDefinition(definition);
    ProjectorClass back;
    record.FillDefinition(back);
    EXPECT_TRUE(back.IsSameAs(definition));
    EXPECT_EQ(back.My_RS232_String_Class(7).NumberOfBytes(), 32);
}

TEST(ProjectorDefinitionRecord, WriterClearsWhatTheRecordHeld)
{
    ProjectorDefinitionRecord record;
    for (std::size_t i = 0; i < record.size(); ++i) record.SetByte(i, 0xA5);
    ProjectorClass definition;
    FillProjector(definition);
    definition.My_RS232_String_Class(0).NumberOfBytes(1);
    record.StoreDefinition(definition);
    EXPECT_EQ(record.Int16At(2064), 0);
    EXPECT_EQ(record.Int16At(2082), 0);
    EXPECT_EQ(ModelBuilders::NonZeroBytesBeyondCount(record, 396), 0);
}

TEST(ProjectorDefinitionRecord, CountsThatAMessageCannotHoldRaiseBeforeAnythingChanges)
{
    ProjectorClass definition;
    FillProjector(definition);
    ProjectorDefinitionRecord record;
    record.StoreDefinition(definition);
    record.Manufacturer("OTHER");

    record.SetInt16(396 + 66 * 24, 40);
    ProjectorClass target;
    target.CopyFromProjectorClass(definition);
    EXPECT_THROW(record.FillDefinition(target), SubscriptOutOfRange);
    EXPECT_TRUE(target.IsSameAs(definition));

    record.SetInt16(396 + 66 * 24, 300);
    EXPECT_THROW(record.FillDefinition(target), ValueOverflow);
    record.SetInt16(396 + 66 * 24, -1);
    EXPECT_THROW(record.FillDefinition(target), ValueOverflow);
    EXPECT_TRUE(target.IsSameAs(definition));
}
