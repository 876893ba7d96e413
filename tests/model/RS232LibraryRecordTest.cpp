#include "ModelBuilders.h"
#include "model/RS232FileBlockClass.h"
#include "model/RS232LibraryRecord.h"
#include "model/RuntimeErrors.h"

#include <gtest/gtest.h>
#include <string>

using ModelBuilders::FillLibrary;

TEST(RS232LibraryRecord, FieldsStandAtTheirOffsets)
{
    RS232FileBlockClass library;
    FillLibrary(library, "acme", "projector", "pj-100");
    library.Command(0, "Power On");
    library.IsFromLibrary(0, true);
    RS232LibraryRecord record;
    record.StoreLibrary(library);

    EXPECT_EQ(record.size(), 2904u);
    EXPECT_EQ(record.TextAt(0, 16), "ACME" + std::string(12, ' '));
    EXPECT_EQ(record.TextAt(16, 16), "PJ-100" + std::string(10, ' '));
    EXPECT_EQ(record.TextAt(32, 16), "PROJECTOR" + std::string(7, ' '));
    EXPECT_EQ(record.TextAt(48, 17), "Use the rear port");
    EXPECT_EQ(record.TextAt(65, 143), std::string(143, ' '));
    EXPECT_EQ(record.Int16At(208), 3);   // Baudrate
    EXPECT_EQ(record.Int16At(210), 2);   // Parity
    EXPECT_EQ(record.Int16At(212), 0);   // reserved
    EXPECT_EQ(record.Int16At(214), 12);  // InterByteDelay
    EXPECT_EQ(record.Int16At(216), 4);   // command 0 count
    EXPECT_EQ(record.TextAt(218, 4), "PW0\r");
    EXPECT_EQ(record.ByteAt(216 + 34), ContentAscii);
    EXPECT_EQ(record.Int16At(216 + 66 * 3), 4);
    EXPECT_EQ(record.ByteAt(216 + 66 * 3 + 34), 3);  // command 3 content type
    const std::size_t last = 216 + 66 * 31;
    EXPECT_EQ(record.Int16At(last), 4);
    EXPECT_EQ(record.TextAt(last + 2, 4), "LAST");
    EXPECT_EQ(record.ByteAt(last + 34), ContentHex);
    EXPECT_EQ(last + 66, 2328u);
    EXPECT_EQ(record.TextAt(2328, 16), "Power On" + std::string(8, ' '));  // command names keep their case
    EXPECT_EQ(record.TextAt(2328 + 16 * 31, 16), "LAST SLOT" + std::string(7, ' '));
    EXPECT_EQ(record.Int16At(2840), -1);  // command 0 is an input
    EXPECT_EQ(record.Int16At(2842), 0);
    EXPECT_EQ(record.Int16At(2840 + 2 * 31), 0);
}

TEST(RS232LibraryRecord, EveryStoredFieldSurvivesARoundTripAndIsFromLibraryStays)
{
    RS232FileBlockClass library;
    FillLibrary(library);
    ModelBuilders::SetMessage(library.My_RS232_String_Class(10), std::string(32, '\x81'), ContentDecimal);
    library.Notes("Notes in Mixed Case");
    RS232LibraryRecord record;
    record.StoreLibrary(library);

    RS232FileBlockClass back;
    back.IsFromLibrary(4, true);
    record.FillLibrary(back);
    EXPECT_TRUE(back.IsFromLibrary(4));
    back.IsFromLibrary(4, false);
    EXPECT_TRUE(back.IsSameAs(library));
}

