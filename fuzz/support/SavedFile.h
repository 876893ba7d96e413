#pragma once

#include <filesystem>
#include <optional>
#include <string>

// The bytes of a file a save left, or none when the save left no file.
std::optional<std::string> SavedFile(const std::filesystem::path& path);
