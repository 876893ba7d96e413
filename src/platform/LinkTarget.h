#pragma once

#include <filesystem>

// The file a save to the path writes: the path itself, or, when it is a
// symbolic link, the file at the end of its chain of links (a relative link
// read from its own folder), whether that file exists yet or not. A save
// that replaced the link by a file of its own would leave the linked file
// with the old content. Throws FileError for a chain that cannot be read or
// that loops.
std::filesystem::path FollowLinks(const std::filesystem::path& path);
