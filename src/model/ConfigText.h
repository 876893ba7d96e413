#pragma once

#include "model/ConfigurationRecord.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// "Config.tmp": the whole configuration as 41,450 values, one a line, whose
// meaning is their position alone.
namespace ConfigText {
constexpr int ValueCount = 41450;
}

// A "Config.tmp" that ends early, holds a value of the wrong kind, a number
// its variable cannot hold or a message count outside 0 to 32. what() names
// the value's position.
class ConfigTextError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text of the configuration, CRLF after every value.
std::string ConfigTextOf(const ConfigurationRecord& record);
// Writes that text to the file; throws FileError.
void WriteConfigText(const std::filesystem::path& path, const ConfigurationRecord& record);

// Reads the values into the record. The record changes only when every value
// was read; otherwise ConfigTextError (or FileError for an unreadable file)
// leaves it as it was. The version numbers and the spare value are dropped.
void ParseConfigText(std::string_view text, ConfigurationRecord& record);
void ReadConfigText(const std::filesystem::path& path, ConfigurationRecord& record);
