#pragma once

#include "platform/CaseInsensitiveMap.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The two kinds of value the editor keeps in the registry.
enum class RegistryValueType { String, Dword };

struct RegistryValue {
    RegistryValueType type = RegistryValueType::String;
    std::string data;  // a string's bytes as stored; a DWORD's four bytes, low byte first

    static RegistryValue FromDword(uint32_t value);
    static RegistryValue FromString(std::string text) { return {RegistryValueType::String, std::move(text)}; }
    // The value as a DWORD when it is one of exactly four bytes.
    std::optional<uint32_t> AsDword() const;
};

// A small typed key store kept in one file. Keys are paths with '\' between
// their parts ("HKEY_LOCAL_MACHINE\Software\..."), compared without regard to
// case as the system registry does. Every change is written through at once,
// unless a BulkWrite holds the writes back; a change that cannot be saved
// reports false and stays in memory only.
class Registry {
public:
    // Keeps the changes made while it lives in memory and writes the file
    // once at the end, so that a run of changes costs one write, not one each.
    class BulkWrite {
    public:
        explicit BulkWrite(Registry& registry);
        ~BulkWrite();
        BulkWrite(const BulkWrite&) = delete;
        BulkWrite& operator=(const BulkWrite&) = delete;
        // Writes the file now; false when it could not be written.
        bool Finish();

    private:
        Registry* registry_;
    };

    // Loads the store from the file; a missing or unreadable file is an empty
    // store, and lines that cannot be understood are passed over.
    explicit Registry(std::filesystem::path file);

    // The file named by TAVLO_REGISTRY, else "registry" in the user's
    // configuration folder for the editor.
    static std::filesystem::path DefaultFile();

    bool KeyExists(const std::string& key) const;
    // Creates the key and every missing key above it.
    bool CreateKey(const std::string& key);
    // Deletes the key with its values and every key below it, also those
    // whose keys between were lost; false when the file could not be written.
    bool DeleteKey(const std::string& key);
    // The names of the key's subkeys (not those further down), in the
    // store's order; none when the key does not exist. One pass over them.
    std::vector<std::string> SubKeyNames(const std::string& key) const;

    std::optional<RegistryValue> QueryValue(const std::string& key, const std::string& name) const;
    // Sets a value of an existing key; false when the key does not exist or
    // the file could not be written.
    bool SetValue(const std::string& key, const std::string& name, const RegistryValue& value);

    const std::filesystem::path& File() const { return file_; }
    // How many times this store has set out to write its file.
    int FileWrites() const { return fileWrites_; }

private:
    // Names keep the spelling they were first written with.
    using Values = CaseInsensitiveMap<RegistryValue>;

    // The key without trailing separators, a view of the one given.
    static std::string_view Normalised(std::string_view key);
    static bool IsStorableName(const std::string& name);
    // Writes the file, or only notes that it must be written while a bulk
    // write is under way.
    bool Changed();
    bool Save();
    void Load();

    std::filesystem::path file_;
    CaseInsensitiveMap<Values> keys_;
    int bulkWrites_ = 0;
    bool unsaved_ = false;
    int fileWrites_ = 0;
};
