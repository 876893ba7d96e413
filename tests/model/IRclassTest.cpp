#include "model/IRclass.h"
#include "model/RuntimeErrors.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

void FillCommand(IRCommandClass& command, const std::string& name, uint8_t seed)
{
    command.Name(name);
    command.Mode(1);
    command.InterPeriod(IRPart::Repeat, seed);
    command.InterPeriod(IRPart::Start, static_cast<uint8_t>(seed + 1));
    for (int i = 0; i < IRCommandClass::DataLength; ++i) {
        command.Data(IRPart::Repeat, i, static_cast<uint8_t>(seed + i));
        command.Data(IRPart::Start, i, static_cast<uint8_t>(seed * 3 + i));
    }
}

bool SameCommand(const IRCommandClass& a, const IRCommandClass& b)
{
    return a.Name() == b.Name() && a.Mode() == b.Mode() &&
           a.InterPeriod(IRPart::Repeat) == b.InterPeriod(IRPart::Repeat) &&
           a.InterPeriod(IRPart::Start) == b.InterPeriod(IRPart::Start) &&
           a.Part(IRPart::Repeat) == b.Part(IRPart::Repeat) && a.Part(IRPart::Start) == b.Part(IRPart::Start);
}

void AddNamed(IRclass& library, const std::string& name, uint8_t seed)
{
    FillCommand(library.AddIRCommand(), name, seed);
}

}  // namespace

TEST(IRCommandClass, PartsByNumberBooleanAndName)
{
    IRCommandClass command;
    command.Data(1, 5, 0xAA);
    command.Data(false, 5, 0x55);
    EXPECT_EQ(command.Data(IRPart::Start, 5), 0xAA);
    EXPECT_EQ(command.Data(IRPart::Repeat, 5), 0x55);
    EXPECT_EQ(command.Data(true, 5), 0xAA);

    command.InterPeriod(7, 9);
    EXPECT_EQ(command.InterPeriod(1), 9);
    EXPECT_EQ(command.InterPeriod(IRPart::Start), 9);
    EXPECT_EQ(command.InterPeriod(0), 0);

    EXPECT_THROW(command.Data(IRPart::Start, 128), SubscriptOutOfRange);
    EXPECT_THROW(command.Data(IRPart::Repeat, -1, 1), SubscriptOutOfRange);
    EXPECT_EQ(command.Data(IRPart::Start, 127), 0);

    command.Name("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(command.Name(), "ABCDEFGHIJKLMNOP");
    command.Name("ONE");
    EXPECT_EQ(command.Name(), "ONE             ");

    command.Mode(1);
    command.Clear();
    EXPECT_EQ(command.Name(), std::string(16, ' '));
    EXPECT_EQ(command.Mode(), 0);
    EXPECT_EQ(command.InterPeriod(IRPart::Start), 0);
    EXPECT_EQ(command.Data(IRPart::Start, 5), 0);
    EXPECT_EQ(command.Data(IRPart::Repeat, 5), 0);
}

TEST(IRclass, CopyFromReplacesTheListWithOwnCopies)
{
    IRclass source;
    source.Manufacturer("SONIQ");
    source.IRtype("DVD");
    source.Model("X1");
    source.Comment("living room");
    source.InterPeriod0(3);
    source.InterPeriod1(4);
    for (uint8_t k = 0; k < 3; ++k) AddNamed(source, "KEY" + std::to_string(k), k);

    IRclass target;
    for (uint8_t k = 0; k < 5; ++k) AddNamed(target, "OLD" + std::to_string(k), 40);
    target.CopyFrom(source);

    EXPECT_EQ(target.Num_commands(), 3);
    EXPECT_EQ(target.Manufacturer(), source.Manufacturer());
    EXPECT_EQ(target.IRtype(), source.IRtype());
    EXPECT_EQ(target.Model(), source.Model());
    EXPECT_EQ(target.Comment(), source.Comment());
    EXPECT_EQ(target.InterPeriod0(), 3);
    EXPECT_EQ(target.InterPeriod1(), 4);
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(SameCommand(*target.IRCommands(k), *source.IRCommands(k)));
        EXPECT_NE(target.IRCommands(k), source.IRCommands(k));
    }
    target.IRCommands(0)->Data(IRPart::Start, 0, 0xEE);
    EXPECT_NE(source.IRCommands(0)->Data(IRPart::Start, 0), 0xEE);

    target.CopyFrom(target);
    EXPECT_EQ(target.Num_commands(), 3);

    target.Clear();
    EXPECT_EQ(target.Num_commands(), 0);
    EXPECT_TRUE(FixedText<16>(target.Manufacturer()).isBlank());
    EXPECT_EQ(target.InterPeriod0(), 0);
    EXPECT_EQ(target.IRCommands(0), nullptr);
}

