#include "ModelBuilders.h"
#include "model/ProjectorClass.h"
#include "model/RuntimeErrors.h"
#include "model/SerialClass.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using ModelBuilders::FillProjector;

namespace {

using Change = std::function<void(ProjectorClass&)>;

// One change per field that the whole-object operations copy and compare.
const std::vector<std::pair<const char*, Change>> ComparedFields = {
    {"InUse 24", [](ProjectorClass& p) { p.InUse(24, !p.InUse(24)); }},
    {"message 0 type", [](ProjectorClass& p) { p.My_RS232_String_Class(0).ContentTypes(0, ContentIgnore); }},
    {"message 24 count", [](ProjectorClass& p) { p.My_RS232_String_Class(24).NumberOfBytes(1); }},
    {"ReplyRequired 12", [](ProjectorClass& p) { p.ReplyRequired(12, !p.ReplyRequired(12)); }},
    {"volume", [](ProjectorClass& p) { p.My_VolumeExtensionClass().StartUpVolume(21); }},
    {"InterCommandDelay", [](ProjectorClass& p) { p.InterCommandDelay(301); }},
    {"WarmUpTime", [](ProjectorClass& p) { p.WarmUpTime(31); }},
    {"CoolDownTime", [](ProjectorClass& p) { p.CoolDownTime(91); }},
    {"Manufacturer case", [](ProjectorClass& p) { p.Manufacturer("Acme"); }},
    {"Model", [](ProjectorClass& p) { p.Model("PJ-101"); }},
    {"Notes case", [](ProjectorClass& p) { p.Notes("lamp hours in menu 4"); }},
    {"Baudrate", [](ProjectorClass& p) { p.Baudrate(4); }},
    {"InterByteDelay", [](ProjectorClass& p) { p.InterByteDelay(8); }},
    {"Parity", [](ProjectorClass& p) { p.Parity(2); }},
};

}  // namespace

TEST(ProjectorClass, NewDefinitionIsBlankWithZeroLevelFormat)
{
    ProjectorClass definition;
    EXPECT_EQ(definition.Manufacturer(), std::string(32, ' '));
    EXPECT_EQ(definition.Notes(), std::string(256, ' '));
    EXPECT_EQ(definition.My_RS232_String_Class(24).NumberOfBytes(), 0);
    EXPECT_EQ(definition.My_VolumeExtensionClass().MaxVolume(), 0);
    EXPECT_EQ(definition.My_VolumeExtensionClass().VolumeInsertByteNumber(), 0);
}

TEST(ProjectorClass, NamesArePaddedAndCutToTheirFields)
{
    ProjectorClass definition;
    definition.Model(std::string(40, 'M'));
    EXPECT_EQ(definition.Model(), std::string(32, 'M'));
    definition.Manufacturer("acme");
    EXPECT_EQ(definition.Manufacturer(), "acme" + std::string(28, ' '));
    definition.Notes(std::string(300, 'n'));
    EXPECT_EQ(definition.Notes(), std::string(256, 'n'));
}

TEST(ProjectorClass, IndexesOutsideTheirRangesRaise)
{
    ProjectorClass definition;
    EXPECT_THROW(definition.ReplyRequired(13), SubscriptOutOfRange);
    EXPECT_THROW(definition.ReplyRequired(-1, true), SubscriptOutOfRange);
    EXPECT_THROW(definition.InUse(25), SubscriptOutOfRange);
    EXPECT_THROW(definition.My_RS232_String_Class(25), SubscriptOutOfRange);
    EXPECT_NO_THROW(definition.ReplyRequired(12, true));
    EXPECT_NO_THROW(definition.InUse(24, true));
}

TEST(ProjectorClass, CopyIsTheSameAndEveryFieldChangeMakesItDiffer)
{
    for (const auto& [name, change] : ComparedFields) {
        ProjectorClass original;
        FillProjector(original);
        ProjectorClass copy;
        copy.CopyFromProjectorClass(original);
        ASSERT_TRUE(copy.IsSameAs(original)) << name;
        change(copy);
        EXPECT_FALSE(copy.IsSameAs(original)) << name;
        EXPECT_FALSE(original.IsSameAs(copy)) << name;
    }
}

