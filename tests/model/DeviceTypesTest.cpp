#include "model/DeviceTypes.h"
#include "platform/Registry.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

const std::string Key = DeviceTypeRegistryKey;

std::string Sub(int n)
{
    return Key + "\\" + std::to_string(n);
}

void CreateKeyAtVersion(Registry& registry, uint32_t version)
{
    ASSERT_TRUE(registry.CreateKey(Key));
    registry.SetValue(Key, "Version", RegistryValue::FromDword(version));
}

void WriteRow(Registry& registry, int n, uint32_t type, uint32_t reply, const std::string& name)
{
    ASSERT_TRUE(registry.CreateKey(Sub(n)));
    registry.SetValue(Sub(n), "Type", RegistryValue::FromDword(type));
    registry.SetValue(Sub(n), "Reply", RegistryValue::FromDword(reply));
    registry.SetValue(Sub(n), "Name", RegistryValue::FromString(name));
    registry.SetValue(Sub(n), "BootName", RegistryValue::FromString(name + "boot"));
}

}  // namespace

TEST(DeviceTypes, BuiltInTableHasItsCodesAndNames)
{
    DeviceTypeTable table;
    FillDefaultDeviceTypes(table);
    ASSERT_EQ(table.size(), 35u);
    const uint8_t replies[] = {17, 34, 51, 68, 85, 102, 119, 136, 153, 170, 187, 204, 221, 238, 30, 29, 28, 32,
                               33, 35, 36, 37, 21, 22,  23,  24,  25,  38,  39,  40,  41,  42,  43, 44, 50};
    for (std::size_t i = 0; i < 35; ++i) {
        EXPECT_EQ(table[i].Reply, replies[i]) << i;
        EXPECT_EQ(table[i].Type, i <= 10 ? i : i + 1) << i;
        EXPECT_EQ(table[i].Name.back(), ' ') << i;
        EXPECT_NE(table[i].Type, 11);
    }
    EXPECT_EQ(table[6].Name, "Capture pod ");
    EXPECT_EQ(table[6].BootName, "Capture Pod ");
    EXPECT_EQ(table[34].Type, 35);
    EXPECT_EQ(table[34].Name, "Tavlo ");
    EXPECT_EQ(table[34].BootName, "Tavlo ");
    EXPECT_EQ(FindDeviceTypeByReply(table, 50), &table[34]);
    EXPECT_EQ(FindDeviceTypeByReply(table, 0), nullptr);
}

TEST(DeviceTypes, MissingKeyIsCreatedWithTheBuiltInTable)
{
    TempProgramFolder folder;
    Registry registry(folder / "registry");
    DeviceTypeTable table;
    LoadDeviceTypes(table, registry);
    DeviceTypeTable builtIn;
    FillDefaultDeviceTypes(builtIn);
    EXPECT_EQ(table, builtIn);

    Registry reopened(folder / "registry");
    EXPECT_EQ(reopened.QueryValue(Key, "Version")->AsDword(), 19u);
    for (int n = 0; n < 35; ++n) EXPECT_TRUE(reopened.KeyExists(Sub(n))) << n;
    EXPECT_FALSE(reopened.KeyExists(Sub(35)));
    EXPECT_EQ(registry.FileWrites(), 1);  // the whole table in one write
    const auto name = reopened.QueryValue(Sub(6), "Name");
    EXPECT_EQ(name->data, "Capture pod ");  // stored without a terminating NUL
    EXPECT_EQ(reopened.QueryValue(Sub(34), "Type")->AsDword(), 35u);

    // Read back through the registry, the trailing space stays.
    DeviceTypeTable again;
    LoadDeviceTypes(again, reopened);
    EXPECT_EQ(again, builtIn);
}

// Writing the built-in table replaces the whole key: a row left from an
// older table, or under a key whose own entry was lost, would otherwise pad
// the next start's table with empty rows, whose reply 0 matches a probe
// answer of 0.
TEST(DeviceTypes, WritingTheBuiltInTableReplacesTheWholeKey)
{
    DeviceTypeTable builtIn;
    FillDefaultDeviceTypes(builtIn);
    TempProgramFolder folder;
    const auto line = [](const char* kind, const std::string& key, const char* rest) {
        return std::string(kind).append("\t").append(key).append(rest).append("\n");
    };
    const std::string staleRows = line("K", Sub(0), "") + line("V", Sub(0), "\tType\tdword\t63000000") +
                                  line("K", Sub(40), "") + line("K", Sub(50), "\\deeper");
    const std::string olderVersion = line("K", Key, "") + line("V", Key, "\tVersion\tdword\t12000000");
    for (const std::string& file : {staleRows, olderVersion + staleRows}) {
        folder.WriteBytes("registry", file);
        Registry registry(folder / "registry");
        DeviceTypeTable table;
        LoadDeviceTypes(table, registry);
        EXPECT_EQ(table, builtIn);

        Registry reopened(folder / "registry");
        EXPECT_EQ(reopened.QueryValue(Key, "Version")->AsDword(), 19u);
        EXPECT_EQ(reopened.QueryValue(Sub(0), "Type")->AsDword(), 0u);
        EXPECT_FALSE(reopened.KeyExists(Sub(40)));
        EXPECT_FALSE(reopened.KeyExists(Sub(50) + "\\deeper"));
        DeviceTypeTable next;
        LoadDeviceTypes(next, reopened);
        ASSERT_EQ(next.size(), builtIn.size());
        EXPECT_EQ(next, builtIn);
        EXPECT_EQ(FindDeviceTypeByReply(next, 0), nullptr);
    }
}