TEST(RS232LibraryRecord, NamesAreUpperCasedOnTheWayIn)
{
    RS232FileBlockClass library;
    FillLibrary(library);
    RS232LibraryRecord record;
    record.StoreLibrary(library);
    record.Manufacturer("caf\xE9");
    record.Type("tv");
    record.SetText(2328, 16, "power on");
    RS232FileBlockClass back;
    record.FillLibrary(back);
    EXPECT_EQ(back.Manufacturer(), "CAF\xC9" + std::string(12, ' '));
    EXPECT_EQ(back.MyType(), "TV" + std::string(14, ' '));
    EXPECT_EQ(back.Command(0), "power on" + std::string(8, ' '));
    EXPECT_EQ(record.Manufacturer(), "caf\xE9" + std::string(12, ' '));  // the record stays as it was
}

TEST(RS232LibraryRecord, CountsThatAMessageCannotHoldRaiseBeforeAnythingChanges)
{
    RS232FileBlockClass library;
    FillLibrary(library);
    RS232LibraryRecord record;
    record.StoreLibrary(library);
    record.Manufacturer("OTHER");
    RS232FileBlockClass target;
    target.CopyFrom(library);

    record.SetInt16(216 + 66 * 31, 33);
    EXPECT_THROW(record.FillLibrary(target), SubscriptOutOfRange);
    record.SetInt16(216 + 66 * 31, 256);
    EXPECT_THROW(record.FillLibrary(target), ValueOverflow);
    EXPECT_TRUE(target.IsSameAs(library));
}

TEST(RS232LibraryRecord, ControlCharactersLeaveTheNamesWithoutTrimming)
{
    RS232LibraryRecord record;
    record.Manufacturer(std::string("  AC\0ME\t", 8));
    record.Model("\x01\x02");
    record.Type("tv");
    record.RemoveControlCharactersFromNames();
    EXPECT_EQ(record.Manufacturer(), "  ACME" + std::string(10, ' '));
    EXPECT_EQ(record.Model(), std::string(16, ' '));
    EXPECT_EQ(record.Type(), "tv" + std::string(14, ' '));
    EXPECT_FALSE(record.HasAllNames());
    record.Model("X");
    EXPECT_TRUE(record.HasAllNames());
}

// Loads decode whole 32-byte fields at once: only the places below the
// stored count may change, at every count from none to all.
TEST(RS232LibraryRecord, ReadingKeepsTheLibrarysBytesBeyondEachCount)
{
    RS232FileBlockClass library;
    for (int command = 0; command < 3; ++command)
        ModelBuilders::SetMessage(library.My_RS232_String_Class(command), std::string(32, 'o'), ContentHex);
    RS232FileBlockClass source;
    ModelBuilders::SetMessage(source.My_RS232_String_Class(0), "", ContentAscii);
    ModelBuilders::SetMessage(source.My_RS232_String_Class(1), "new", ContentDecimal);
    ModelBuilders::SetMessage(source.My_RS232_String_Class(2), std::string(32, 'n'), ContentBinary);
    RS232LibraryRecord record;
    record.SetBytes(RS232LibraryRecord::MessageOffset(1) + 2, reinterpret_cast<const uint8_t*>("xxxxxxxx"), 8);
    record.StoreLibrary(source);

    record.FillLibrary(library);
    const RS232_String_Class& none = library.My_RS232_String_Class(0);
    EXPECT_EQ(none.NumberOfBytes(), 0);
    EXPECT_EQ(none.ContentBytes(0), 'o');
    const RS232_String_Class& three = library.My_RS232_String_Class(1);
    EXPECT_EQ(three.NumberOfBytes(), 3);
    EXPECT_EQ(three.ContentBytes(2), 'w');
    EXPECT_EQ(three.ContentTypes(2), ContentDecimal);
    EXPECT_EQ(three.ContentBytes(3), 'o');  // not the record's stale 'x'
    EXPECT_EQ(three.ContentTypes(3), ContentHex);
    EXPECT_EQ(three.ContentBytes(31), 'o');
    const RS232_String_Class& all = library.My_RS232_String_Class(2);
    EXPECT_EQ(all.ContentBytes(31), 'n');
    EXPECT_EQ(all.ContentTypes(31), ContentBinary);
}
