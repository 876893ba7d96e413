#include "model/RS232_String_Class.h"
#include "model/RuntimeErrors.h"
#include "model/VolumeExtensionClass.h"

#include <gtest/gtest.h>

namespace {

RS232_String_Class MessageOf(std::initializer_list<std::pair<uint8_t, uint8_t>> bytesAndTypes)
{
    RS232_String_Class message;
    int i = 0;
    for (auto [byte, type] : bytesAndTypes) {
        message.ContentBytes(i, byte);
        message.ContentTypes(i, type);
        ++i;
    }
    message.NumberOfBytes(i);
    return message;
}

}  // namespace

TEST(MessageBytes, IndexAndCountOutsideTheirRangeRaise)
{
    RS232_String_Class message;
    EXPECT_THROW(message.ContentBytes(32, 1), SubscriptOutOfRange);
    EXPECT_THROW(message.ContentBytes(-1), SubscriptOutOfRange);
    EXPECT_THROW(message.ContentTypes(32), SubscriptOutOfRange);
    EXPECT_THROW(message.NumberOfBytes(33), SubscriptOutOfRange);
    EXPECT_NO_THROW(message.NumberOfBytes(32));
    EXPECT_EQ(message.NumberOfBytes(), 32);
}

TEST(MessageBytes, EmptyMessagesAreEqualWhateverTheirStaleBytes)
{
    RS232_String_Class a = MessageOf({{'A', ContentIgnore}, {'B', ContentVariable}});
    RS232_String_Class b = MessageOf({{'X', ContentHex}});
    a.Clear();
    b.Clear();
    EXPECT_TRUE(a.IsSameAs(b));
    EXPECT_FALSE(a.ContainsIgnore());
    EXPECT_FALSE(a.ContainsVariable());
    // The stale bytes are still there beyond the count.
    EXPECT_EQ(a.ContentBytes(0), 'A');
}

TEST(MessageBytes, CopyTakesOnlyTheBytesBelowTheCount)
{
    RS232_String_Class source = MessageOf({{'A', ContentAscii}, {'B', ContentAscii}, {'C', ContentAscii}});
    source.Clear();
    source.ContentBytes(0, 'Z');
    source.NumberOfBytes(1);

    RS232_String_Class target = MessageOf({{'1', ContentHex}, {'2', ContentHex}, {'3', ContentHex}});
    target.CopyFromThisRS232StringClass(source);
    EXPECT_EQ(target.NumberOfBytes(), 1);
    EXPECT_EQ(target.ContentBytes(0), 'Z');
    EXPECT_EQ(target.ContentTypes(0), ContentAscii);
    // Beyond the count the target keeps its own stale bytes.
    EXPECT_EQ(target.ContentBytes(1), '2');
    EXPECT_EQ(target.ContentTypes(2), ContentHex);
}

TEST(MessageBytes, SameBytesOfDifferentTypesDiffer)
{
    EXPECT_FALSE(MessageOf({{10, ContentHex}}).IsSameAs(MessageOf({{10, ContentDecimal}})));
    EXPECT_FALSE(MessageOf({{10, ContentHex}}).IsSameAs(MessageOf({{11, ContentHex}})));
    EXPECT_FALSE(MessageOf({{10, ContentHex}}).IsSameAs(MessageOf({{10, ContentHex}, {10, ContentHex}})));
    EXPECT_TRUE(MessageOf({{10, ContentHex}, {'a', ContentAscii}})
                    .IsSameAs(MessageOf({{10, ContentHex}, {'a', ContentAscii}})));
}

TEST(MessageBytes, ContainsLooksOnlyBelowTheCount)
{
    RS232_String_Class message = MessageOf({{1, ContentAscii}, {2, ContentIgnore}, {3, ContentVariable}});
    EXPECT_TRUE(message.ContainsIgnore());
    EXPECT_TRUE(message.ContainsVariable());
    message.NumberOfBytes(2);
    EXPECT_TRUE(message.ContainsIgnore());
    EXPECT_FALSE(message.ContainsVariable());
    message.NumberOfBytes(1);
    EXPECT_FALSE(message.ContainsIgnore());
}

TEST(MessageBytes, MakeAllTypeChangesAllThirtyTwoPlaces)
{
    RS232_String_Class message = MessageOf({{1, ContentAscii}, {2, ContentAscii}, {3, ContentAscii}});
    message.MakeAllType(ContentHex);
    message.NumberOfBytes(32);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(message.ContentTypes(i), ContentHex) << "place " << i;
}

TEST(VolumeFormat, NewClearedCopiedAndCompared)
{
    VolumeExtensionClass fresh;
    EXPECT_EQ(fresh.VolumeInsertByteNumber(), 0);
    EXPECT_EQ(fresh.VolumeNumberOfBytes(), 0);
    EXPECT_EQ(fresh.MaxVolume(), 0);

    VolumeExtensionClass cleared;
    cleared.Clear();
    EXPECT_EQ(cleared.VolumeInsertByteNumber(), -1);
    EXPECT_EQ(cleared.MaxVolume(), 1);
    EXPECT_EQ(cleared.MinVolume(), 0);
    EXPECT_EQ(cleared.VolumeNumberOfBytes(), 1);
    EXPECT_EQ(cleared.VolumeStep(), 1);
    EXPECT_EQ(cleared.StartUpVolume(), 0);
    EXPECT_EQ(cleared.VolumeMessageFormat(), 0);
    EXPECT_FALSE(cleared.UseLevelForVolume() || cleared.UsePreviousLevel() || cleared.VolumeFirstByteIsLow());
    EXPECT_FALSE(fresh.IsSameAs(cleared));

    VolumeExtensionClass set;
    set.Clear();
    set.MaxVolume(100);
    set.VolumeFirstByteIsLow(true);
    set.VolumeInsertByteNumber(4);
    VolumeExtensionClass copy;
    copy.CopyFrom(set);
    EXPECT_TRUE(copy.IsSameAs(set));
    copy.Clear();
    EXPECT_FALSE(copy.IsSameAs(set));
    EXPECT_TRUE(copy.IsSameAs(cleared));

    // Each field takes part in the comparison.
    const auto differsAfter = [&](auto change) {
        VolumeExtensionClass other;
        other.CopyFrom(set);
        change(other);
        return !other.IsSameAs(set);
    };
    EXPECT_TRUE(differsAfter([](auto& v) { v.VolumeInsertByteNumber(5); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.MaxVolume(99); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.MinVolume(3); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.VolumeMessageFormat(2); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.VolumeNumberOfBytes(2); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.VolumeStep(2); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.StartUpVolume(7); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.UseLevelForVolume(true); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.UsePreviousLevel(true); }));
    EXPECT_TRUE(differsAfter([](auto& v) { v.VolumeFirstByteIsLow(false); }));
}
