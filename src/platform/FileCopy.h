#pragma once

#include <filesystem>

// Copies a file's bytes and permissions into a new file, which must not
// exist yet (a link planted at its name is not followed), and flushes it to
// the disk. Throws FileError; the new file may then hold part of the bytes.
void CopyToNewFile(const std::filesystem::path& from, const std::filesystem::path& to);
