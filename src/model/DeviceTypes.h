#pragma once

#include <cstdint>
#include <string>
#include <vector>

class Registry;

// One kind of device that can answer the serial probe: its type code, the
// identity byte it answers with, and the names shown when it is found.
struct DeviceTypeEntry {
    uint8_t Type = 0;
    uint8_t Reply = 0;
    std::string Name;
    std::string BootName;

    bool IsEmpty() const { return Type == 0 && Reply == 0 && Name.empty() && BootName.empty(); }
    bool operator==(const DeviceTypeEntry&) const = default;
};

using DeviceTypeTable = std::vector<DeviceTypeEntry>;

inline constexpr char DeviceTypeRegistryKey[] = "HKEY_LOCAL_MACHINE\\Software\\Brenlo\\Norvaks\\Types";
inline constexpr uint32_t DeviceTypeTableVersion = 19;
inline constexpr uint8_t ControllerDeviceType = 35;
inline constexpr uint8_t CapturePodReply = 0x77;

// Builds the table at start-up from the registry, writing the built-in table
// there, in place of the whole key and anything left under it, when the key
// is missing or older than this program's. A key that
// yields no usable row leaves the built-in rows in memory, so that the
// device searches always have something to match against.
void LoadDeviceTypes(DeviceTypeTable& table, Registry& registry);
void EnumerateDeviceTypes(DeviceTypeTable& table, Registry& registry);
void ReadDeviceTypeKey(DeviceTypeTable& table, const Registry& registry, const std::string& subKeyName);
void WriteDefaultDeviceTypes(DeviceTypeTable& table, Registry& registry);
void FillDefaultDeviceTypes(DeviceTypeTable& table);

// The first row, in table order, whose identity byte is the one given.
const DeviceTypeEntry* FindDeviceTypeByReply(const DeviceTypeTable& table, uint8_t reply);
