#include "model/ConfigText.h"
#include "model/Configuration.h"
#include "platform/RecordFile.h"
#include "support/ConfigurationSamples.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<ConfigurationRecord> NewRecord()
{
    auto record = std::make_unique<ConfigurationRecord>();
    ClearConfigurationRecord(*record);
    return record;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace

TEST(ConfigText, NewConfigurationHasTheValuesAtTheirLines)
{
    const auto record = NewRecord();
    const std::string text = ConfigTextOf(*record);
    const auto lines = CrlfLines(text);

    ASSERT_EQ(lines.size(), 41450u);
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);  // no lone LF
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[1], "0");
    EXPECT_EQ(lines[2], "17");
    EXPECT_EQ(lines[3], "#FALSE#");
    EXPECT_EQ(lines[117], "-56");                          // VolumeMinimum
    EXPECT_EQ(lines[103], "10");                           // RoomEmptyTimeout
    EXPECT_EQ(lines[110], "30");                           // UnlockedMinutes
    EXPECT_EQ(lines[111], "0");                            // spare
    EXPECT_EQ(lines[124], Quoted(std::string(32, ' ')));   // projector manufacturer
    EXPECT_EQ(lines[126], Quoted(std::string(256, ' ')));  // projector notes
    EXPECT_EQ(lines[124 + 1681], "-1");                    // VolumeInsertByteNumber
    EXPECT_EQ(lines[41448], "0");
    EXPECT_EQ(lines[41449], Quoted(std::string(200, ' ')));
}

TEST(ConfigText, FieldsStandAtTheirPositions)
{
    auto record = NewRecord();
    record->ConfigSerialSlots[0].Manufacturer = "ABC";
    record->ConfigSerialSlots[39].Command = "LAST";
    record->ConfigSerialSlots[39].ContentTypes[31] = 6;
    record->ConfigProjectorBlock.Baudrate = 4;
    record->ConfigProjectorBlock.InterByteDelay = 9;
    record->ConfigProjectorBlock.Messages[24].ContentTypes[31] = 5;
    record->InputIRRecords[0].DeselectAssigned[0] = true;
    record->InputIRRecords[0].SelectCommands[0].Mode = 3;
    record->InputIRRecords[0].SelectCommands[0].InterPeriod = {11, 12};
    record->InputIRRecords[9].DeselectCommands[6].Data[1][127] = 77;
    record->MeshloAddressTable[49] = 2047;
    record->InactiveTimeoutHours = 12;

    const auto lines = CrlfLines(ConfigTextOf(*record));
    EXPECT_EQ(lines[54], "2047");
    EXPECT_EQ(lines[1807], "9");
    EXPECT_EQ(lines[124 + 1677], "4");
    EXPECT_EQ(lines[124 + 1665], "5");
    EXPECT_EQ(lines[1808], Quoted("ABC" + std::string(13, ' ')));
    EXPECT_EQ(lines[4726], "6");
    EXPECT_EQ(lines[4727], Quoted("LAST" + std::string(12, ' ')));
    EXPECT_EQ(lines[4728 + 18], "#TRUE#");  // deselect flags come first
    EXPECT_EQ(lines[4728 + 25], "#FALSE#");
    EXPECT_EQ(lines[4728 + 33], "3");
    EXPECT_EQ(lines[4728 + 34], "11");
    EXPECT_EQ(lines[4728 + 35], "12");
    EXPECT_EQ(lines[41447], "77");
    EXPECT_EQ(lines[41448], "12");
}

