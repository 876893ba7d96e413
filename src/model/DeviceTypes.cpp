#include "model/DeviceTypes.h"

#include "platform/Registry.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

namespace {

// Rows past this come only from a damaged key; they are not worth a table.
constexpr long MaximumRowIndex = 1023;
constexpr std::size_t NameBufferLength = 255;

struct BuiltInRow {
    uint8_t type;
    uint8_t reply;
    const char* name;
};

// The maker's device models. Names end with a space so that the version
// found by a search can follow directly.
constexpr std::array<BuiltInRow, 35> BuiltInRows{{
    {0, 17, "Wall plate "},      {1, 34, "Keypad "},         {2, 51, "Relay pod "},      {3, 68, "Volume pod "},
    {4, 85, "Switch pod "},      {5, 102, "Sensor pod "},    {6, 119, "Capture pod "},   {7, 136, "IR emitter pod "},
    {8, 153, "Display pod "},    {9, 170, "Lift pod "},      {10, 187, "Screen pod "},   {12, 204, "Audio pod "},
    {13, 221, "Video pod "},     {14, 238, "Lighting pod "}, {15, 30, "Blind pod "},     {16, 29, "Timer pod "},
    {17, 28, "Microphone pod "}, {18, 32, "Amplifier pod "}, {19, 33, "Matrix pod "},    {20, 35, "Button panel "},
    {21, 36, "Touch panel "},    {22, 37, "Network pod "},   {23, 21, "Bridge pod "},    {24, 22, "Repeater pod "},
    {25, 23, "Power pod "},      {26, 24, "Lock pod "},      {27, 25, "Occupancy pod "}, {28, 38, "Camera pod "},
    {29, 39, "Projector pod "},  {30, 40, "Input pod "},     {31, 41, "Output pod "},    {32, 42, "Serial pod "},
    {33, 43, "Scheduler pod "},  {34, 44, "Room pod "},      {35, 50, "Tavlo "},
}};

std::string SubKeyPath(const std::string& name)
{
    return std::string(DeviceTypeRegistryKey) + '\\' + name;
}

// The leading number of a key name, as the row index it stands for: blanks
// before it are skipped, what follows it is ignored, and a name without a
// number is row 0. The decimal point is '.' whatever the user's locale.
std::optional<long> RowIndexOf(const std::string& name)
{
    std::string_view text = name;
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::invalid_argument || (error == std::errc() && !std::isfinite(value))) return 0;
    if (error != std::errc()) return std::nullopt;
    const double rounded = std::nearbyint(value);  // halves to the even neighbour
    if (rounded < 0 || rounded > MaximumRowIndex) return std::nullopt;
    return static_cast<long>(rounded);
}

std::optional<uint8_t> ByteValue(const Registry& registry, const std::string& key, const char* name)
{
    const auto value = registry.QueryValue(key, name);
    if (!value) return std::nullopt;
    const auto number = value->AsDword();
    if (!number || *number > 255) return std::nullopt;
    return static_cast<uint8_t>(*number);
}

std::optional<std::string> TextValue(const Registry& registry, const std::string& key, const char* name)
{
    const auto value = registry.QueryValue(key, name);
    if (!value || value->type != RegistryValueType::String || value->data.empty()) return std::nullopt;
    // Names are read through a buffer of this many characters.
    const std::string_view text(value->data.data(), std::min(value->data.size(), NameBufferLength));
    return std::string(text.substr(0, text.find('\0')));
}

bool HasUsableRow(const DeviceTypeTable& table)
{
    return std::any_of(table.begin(), table.end(), [](const DeviceTypeEntry& row) { return !row.IsEmpty(); });
}

}  // namespace

void FillDefaultDeviceTypes(DeviceTypeTable& table)
{
    table.clear();
    for (const BuiltInRow& row : BuiltInRows) {
        const std::string bootName = row.reply == CapturePodReply ? "Capture Pod " : row.name;
        table.push_back({row.type, row.reply, row.name, bootName});
    }
}

