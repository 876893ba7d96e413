#include "model/SerialClass.h"
#include "support/ScriptedPrompts.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A message with every field set away from its defaults.
void Fill(SerialClass& message)
{
    message.SerialType(SerialClass::LibraryCommand);
    message.Command("POWER ON");
    message.Manufacturer("ACME");
    message.Model("PJ-100");
    message.MyType("PROJECTOR");
    RS232_String_Class& bytes = message.MyRS232StringClass();
    bytes.ContentBytes(0, 'P');
    bytes.ContentTypes(0, ContentAscii);
    bytes.ContentBytes(1, 0x0D);
    bytes.ContentTypes(1, ContentControl);
    bytes.NumberOfBytes(2);
    message.CanBeInput(true);
    message.CanBeVariable(true);
    message.IsFromLibrary(true);
    message.ConfigIndex(7);
    message.Baudrate(2);
    message.Parity(1);
    message.InterByteDelay(15);
    auto volume = std::make_shared<VolumeExtensionClass>();
    volume->Clear();
    volume->MaxVolume(63);
    message.VolumeExtension(volume);
}

int RepaintsDuring(SerialClass& message, const std::function<void()>& action)
{
    int count = 0;
    const auto token = message.ForceRepaint.Subscribe([&] { ++count; });
    action();
    message.ForceRepaint.Unsubscribe(token);
    return count;
}

using Change = std::function<void(SerialClass&)>;

// Every field that the whole-object operations copy and compare.
const std::vector<std::pair<const char*, Change>> ComparedFields = {
    {"SerialType", [](SerialClass& m) { m.SerialType(2); }},
    {"Command", [](SerialClass& m) { m.Command("POWER OFF"); }},
    {"Manufacturer", [](SerialClass& m) { m.Manufacturer("acme"); }},
    {"Model", [](SerialClass& m) { m.Model("PJ-101"); }},
    {"MyType", [](SerialClass& m) { m.MyType("DISPLAY"); }},
    {"bytes", [](SerialClass& m) { m.MyRS232StringClass().ContentTypes(0, ContentHex); }},
    {"count", [](SerialClass& m) { m.MyRS232StringClass().NumberOfBytes(1); }},
    {"CanBeInput", [](SerialClass& m) { m.CanBeInput(false); }},
    {"IsFromLibrary", [](SerialClass& m) { m.IsFromLibrary(false); }},
    {"ConfigIndex", [](SerialClass& m) { m.ConfigIndex(8); }},
    {"Baudrate", [](SerialClass& m) { m.Baudrate(3); }},
    {"Parity", [](SerialClass& m) { m.Parity(2); }},
    {"InterByteDelay", [](SerialClass& m) { m.InterByteDelay(16); }},
    {"volume field", [](SerialClass& m) { m.VolumeExtension()->MinVolume(5); }},
    {"volume absent", [](SerialClass& m) { m.VolumeExtension(nullptr); }},
};

}  // namespace

TEST(SerialClass, TextFieldsArePaddedAndCutToThirtyTwo)
{
    SerialClass message;
    message.Manufacturer("ACME");
    EXPECT_EQ(message.Manufacturer(), "ACME" + std::string(28, ' '));
    message.Model(std::string(40, 'M'));
    EXPECT_EQ(message.Model(), std::string(32, 'M'));
}

TEST(SerialClass, IsSameAsComparesEveryFieldButCanBeVariable)
{
    for (const auto& [name, change] : ComparedFields) {
        SerialClass a;
        SerialClass b;
        Fill(a);
        Fill(b);
        ASSERT_TRUE(a.IsSameAs(b));
        change(b);
        EXPECT_FALSE(a.IsSameAs(b)) << name;
        EXPECT_FALSE(b.IsSameAs(a)) << name;
    }
    SerialClass a;
    SerialClass b;
    Fill(a);
    Fill(b);
    b.CanBeVariable(false);
    EXPECT_TRUE(a.IsSameAs(b));

    SerialClass noVolumeA;
    SerialClass noVolumeB;
    EXPECT_TRUE(noVolumeA.IsSameAs(noVolumeB));
}