TEST(ConfigText, EveryVariableSurvivesWritingAndReading)
{
    auto written = std::make_unique<ConfigurationRecord>();
    FillEveryVariable(*written, 1);
    auto read = std::make_unique<ConfigurationRecord>();
    FillEveryVariable(*read, 2);
    const int16_t unstoredAddress = read->MeshloAddressTable[50];
    const int16_t unstoredReserved = read->ConfigProjectorBlock.LastReserved;

    TempProgramFolder folder;
    WriteConfigText(folder / "Config.tmp", *written);
    ReadConfigText(folder / "Config.tmp", *read);

    written->MeshloAddressTable[50] = unstoredAddress;
    written->ConfigProjectorBlock.LastReserved = unstoredReserved;
    EXPECT_TRUE(*read == *written);
    EXPECT_THROW(ReadConfigText(folder / "missing.tmp", *read), FileError);
}

TEST(ConfigText, ReaderTakesCommasLoneLineFeedsAndAnyVersion)
{
    auto written = std::make_unique<ConfigurationRecord>();
    FillEveryVariable(*written, 3);
    auto lines = CrlfLines(ConfigTextOf(*written));
    lines[0] = "2";
    lines[1] = "5";
    lines[2] = "-300";
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) text += lines[i] + (i % 3 == 0 ? "," : i % 3 == 1 ? "\n" : "\r\n");

    auto read = std::make_unique<ConfigurationRecord>(*written);
    FillEveryVariable(*read, 4);
    read->MeshloAddressTable[50] = written->MeshloAddressTable[50];
    read->ConfigProjectorBlock.LastReserved = written->ConfigProjectorBlock.LastReserved;
    ParseConfigText(text, *read);
    EXPECT_TRUE(*read == *written);
}

TEST(ConfigText, QuotationMarkInsideATextShiftsNothing)
{
    auto written = NewRecord();
    written->ConfigSerialSlots[0].Manufacturer = "SAY \"HI\"";
    written->ConfigProjectorBlock.Notes = "a \"quoted\" note,\r\nover two lines\"";
    written->ConfigNotes = "ends with a mark\"";
    written->ConfigSerialSlots[0].Model = "AFTER";

    auto read = NewRecord();
    ParseConfigText(ConfigTextOf(*written), *read);
    EXPECT_TRUE(*read == *written);

    // Shorter fields from another writer still read up to their closing mark.
    auto lines = CrlfLines(ConfigTextOf(*NewRecord()));
    lines[1808] = Quoted("SHORT");
    ParseConfigText(Joined(lines), *read);
    EXPECT_EQ(read->ConfigSerialSlots[0].Manufacturer.full(), "SHORT" + std::string(11, ' '));
}

TEST(ConfigText, DamagedFileChangesNothing)
{
    auto good = std::make_unique<ConfigurationRecord>();
    FillEveryVariable(*good, 5);
    const auto lines = CrlfLines(ConfigTextOf(*good));

    auto damaged = [&](std::size_t line, const std::string& value) {
        auto copy = lines;
        copy[line] = value;
        return Joined(copy);
    };
    std::vector<std::string> files = {
        Joined(std::vector<std::string>(lines.begin(), lines.end() - 1)),  // ends early
        std::string(),
        damaged(5, Quoted("TEXT")),          // text where an Integer is due
        damaged(3, "maybe"),                 // neither Boolean nor number
        damaged(2000, "300"),                // does not fit a Byte
        damaged(200, "-1"),                  // nor this one
        damaged(6, "40000"),                 // does not fit an Integer
        damaged(41449, "\"never closed"),    // text without its closing mark
        damaged(1808, "\"ABC\" trailing"),   // junk after a text
        damaged(1808 + 7, "33"),             // slot 0: more bytes than a message holds
        damaged(1808 + 73 * 39 + 7, "-1"),   // slot 39: a negative count
        damaged(165, "40"),                  // projector message 0
        damaged(124 + 41 + 65 * 24, "300"),  // projector message 24
    };
    for (std::size_t i = 0; i < files.size(); ++i) {
        auto record = NewRecord();
        const auto before = std::make_unique<ConfigurationRecord>(*record);
        EXPECT_THROW(ParseConfigText(files[i], *record), ConfigTextError) << "file " << i;
        EXPECT_TRUE(*record == *before) << "file " << i;
    }
}