TEST(DeviceTypes, NewerVersionIsReadWithGapsLeftEmpty)
{
    TempProgramFolder folder;
    Registry registry(folder / "registry");
    CreateKeyAtVersion(registry, 20);
    WriteRow(registry, 0, 1, 2, "Zero ");
    WriteRow(registry, 1, 3, 4, "One ");
    WriteRow(registry, 40, 35, 60, "Forty ");
    DeviceTypeTable table;
    LoadDeviceTypes(table, registry);
    ASSERT_EQ(table.size(), 41u);
    EXPECT_EQ(table[1], (DeviceTypeEntry{3, 4, "One ", "One boot"}));
    for (int i = 2; i < 40; ++i) EXPECT_TRUE(table[static_cast<std::size_t>(i)].IsEmpty()) << i;
    EXPECT_EQ(table[40].Reply, 60);
    EXPECT_EQ(registry.QueryValue(Key, "Version")->AsDword(), 20u);  // not rewritten
}

TEST(DeviceTypes, AValueThatFailsItsTestEndsItsRow)
{
    TempProgramFolder folder;
    Registry registry(folder / "registry");
    CreateKeyAtVersion(registry, 19);
    WriteRow(registry, 0, 5, 6, "Fine ");
    WriteRow(registry, 1, 5, 6, "Text type ");
    registry.SetValue(Sub(1), "Type", RegistryValue::FromString("5"));
    WriteRow(registry, 2, 5, 300, "Too big ");  // a reply that no byte can hold
    WriteRow(registry, 3, 7, 8, "");            // an empty name fails the text test
    DeviceTypeTable table;
    LoadDeviceTypes(table, registry);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0], (DeviceTypeEntry{5, 6, "Fine ", "Fine boot"}));
    EXPECT_TRUE(table[1].IsEmpty());
    EXPECT_EQ(table[2], (DeviceTypeEntry{5, 0, "", ""}));
    EXPECT_EQ(table[3], (DeviceTypeEntry{7, 8, "", ""}));
}

TEST(DeviceTypes, AKeyWithoutUsableRowsFallsBackToTheBuiltInRows)
{
    DeviceTypeTable builtIn;
    FillDefaultDeviceTypes(builtIn);
    TempProgramFolder folder;
    {
        Registry noVersion(folder / "a");
        noVersion.CreateKey(Key);
        DeviceTypeTable table;
        LoadDeviceTypes(table, noVersion);
        EXPECT_EQ(table, builtIn);
        EXPECT_FALSE(noVersion.KeyExists(Sub(0)));  // a key we cannot read is not overwritten
    }
    {
        Registry noRows(folder / "b");
        CreateKeyAtVersion(noRows, 19);
        DeviceTypeTable table;
        LoadDeviceTypes(table, noRows);
        EXPECT_EQ(table, builtIn);
    }
}

TEST(DeviceTypes, AKeyNameIsReadAsTheDecimalNumberItStartsWith)
{
    TempProgramFolder folder;
    Registry registry(folder / "registry");
    CreateKeyAtVersion(registry, 19);
    const auto row = [&](const std::string& name, uint32_t reply) {
        const std::string key = Key + "\\" + name;
        ASSERT_TRUE(registry.CreateKey(key));
        registry.SetValue(key, "Type", RegistryValue::FromDword(1));
        registry.SetValue(key, "Reply", RegistryValue::FromDword(reply));
        registry.SetValue(key, "Name", RegistryValue::FromString(std::string(300, 'n')));
    };
    row("1e1", 10);  // an exponent counts
    row(" 3.5", 4);  // rounded, halves to even
    row("0x5", 99);  // not hexadecimal: the number is the 0
    DeviceTypeTable table;
    LoadDeviceTypes(table, registry);
    ASSERT_EQ(table.size(), 11u);
    EXPECT_EQ(table[10].Reply, 10);
    EXPECT_EQ(table[4].Reply, 4);
    EXPECT_EQ(table[0].Reply, 99);
    EXPECT_TRUE(table[5].IsEmpty());
    EXPECT_EQ(table[10].Name, std::string(255, 'n'));  // cut to the name buffer
}
