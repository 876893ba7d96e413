#pragma once

#include <QString>
#include <cstdint>
#include <filesystem>
#include <vector>

// Whole files as bytes, for the exports and imports of the browsers.
using Bytes = std::vector<uint8_t>;

Bytes ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const Bytes& bytes);
// The parts one after the other, as a file holds its records.
Bytes Join(const std::vector<Bytes>& parts);
// A path as a file dialog answers it.
QString Text(const std::filesystem::path& path);
