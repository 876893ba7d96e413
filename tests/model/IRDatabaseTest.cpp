#include "model/IRClassGlobals.h"
#include "model/RuntimeErrors.h"
#include "support/ScriptedPrompts.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

IRclass& AddLibrary(IRClassGlobals& ir, const std::string& manufacturer, const std::string& irType,
                    const std::string& model, int commands)
{
    IRclass& library = ir.AddIRLibrary();
    library.Manufacturer(manufacturer);
    library.IRtype(irType);
    library.Model(model);
    library.Comment("comment");
    library.InterPeriod0(2);
    for (int k = 0; k < commands; ++k) {
        IRCommandClass& command = library.AddIRCommand();
        command.Name("KEY" + std::to_string(k));
        command.Mode(static_cast<uint8_t>(k % 2));
        for (int i = 0; i < IRCommandClass::DataLength; ++i) {
            command.Data(IRPart::Repeat, i, static_cast<uint8_t>(k + i));
            command.Data(IRPart::Start, i, static_cast<uint8_t>(k * 7 + i));
        }
    }
    return library;
}

// These tests never touch the disk.
const std::filesystem::path Unused = "/nonexistent";

}  // namespace

TEST(IRDatabase, AddRemoveClearAndIndexes)
{
    ScriptedPrompts prompts;
    IRClassGlobals ir(Unused, prompts);
    EXPECT_FALSE(ir.IRDatabaseAllocated());
    EXPECT_THROW(ir.IRDatabase()[0], SubscriptOutOfRange);
    AddLibrary(ir, "A", "T", "1", 0);
    AddLibrary(ir, "B", "T", "2", 0);
    AddLibrary(ir, "C", "T", "3", 0);
    EXPECT_TRUE(ir.IRDatabaseAllocated());
    EXPECT_THROW(ir.IRDatabase()[3], SubscriptOutOfRange);
    EXPECT_THROW(ir.IRDatabase()[-1], SubscriptOutOfRange);
    EXPECT_THROW(ir.IRLibraryToRecord(3), SubscriptOutOfRange);

    ir.IRDatabase().Remove(1);
    EXPECT_THROW(ir.IRDatabase().Remove(7), SubscriptOutOfRange);
    ASSERT_EQ(ir.IRDatabase().Count(), 2);
    EXPECT_EQ(ir.IRDatabase()[1].Manufacturer(), FixedText<16>("C").full());
    ir.ClearIRDatabase();
    EXPECT_FALSE(ir.IRDatabaseAllocated());
}

TEST(IRDatabase, FindNormalisesTheNamesItIsGiven)
{
    ScriptedPrompts prompts;
    IRClassGlobals ir(Unused, prompts);
    std::string manufacturer = " abc ";
    std::string irType = "tv";
    std::string model = "m1";
    EXPECT_EQ(ir.FindIRLibrary(manufacturer, irType, model), -1);
    EXPECT_EQ(manufacturer, " abc ");  // untouched while the database is empty

    AddLibrary(ir, "XYZ", "TV", "M1", 1);
    AddLibrary(ir, "  abc", "Tv ", "M1", 1);
    AddLibrary(ir, "ABC", "TV", "M1", 1);
    AddLibrary(ir, "caf\xE9", "tv", "m1", 1);
    EXPECT_EQ(ir.FindIRLibrary(manufacturer, irType, model), 1);
    EXPECT_EQ(manufacturer, "ABC");
    EXPECT_EQ(irType, "TV");
    EXPECT_EQ(model, "M1");

    std::string accented = "CAF\xC9";
    EXPECT_EQ(ir.FindIRLibrary(accented, irType, model), 3);
    std::string absent = "abd";
    EXPECT_EQ(ir.FindIRLibrary(absent, irType, model), -1);
    EXPECT_EQ(absent, "ABD");

    ir.IRHeaderRecordBuffer.Manufacturer = " xyz";
    ir.IRHeaderRecordBuffer.IRtype = "tv";
    ir.IRHeaderRecordBuffer.Model = "m1 ";
    EXPECT_EQ(ir.FindIRLibrary(ir.IRHeaderRecordBuffer.Manufacturer, ir.IRHeaderRecordBuffer.IRtype,
                               ir.IRHeaderRecordBuffer.Model),
              0);
    EXPECT_EQ(ir.IRHeaderRecordBuffer.Manufacturer.full(), FixedText<16>("XYZ").full());
    EXPECT_EQ(ir.IRHeaderRecordBuffer.Model.full(), FixedText<16>("M1").full());
}

