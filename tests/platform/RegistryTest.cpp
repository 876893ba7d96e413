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
        ASSERT_TRUE(registry.CreateKey("HKLM\\AB"));
        EXPECT_TRUE(registry.SetValue("HKLM\\A\\B", "Number", RegistryValue::FromDword(0x12345678)));
        EXPECT_TRUE(registry.SetValue("HKLM\\A\\B", "Text", RegistryValue::FromString("tab\there\nand a space ")));
    }
    Registry reopened(file);
    EXPECT_TRUE(reopened.KeyExists("hklm\\a"));  // case does not matter
    // Grandchildren are not listed, nor a sibling whose name starts alike.
    EXPECT_EQ(reopened.SubKeyNames("HKLM\\A"), (std::vector<std::string>{"B", "c"}));
    EXPECT_EQ(reopened.SubKeyNames("hklm\\a\\"), (std::vector<std::string>{"B", "c"}));
    EXPECT_EQ(reopened.SubKeyNames("HKLM"), (std::vector<std::string>{"A", "AB"}));
    EXPECT_TRUE(reopened.SubKeyNames("HKLM\\Missing").empty());
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
    folder.WriteBytes("registry",
                      "K\tK1\nV\tK1\tGood\tdword\t05000000\nV\tK1\tBad\tdword\tZZ\ngarbage\n"
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

TEST(Registry, ABulkWriteWritesTheFileOnceAtItsEnd)
{
    TempProgramFolder folder;
    const auto file = folder / "registry";
    Registry registry(file);
    {
        Registry::BulkWrite bulk(registry);
        for (int n = 0; n < 10; ++n) {
            const std::string key = "HKLM\\T\\" + std::to_string(n);
            ASSERT_TRUE(registry.CreateKey(key));
            ASSERT_TRUE(registry.SetValue(key, "Type", RegistryValue::FromDword(static_cast<uint32_t>(n))));
        }
        EXPECT_EQ(registry.FileWrites(), 0);
        EXPECT_FALSE(std::filesystem::exists(file));
        EXPECT_EQ(registry.QueryValue("HKLM\\T\\7", "Type")->AsDword(), 7u);  // in memory meanwhile
        EXPECT_TRUE(bulk.Finish());
        EXPECT_EQ(registry.FileWrites(), 1);
    }
    EXPECT_EQ(registry.FileWrites(), 1);  // finished once only
    EXPECT_EQ(Registry(file).QueryValue("HKLM\\T\\9", "Type")->AsDword(), 9u);

    // Without a bulk write every change goes to the file at once; a bulk
    // write that changed nothing writes nothing.
    ASSERT_TRUE(registry.SetValue("HKLM\\T\\1", "Name", RegistryValue::FromString("One ")));
    EXPECT_EQ(registry.FileWrites(), 2);
    {
        Registry::BulkWrite idle(registry);
    }
    EXPECT_EQ(registry.FileWrites(), 2);
}

TEST(Registry, ABulkWriteThatCannotBeSavedSaysSoAndKeepsItsChangesInMemory)
{
    TempProgramFolder folder;
    folder.WriteBytes("blocker", "x");
    Registry registry(folder / "blocker" / "registry");
    Registry::BulkWrite bulk(registry);
    EXPECT_TRUE(registry.CreateKey("K"));
    EXPECT_FALSE(bulk.Finish());
    EXPECT_TRUE(registry.KeyExists("K"));
}

TEST(Registry, DeletingAKeyTakesEverythingBelowIt)
{
    TempProgramFolder folder;
    // Neither "HKLM\A" nor "HKLM\A\B" has a line of its own; keys below them do.
    folder.WriteBytes("registry",
                      "K\tHKLM\nK\tHKLM\\A\\B\\C\nK\tHKLM\\AB\nK\tHKLM\\A\\X\n"
                      "V\tHKLM\\A\\X\tv\tdword\t01000000\n");
    Registry registry(folder / "registry");
    ASSERT_FALSE(registry.KeyExists("HKLM\\A"));
    EXPECT_TRUE(registry.DeleteKey("hklm\\a"));
    Registry reopened(folder / "registry");
    for (const Registry* store : {&registry, &reopened}) {
        EXPECT_FALSE(store->KeyExists("HKLM\\A\\B\\C"));
        EXPECT_FALSE(store->KeyExists("HKLM\\A\\X"));
        EXPECT_EQ(store->QueryValue("HKLM\\A\\X", "v"), std::nullopt);
        EXPECT_TRUE(store->KeyExists("HKLM\\AB"));  // a sibling that shares the start of the name
        EXPECT_TRUE(store->KeyExists("HKLM"));
    }
}

TEST(Registry, NamesMatchInAnyCaseKeepTheirFirstSpellingAndAreSavedInLetterOrder)
{
    TempProgramFolder folder;
    // Value lines of two keys interleaved, spelt in another case than their
    // keys; a value line ending in a tab has no data and is passed over.
    folder.WriteBytes("registry",
                      "K\tHKLM\nK\tHKLM\\Beta\r\nK\tHKLM\\alpha\nK\tHKLM\\ALPHA\\x\nK\tHKLM\\gamma\n"
                      "V\thklm\\BETA\tName\tsz\t41\nV\tHKLM\\ALPHA\tname\tsz\t42\nV\thklm\\beta\tNAME\tsz\t43\n"
                      "V\tHKLM\\Beta\tEmpty\tsz\t\nV\tHKLM\\Gamma\\\tN\tdword\t07000000\n");
    Registry registry(folder / "registry");
    EXPECT_EQ(registry.QueryValue("HKLM\\beta", "name")->data, "C");  // the later line sets it
    EXPECT_EQ(registry.QueryValue("hklm\\Alpha", "NAME")->data, "B");
    EXPECT_EQ(registry.QueryValue("HKLM\\Beta", "Empty"), std::nullopt);
    EXPECT_EQ(registry.QueryValue("HKLM\\GAMMA", "n")->AsDword(), 7u);
    EXPECT_EQ(registry.SubKeyNames("hklm"), (std::vector<std::string>{"alpha", "Beta", "gamma"}));
    EXPECT_EQ(registry.SubKeyNames("HKLM\\Alpha"), std::vector<std::string>{"x"});
    ASSERT_TRUE(registry.CreateKey("HKLM\\Alpha\\X"));
    EXPECT_EQ(registry.FileWrites(), 0);  // there already, in another case

    ASSERT_TRUE(registry.SetValue("HKLM\\ALPHA", "NAME", RegistryValue::FromString("D")));
    EXPECT_EQ(folder.ReadBytes("registry"),
              "K\tHKLM\nK\tHKLM\\alpha\nK\tHKLM\\ALPHA\\x\nK\tHKLM\\Beta\nK\tHKLM\\gamma\n"
              "V\tHKLM\\alpha\tname\tsz\t44\nV\tHKLM\\Beta\tName\tsz\t43\nV\tHKLM\\gamma\tN\tdword\t07000000\n");
}
