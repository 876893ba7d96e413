#include "platform/Registry.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

TEST(Registry, KeysValuesAndSubkeysSurviveReopening)
{
    TempProgramFolder folder;
    const auto file = folder / "config" / "registry";
    {
        Registry registry(file);
        EXPECT_FALSE(registry.KeyExists("HKLM\\A"));
        EXPECT_FALSE(registry.SetValue("HKLM\\A", "x", RegistryValue::FromDword(1)));  // no key yet
        ASSERT_TRUE(registry.CreateKey("HKLM\\A\\B"));
        ASSERT_TRUE(registry.CreateKey("HKLM\\A\\c"));
        ASSERT_TRUE(registry.CreateKey("HKLM\\A\\B\\Deeper"));
        EXPECT_TRUE(registry.SetValue("HKLM\\A\\B", "Number", RegistryValue::FromDword(0x12345678)));
        EXPECT_TRUE(registry.SetValue("HKLM\\A\\B", "Text", RegistryValue::FromString("tab\there\nand a space ")));
    }
    Registry reopened(file);
    EXPECT_TRUE(reopened.KeyExists("hklm\\a"));  // case does not matter
    EXPECT_EQ(reopened.SubKeyName("HKLM\\A", 0), "B");
    EXPECT_EQ(reopened.SubKeyName("HKLM\\A", 1), "c");
    EXPECT_EQ(reopened.SubKeyName("HKLM\\A", 2), std::nullopt);  // grandchildren are not listed
    EXPECT_EQ(reopened.SubKeyName("HKLM\\Missing", 0), std::nullopt);
    EXPECT_EQ(reopened.QueryValue("HKLM\\A\\B", "number")->AsDword(), 0x12345678u);
    const auto text = reopened.QueryValue("HKLM\\A\\B", "Text");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, RegistryValueType::String);
    EXPECT_EQ(text->data, "tab\there\nand a space ");
    EXPECT_EQ(text->AsDword(), std::nullopt);
    EXPECT_EQ(reopened.QueryValue("HKLM\\A\\B", "None"), std::nullopt);
}

TEST(Registry, DamagedLinesArePassedOverAndAnUnwritableFileKeepsChangesInMemory)
{
    TempProgramFolder folder;
    folder.WriteBytes("registry", "K\tK1\nV\tK1\tGood\tdword\t05000000\nV\tK1\tBad\tdword\tZZ\ngarbage\n"
                                  "V\tNoKey\tx\tsz\t41\n");
    Registry registry(folder / "registry");
    EXPECT_EQ(registry.QueryValue("K1", "Good")->AsDword(), 5u);
    EXPECT_EQ(registry.QueryValue("K1", "Bad"), std::nullopt);
    EXPECT_FALSE(registry.KeyExists("NoKey"));

    // A file whose folder is a plain file cannot be written.
    folder.WriteBytes("blocker", "x");
    Registry readOnly(folder / "blocker" / "registry");
    EXPECT_FALSE(readOnly.CreateKey("K2"));
    EXPECT_TRUE(readOnly.KeyExists("K2"));
}
