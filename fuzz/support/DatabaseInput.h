#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

// A database target's input: the bytes before the first "#BAK#" are the
// ".DEF", those after it the ".BAK" (none without the marker); an empty
// part is no file. A seed of one database file is still a seed.
struct DatabaseInput {
    static constexpr const char* BackupMarker = "#BAK#";

    DatabaseInput(const uint8_t* data, std::size_t size);
    // Writes "<name>.DEF" and "<name>.BAK" into the folder.
    void WriteTo(const std::filesystem::path& folder, const std::string& name) const;

    std::optional<std::string> def;
    std::optional<std::string> bak;
};

// What a load and a save make of one ".DEF" alone in a fresh folder:
// whether it loaded without a message (read whole), and the ".DEF" the save
// left (none for an empty database).
struct AloneResult {
    bool whole = false;
    std::optional<std::string> saved;
};

// After a load and a save of the input's files as database `name` in
// `folder`: each of them was either read whole into the saved database, or
// is still on disk unchanged, as "<name>.BAK" or a "<name>.DAMAGED" file.
// The one loss a save is meant to make is allowed: an old ".BAK" replaced by
// a ".DEF" that was read whole. `alone` loads and saves one ".DEF" by
// itself.
void CheckEachFileReadWholeOrKept(const DatabaseInput& input, const std::filesystem::path& folder,
                                  const std::string& name,
                                  const std::function<AloneResult(const std::string& def)>& alone);
