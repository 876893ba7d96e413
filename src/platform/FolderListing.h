#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// True when the name matches the mask ('*' any run, '?' any one character),
// letter case ignored.
bool MatchesMask(std::string_view name, std::string_view mask);

// Names compared without regard to letter case meet in this form.
std::string LowerCaseAscii(std::string_view text);

// The entries directly in the folder that `accept` takes, in name order,
// letter case ignored. Throws FileError when the folder cannot be listed.
std::vector<std::filesystem::path> EntriesWhere(
    const std::filesystem::path& folder, const std::function<bool(const std::filesystem::directory_entry&)>& accept);

// The ordinary files directly in the folder whose names match the mask, in
// name order, letter case ignored. Throws FileError when the folder cannot
// be listed.
std::vector<std::filesystem::path> OrdinaryFilesMatching(const std::filesystem::path& folder, std::string_view mask);

// Deletes everything in the folder: its files, its folders with all they
// hold, and every link as itself, whatever it points to. Throws FileError at
// the first entry it cannot delete.
void EmptyFolder(const std::filesystem::path& folder);

// Leaves an empty folder at the path: the folder there emptied, or a new
// one. Anything else there (a file, a link, even one to a folder) is removed
// as itself, never followed. Throws FileError.
void MakeEmptyFolder(const std::filesystem::path& folder);
// Removes the folder with everything in it, or as itself anything else that
// stands at the path; nothing when nothing does. Throws FileError.
void RemoveFolderWithContents(const std::filesystem::path& folder);