TEST(SerialClass, CopyFromTakesEveryFieldButCanBeVariableAndRepaintsOnce)
{
    SerialClass source;
    Fill(source);
    SerialClass target;
    target.CanBeVariable(false);
    EXPECT_EQ(RepaintsDuring(target, [&] { target.CopyFrom(source); }), 1);
    EXPECT_TRUE(target.IsSameAs(source));
    EXPECT_FALSE(target.CanBeVariable());

    // Also raised when nothing changed.
    EXPECT_EQ(RepaintsDuring(target, [&] { target.CopyFrom(source); }), 1);
}

TEST(SerialClass, CopiedVolumeFormatIsASeparateObject)
{
    SerialClass source;
    Fill(source);
    SerialClass target;
    target.CopyFrom(source);
    ASSERT_TRUE(target.VolumeExtension());
    EXPECT_NE(target.VolumeExtension().get(), source.VolumeExtension().get());
    target.VolumeExtension()->MaxVolume(10);
    EXPECT_EQ(source.VolumeExtension()->MaxVolume(), 63);

    // A target that already has a format keeps its object and takes the values.
    const VolumeExtensionClass* kept = target.VolumeExtension().get();
    target.CopyFrom(source);
    EXPECT_EQ(target.VolumeExtension().get(), kept);
    EXPECT_EQ(target.VolumeExtension()->MaxVolume(), 63);
}

TEST(SerialClass, CopyWithoutVolumeFormatRemovesTheClipboardsAndPasteRemovesTheTargets)
{
    ScriptedPrompts prompts;
    SerialClass clipboard;
    SerialClass withFormat;
    Fill(withFormat);
    withFormat.Copy(clipboard);
    ASSERT_TRUE(clipboard.VolumeExtension());

    SerialClass plain;
    plain.Copy(clipboard);
    EXPECT_FALSE(clipboard.VolumeExtension());

    withFormat.paste(clipboard, prompts);
    EXPECT_FALSE(withFormat.VolumeExtension());
}

TEST(SerialClass, CopyRaisesNoEventAndLeavesTheSourceAlone)
{
    SerialClass source;
    Fill(source);
    SerialClass clipboard;
    int clipboardRepaints = 0;
    clipboard.ForceRepaint.Subscribe([&] { ++clipboardRepaints; });
    EXPECT_EQ(RepaintsDuring(source, [&] { source.Copy(clipboard); }), 0);
    EXPECT_EQ(clipboardRepaints, 0);
    EXPECT_TRUE(clipboard.IsSameAs(source));
    EXPECT_EQ(source.Baudrate(), 2);
}

