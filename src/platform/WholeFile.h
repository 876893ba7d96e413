#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A small file written or read in one piece. Both throw FileError.
void WriteWholeFile(const std::filesystem::path& path, std::string_view bytes);
std::string ReadWholeFile(const std::filesystem::path& path);