TEST(IRDatabase, RecordTransfersCarryEverythingButCommandInterPeriods)
{
    ScriptedPrompts prompts;
    IRClassGlobals ir(Unused, prompts);
    IRclass& source = AddLibrary(ir, "SONIQ", "DVD", "X1", 3);
    source.InterPeriod1(6);
    source.IRCommands(2)->InterPeriod(IRPart::Start, 9);
    ir.IRLibraryToRecord(0);
    EXPECT_EQ(ir.IRHeaderRecordBuffer.Num_commands, 3);
    ASSERT_EQ(ir.IRCommandRecordBuffers.size(), 3u);
    EXPECT_EQ(ir.IRCommandRecordBuffers[2].InterPeriod[1], 0);
    EXPECT_EQ(ir.IRCommandRecordBuffers[2].PartData(IRPart::Start)[1], 15);

    IRclass& target = AddLibrary(ir, "OLD", "OLD", "OLD", 5);
    ir.IRRecordToLibrary(1);
    EXPECT_EQ(target.Manufacturer(), source.Manufacturer());
    EXPECT_EQ(target.Comment(), source.Comment());
    EXPECT_EQ(target.InterPeriod0(), 2);
    EXPECT_EQ(target.InterPeriod1(), 6);
    ASSERT_EQ(target.Num_commands(), 3);
    EXPECT_EQ(target.IRCommands(2)->InterPeriod(IRPart::Start), 0);
    EXPECT_EQ(target.IRCommands(2)->Part(IRPart::Start), source.IRCommands(2)->Part(IRPart::Start));
    EXPECT_EQ(target.IRCommands(1)->Mode(), 1);
    EXPECT_TRUE(ir.IRRecordMatchesLibrary(1));

    // Buffers that hold fewer commands than the header counts are refused
    // before the library is touched.
    ir.IRCommandRecordBuffers.pop_back();
    EXPECT_THROW(ir.IRRecordToLibrary(1), SubscriptOutOfRange);
    EXPECT_THROW(ir.IRRecordMatchesLibrary(1), SubscriptOutOfRange);
    EXPECT_EQ(target.Num_commands(), 3);
}

TEST(IRDatabase, MatchesIgnoreCommandOrderButNotCase)
{
    ScriptedPrompts prompts;
    IRClassGlobals ir(Unused, prompts);
    IRclass& library = AddLibrary(ir, "SONIQ", "DVD", "X1", 3);
    const auto matchesAfter = [&](const std::function<void()>& change) {
        ir.IRLibraryToRecord(0);
        change();
        return ir.IRRecordMatchesLibrary(0);
    };
    EXPECT_TRUE(matchesAfter([] {}));
    EXPECT_TRUE(matchesAfter([&] { std::swap(ir.IRCommandRecordBuffers[0], ir.IRCommandRecordBuffers[2]); }));
    EXPECT_TRUE(matchesAfter([&] { ir.IRCommandRecordBuffers[1].InterPeriod = {4, 5}; }));
    EXPECT_FALSE(matchesAfter([&] { ir.IRHeaderRecordBuffer.Manufacturer = "Soniq"; }));
    EXPECT_FALSE(matchesAfter([&] { ir.IRHeaderRecordBuffer.Model = " X1"; }));
    EXPECT_FALSE(matchesAfter([&] { ir.IRHeaderRecordBuffer.Comment = "other"; }));
    EXPECT_FALSE(matchesAfter([&] { ir.IRHeaderRecordBuffer.InterPeriod1 = 1; }));
    EXPECT_FALSE(matchesAfter([&] { ir.IRCommandRecordBuffers[1].Name = "KEY9"; }));
    EXPECT_FALSE(matchesAfter([&] { ir.IRCommandRecordBuffers[1].Mode = 5; }));
    EXPECT_FALSE(matchesAfter([&] { ir.IRCommandRecordBuffers[1].PartData(IRPart::Start)[127] ^= 1; }));
    EXPECT_FALSE(matchesAfter([&] { ir.IRCommandRecordBuffers[1].PartData(IRPart::Repeat)[0] ^= 1; }));
    EXPECT_FALSE(matchesAfter([&] {
        ir.IRHeaderRecordBuffer.Num_commands = 2;
        ir.IRCommandRecordBuffers.pop_back();
    }));
    library.IRCommands(0)->Name("key0");
    ir.IRLibraryToRecord(0);
    library.IRCommands(0)->Name("KEY0");
    EXPECT_FALSE(ir.IRRecordMatchesLibrary(0));
}

TEST(IRDatabase, TheDatabaseRefusesAFullIndexRange)
{
    ScriptedPrompts prompts;
    IRClassGlobals ir(Unused, prompts);
    for (int i = 0; i < IRClassGlobals::MaximumLibraries; ++i) ir.AddIRLibrary();
    EXPECT_THROW(ir.AddIRLibrary(), ValueOverflow);
    EXPECT_EQ(ir.IRDatabase().Count(), IRClassGlobals::MaximumLibraries);
}