TEST(SerialClass, PasteRefusesVariableBeforeIgnore)
{
    SerialClass clipboard;
    RS232_String_Class& bytes = clipboard.MyRS232StringClass();
    bytes.ContentTypes(0, ContentIgnore);
    bytes.ContentTypes(1, ContentVariable);
    bytes.NumberOfBytes(2);

    SerialClass target;
    Fill(target);
    target.CanBeVariable(false);
    target.CanBeInput(false);
    SerialClass before;
    before.CopyFrom(target);

    ScriptedPrompts prompts;
    prompts.ExpectMessage("Sorry cannot paste here as serial string contains an 'variable'!", "Sorry!",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_EQ(RepaintsDuring(target, [&] { target.paste(clipboard, prompts); }), 0);
    EXPECT_EQ(prompts.Shown().size(), 1u);
    EXPECT_TRUE(target.IsSameAs(before));
}

TEST(SerialClass, PasteRefusesIgnoreIntoAnOutputOnlyMessage)
{
    SerialClass clipboard;
    clipboard.MyRS232StringClass().ContentTypes(0, ContentIgnore);
    clipboard.MyRS232StringClass().NumberOfBytes(1);

    SerialClass target;
    Fill(target);
    target.CanBeVariable(true);
    target.CanBeInput(false);
    SerialClass before;
    before.CopyFrom(target);

    ScriptedPrompts prompts;
    prompts.ExpectMessage("Sorry cannot paste here as serial string contains an 'ignore' byte!", "Sorry!",
                          PromptButtons::Ok, PromptIcon::Exclamation);
    EXPECT_EQ(RepaintsDuring(target, [&] { target.paste(clipboard, prompts); }), 0);
    EXPECT_TRUE(target.IsSameAs(before));
}

TEST(SerialClass, PasteTakesTypeIndexAndInputFlagButKeepsCanBeVariable)
{
    SerialClass source;
    Fill(source);
    source.SerialType(SerialClass::ProjectorMessage);
    source.ConfigIndex(12);
    source.CanBeInput(true);
    source.CanBeVariable(false);
    SerialClass clipboard;
    source.Copy(clipboard);

    SerialClass target;
    target.CanBeVariable(true);
    target.CanBeInput(true);
    ScriptedPrompts prompts;
    EXPECT_EQ(RepaintsDuring(target, [&] { target.paste(clipboard, prompts); }), 1);
    EXPECT_TRUE(target.CanBeVariable());
    EXPECT_TRUE(target.CanBeInput());
    EXPECT_EQ(target.SerialType(), SerialClass::ProjectorMessage);
    EXPECT_EQ(target.ConfigIndex(), 12);
    EXPECT_TRUE(target.IsSameAs(source));
}

TEST(SerialClass, PasteFromAClipboardNeverCopiedIntoEmptiesTheMessage)
{
    SerialClass neverCopied;
    SerialClass target;
    Fill(target);
    ScriptedPrompts prompts;
    target.paste(neverCopied, prompts);
    EXPECT_EQ(target.MyRS232StringClass().NumberOfBytes(), 0);
    EXPECT_EQ(target.SerialType(), 0);
    EXPECT_EQ(target.ConfigIndex(), 0);
    EXPECT_FALSE(target.VolumeExtension());
    EXPECT_EQ(target.Manufacturer(), std::string(32, ' '));
    EXPECT_TRUE(target.CanBeVariable());
}

TEST(SerialClass, ClearSetsItsValuesKeepsCanBeVariableAndRepaintsOnce)
{
    SerialClass message;
    Fill(message);
    EXPECT_EQ(RepaintsDuring(message, [&] { message.Clear(); }), 1);
    EXPECT_EQ(message.SerialType(), -1);
    EXPECT_EQ(message.ConfigIndex(), -1);
    EXPECT_EQ(message.Command(), std::string(32, ' '));
    EXPECT_EQ(message.Manufacturer(), std::string(32, ' '));
    EXPECT_EQ(message.Model(), std::string(32, ' '));
    EXPECT_EQ(message.MyType(), std::string(32, ' '));
    EXPECT_EQ(message.MyRS232StringClass().NumberOfBytes(), 0);
    EXPECT_FALSE(message.CanBeInput());
    EXPECT_FALSE(message.IsFromLibrary());
    EXPECT_EQ(message.Baudrate(), 0);
    EXPECT_EQ(message.Parity(), 0);
    EXPECT_EQ(message.InterByteDelay(), 0);
    EXPECT_FALSE(message.VolumeExtension());
    EXPECT_TRUE(message.CanBeVariable());
}

TEST(SerialClass, CopyingOrPastingOntoItselfChangesNothing)
{
    SerialClass message;
    Fill(message);
    SerialClass before;
    before.CopyFrom(message);
    const VolumeExtensionClass* volume = message.VolumeExtension().get();

    message.CopyFrom(message);
    EXPECT_TRUE(message.IsSameAs(before));
    EXPECT_EQ(message.VolumeExtension().get(), volume);

    ScriptedPrompts prompts;
    message.paste(message, prompts);
    EXPECT_TRUE(message.IsSameAs(before));
    message.Copy(message);
    EXPECT_TRUE(message.IsSameAs(before));

    message.MyRS232StringClass().CopyFromThisRS232StringClass(message.MyRS232StringClass());
    EXPECT_TRUE(message.IsSameAs(before));
}

TEST(SerialClass, NewMessageHasTypeAndIndexZero)
{
    SerialClass message;
    EXPECT_EQ(message.SerialType(), 0);
    EXPECT_EQ(message.ConfigIndex(), 0);
    EXPECT_FALSE(message.VolumeExtension());
    EXPECT_EQ(message.MyRS232StringClass().NumberOfBytes(), 0);
}