void WriteDefaultDeviceTypes(DeviceTypeTable& table, Registry& registry)
{
    FillDefaultDeviceTypes(table);
    // One write of the store for the whole table rather than one per value.
    // The table in memory stands even when the registry cannot be written.
    Registry::BulkWrite bulk(registry);
    // The whole key is replaced: a subkey left from another table would give
    // the next start rows, or empty rows in the gaps before it, that the
    // probe answers are matched against.
    registry.DeleteKey(DeviceTypeRegistryKey);
    if (!registry.CreateKey(DeviceTypeRegistryKey)) return;
    registry.SetValue(DeviceTypeRegistryKey, "Version", RegistryValue::FromDword(DeviceTypeTableVersion));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string key = SubKeyPath(std::to_string(i));
        if (!registry.CreateKey(key)) continue;
        registry.SetValue(key, "Name", RegistryValue::FromString(table[i].Name));
        registry.SetValue(key, "BootName", RegistryValue::FromString(table[i].BootName));
        registry.SetValue(key, "Type", RegistryValue::FromDword(table[i].Type));
        registry.SetValue(key, "Reply", RegistryValue::FromDword(table[i].Reply));
    }
}

void ReadDeviceTypeKey(DeviceTypeTable& table, const Registry& registry, const std::string& subKeyName)
{
    const auto index = RowIndexOf(subKeyName);
    const std::string key = SubKeyPath(subKeyName);
    if (!index || !registry.KeyExists(key)) return;
    if (table.size() <= static_cast<std::size_t>(*index)) table.resize(static_cast<std::size_t>(*index) + 1);
    DeviceTypeEntry& row = table[static_cast<std::size_t>(*index)];

    // Each value must pass its test; the first that fails ends this row.
    const auto type = ByteValue(registry, key, "Type");
    if (!type) return;
    row.Type = *type;
    const auto reply = ByteValue(registry, key, "Reply");
    if (!reply) return;
    row.Reply = *reply;
    const auto name = TextValue(registry, key, "Name");
    if (!name) return;
    row.Name = *name;
    const auto bootName = TextValue(registry, key, "BootName");
    if (!bootName) return;
    row.BootName = *bootName;
}

void EnumerateDeviceTypes(DeviceTypeTable& table, Registry& registry)
{
    table.assign(1, DeviceTypeEntry{});
    if (!registry.KeyExists(DeviceTypeRegistryKey)) {
        WriteDefaultDeviceTypes(table, registry);
        return;
    }
    // Listed once: asking for subkey n, one at a time, would search the
    // store again for each.
    for (const std::string& name : registry.SubKeyNames(DeviceTypeRegistryKey))
        ReadDeviceTypeKey(table, registry, name);
}

void LoadDeviceTypes(DeviceTypeTable& table, Registry& registry)
{
    table.clear();
    if (!registry.KeyExists(DeviceTypeRegistryKey)) {
        WriteDefaultDeviceTypes(table, registry);
        return;
    }
    const auto version = registry.QueryValue(DeviceTypeRegistryKey, "Version");
    if (version && version->type == RegistryValueType::Dword) {
        const auto number = version->AsDword();
        if (number && *number >= DeviceTypeTableVersion)
            EnumerateDeviceTypes(table, registry);
        else
            WriteDefaultDeviceTypes(table, registry);
    }
    // A key without a readable version, or without one readable row, would
    // leave the searches nothing to recognise a device by.
    if (!HasUsableRow(table)) FillDefaultDeviceTypes(table);
}

const DeviceTypeEntry* FindDeviceTypeByReply(const DeviceTypeTable& table, uint8_t reply)
{
    const auto found =
        std::find_if(table.begin(), table.end(), [reply](const DeviceTypeEntry& row) { return row.Reply == reply; });
    return found == table.end() ? nullptr : &*found;
}
