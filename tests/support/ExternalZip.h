#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

// Independent readers and writers of ZIP archives (the unzip and zip
// commands, python3's zipfile), so tests never judge our archives by our
// own reader alone.
namespace ExternalZip {

// The member names as `unzip -Z1` lists them, in archive order.
std::vector<std::string> ListMembers(const std::filesystem::path& archive);
// Every member's bytes as python3's zipfile reads them (CRC checked).
std::map<std::string, std::string> ReadMembers(const std::filesystem::path& archive);
// Runs `zip` in the folder with the given options (e.g. "-0" stored, "-9"
// deflated) to pack the named files into the archive.
void ZipFiles(const std::filesystem::path& folder, const std::string& option, const std::filesystem::path& archive,
              const std::vector<std::string>& names);
// Writes an archive with python3's zipfile, members named exactly as given
// (names a careful writer would refuse included), deflated.
void WriteRawArchive(const std::filesystem::path& archive, const std::map<std::string, std::string>& members);

}  // namespace ExternalZip
