#pragma once

#include <QString>
#include <filesystem>

// The notes of a default configuration, read from its archive in memory:
// empty when it has none or cannot be read.
QString NotesOfDefault(const std::filesystem::path& archive);