TEST(ProjectorClass, CopyOwnsItsMessagesAndLevelFormat)
{
    ProjectorClass original;
    FillProjector(original);
    ProjectorClass copy;
    copy.CopyFromProjectorClass(original);
    original.My_RS232_String_Class(3).ContentBytes(0, 'X');
    original.My_VolumeExtensionClass().MaxVolume(1);
    EXPECT_EQ(copy.My_RS232_String_Class(3).ContentBytes(0), 'C');
    EXPECT_EQ(copy.My_VolumeExtensionClass().MaxVolume(), 63);
    copy.CopyFromProjectorClass(copy);
    EXPECT_EQ(copy.My_VolumeExtensionClass().MaxVolume(), 63);
}

TEST(ProjectorClass, StaleBytesBeyondTheCountDoNotCount)
{
    ProjectorClass a;
    ProjectorClass b;
    FillProjector(a);
    b.CopyFromProjectorClass(a);
    a.My_RS232_String_Class(5).ContentBytes(20, 0x55);
    b.My_RS232_String_Class(5).ContentTypes(31, ContentVariable);
    EXPECT_TRUE(a.IsSameAs(b));
}

TEST(ProjectorClass, ClearSetsTheLevelFormatDefaultsAndKeepsStaleBytes)
{
    ProjectorClass definition;
    definition.Clear();
    const VolumeExtensionClass& volume = definition.My_VolumeExtensionClass();
    EXPECT_EQ(volume.VolumeInsertByteNumber(), -1);
    EXPECT_EQ(volume.MaxVolume(), 1);
    EXPECT_EQ(volume.VolumeNumberOfBytes(), 1);
    EXPECT_EQ(volume.VolumeStep(), 1);

    FillProjector(definition);
    definition.Clear();
    EXPECT_EQ(definition.Manufacturer(), std::string(32, ' '));
    EXPECT_EQ(definition.Notes(), std::string(256, ' '));
    for (int i = 0; i < ProjectorClass::MessageSlots; ++i) {
        EXPECT_FALSE(definition.InUse(i));
        EXPECT_EQ(definition.My_RS232_String_Class(i).NumberOfBytes(), 0);
    }
    for (int i = 0; i < ProjectorClass::ReplyFlags; ++i) EXPECT_FALSE(definition.ReplyRequired(i));
    EXPECT_EQ(definition.My_RS232_String_Class(2).ContentBytes(0), 'C');
    EXPECT_EQ(definition.Baudrate() | definition.Parity() | definition.InterByteDelay() |
                  definition.InterCommandDelay() | definition.WarmUpTime() | definition.CoolDownTime(),
              0);
}

TEST(ProjectorClass, FillSerialClassMakesTheMessageStandForOneSlot)
{
    ProjectorClass definition;
    FillProjector(definition);
    SerialClass message;
    message.SerialType(SerialClass::ProjectorMessage);
    message.Command("OLD");
    message.IsFromLibrary(true);

    definition.FillSerialClass(message, 6);
    EXPECT_EQ(message.SerialType(), SerialClass::ProjectorMessage);
    EXPECT_TRUE(message.CanBeVariable());
    EXPECT_FALSE(message.CanBeInput());
    EXPECT_EQ(message.ConfigIndex(), 6);
    EXPECT_EQ(message.Command(), std::string(32, ' '));
    EXPECT_FALSE(message.IsFromLibrary());
    EXPECT_EQ(message.Manufacturer(), definition.Manufacturer());
    EXPECT_EQ(message.Baudrate(), 2);
    EXPECT_EQ(message.InterByteDelay(), 7);
    EXPECT_TRUE(message.MyRS232StringClass().IsSameAs(definition.My_RS232_String_Class(6)));
    ASSERT_TRUE(message.VolumeExtension());
    EXPECT_TRUE(message.VolumeExtension()->IsSameAs(definition.My_VolumeExtensionClass()));
    EXPECT_NE(message.VolumeExtension().get(), &definition.My_VolumeExtensionClass());

    definition.FillSerialClass(message, 10);
    EXPECT_TRUE(message.CanBeInput());
    EXPECT_FALSE(message.CanBeVariable());
    EXPECT_THROW(definition.FillSerialClass(message, 25), SubscriptOutOfRange);
}
