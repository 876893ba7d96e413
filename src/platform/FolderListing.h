#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// True when the name matches the mask ('*' any run, '?' any one character),
// letter case ignored.
bool MatchesMask(std::string_view name, std::string_view mask);

// Names compared without regard to letter case meet in this form.
std::string LowerCaseAscii(std::string_view text);

// The ordinary files directly in the folder whose names match the mask, in
// name order, letter case ignored. Throws FileError when the folder cannot
// be listed.
std::vector<std::filesystem::path> OrdinaryFilesMatching(const std::filesystem::path& folder, std::string_view mask);

// Deletes every ordinary file directly in the folder. Throws FileError at
// the first file it cannot delete.
void DeleteOrdinaryFiles(const std::filesystem::path& folder);
