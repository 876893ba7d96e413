#pragma once

#include <filesystem>
#include <map>
#include <string>

// Everything in a folder, at every depth, but one entry of its own: the
// relative path of each file with its bytes, of each folder, and of each
// link with its target, so that two snapshots compare equal only when
// nothing was added, removed, renamed or written.
using FolderSnapshot = std::map<std::string, std::string>;

FolderSnapshot SnapshotFolder(const std::filesystem::path& folder, const std::filesystem::path& except);

// "temp" is empty or absent, and no link.
bool TempFolderIsEmptyOrAbsent(const std::filesystem::path& temp);