TEST(IRclass, RemoveMovesContentsThroughTheExistingObjects)
{
    IRclass library;
    AddNamed(library, "A", 1);
    AddNamed(library, "B", 2);
    AddNamed(library, "C", 3);
    const auto first = library.IRCommands(0);
    const auto second = library.IRCommands(1);

    library.RemoveIRCommand(1);
    ASSERT_EQ(library.Num_commands(), 2);
    EXPECT_EQ(library.IRCommands(0), first);
    EXPECT_EQ(library.IRCommands(1), second);
    EXPECT_EQ(second->Name(), FixedText<16>("C").full());
    EXPECT_EQ(second->Data(IRPart::Repeat, 0), 3);

    library.RemoveIRCommand(5);
    library.RemoveIRCommand(-1);
    EXPECT_EQ(library.Num_commands(), 2);

    IRclass single;
    AddNamed(single, "ONLY", 1);
    single.RemoveIRCommand(0);
    EXPECT_EQ(single.Num_commands(), 0);
    single.RemoveIRCommand(0);
    EXPECT_EQ(single.Num_commands(), 0);
}

TEST(IRclass, CommandsBeyondTheListAreNone)
{
    IRclass library;
    EXPECT_EQ(library.IRCommands(0), nullptr);
    for (uint8_t k = 0; k < 3; ++k) AddNamed(library, "K", k);
    EXPECT_EQ(library.IRCommands(5), nullptr);

    auto replacement = std::make_shared<IRCommandClass>();
    replacement->Name("NEW");
    library.IRCommands(5, replacement);
    library.IRCommands(1, nullptr);
    EXPECT_EQ(library.Num_commands(), 3);
    EXPECT_NE(library.IRCommands(1), nullptr);

    library.IRCommands(2, replacement);
    EXPECT_EQ(library.IRCommands(2), replacement);
}

TEST(IRclass, TheTwoHundredFiftySixthCommandIsRefused)
{
    IRclass library;
    for (int k = 0; k < IRclass::MaximumCommands; ++k)
        library.AddIRCommand().Name(std::string("K").append(std::to_string(k)));
    EXPECT_EQ(library.Num_commands(), 255);
    EXPECT_THROW(library.AddIRCommand(), ValueOverflow);
    EXPECT_EQ(library.Num_commands(), 255);
    EXPECT_EQ(library.IRCommands(254)->Name(), FixedText<16>("K254").full());

    IRclass copy;
    copy.CopyFrom(library);
    EXPECT_EQ(copy.Num_commands(), 255);
}

TEST(IRclass, CommandsAddedTogetherStayIndependent)
{
    auto library = std::make_unique<IRclass>();
    library->AddIRCommand();
    library->AddIRCommands(3);
    ASSERT_EQ(library->Num_commands(), 4);
    library->IRCommands(1)->Data(IRPart::Start, 0, 1);
    EXPECT_EQ(library->IRCommands(2)->Data(IRPart::Start, 0), 0);
    EXPECT_EQ(library->IRCommands(3)->Name(), std::string(16, ' '));

    EXPECT_THROW(library->AddIRCommands(252), ValueOverflow);
    EXPECT_EQ(library->Num_commands(), 4);
    library->AddIRCommands(251);
    EXPECT_EQ(library->Num_commands(), 255);

    // A command kept by an editor outlives its library.
    const auto kept = library->IRCommands(2);
    kept->Name("KEPT");
    library.reset();
    EXPECT_EQ(kept->Name(), FixedText<16>("KEPT").full());
}

// A loader makes the commands of many libraries in one block; a library
// that does not fit in what is left gets commands of its own, and the
// block lives as long as any command made in it.
TEST(IRclass, CommandsMadeInALoadersBlockShareIt)
{
    auto block = std::make_shared<EntryBlock<IRCommandClass>>(5);
    auto first = std::make_unique<IRclass>();
    IRclass second;
    first->TakeCommands(IRclass::CommandsToRead(3, block));
    second.TakeCommands(IRclass::CommandsToRead(2, block));
    EXPECT_EQ(block->Room(), 0u);
    ASSERT_EQ(second.Num_commands(), 2);
    const auto made = first->IRCommands(0);
    EXPECT_EQ(made.use_count(), block.use_count());

    // No room left: cleared commands of their own.
    second.TakeCommands(IRclass::CommandsToRead(3, block));
    ASSERT_EQ(second.Num_commands(), 3);
    EXPECT_EQ(second.IRCommands(0)->Name(), std::string(16, ' '));
    EXPECT_NE(second.IRCommands(0).use_count(), block.use_count());
    EXPECT_THROW(second.TakeCommands(IRclass::CommandsToRead(256, nullptr)), ValueOverflow);
    EXPECT_EQ(second.Num_commands(), 3);

    const auto kept = first->IRCommands(2);
    kept->Name("KEPT");
    first.reset();
    block.reset();
    EXPECT_EQ(kept->Name(), FixedText<16>("KEPT").full());
}
