#include "DatabaseInput.h"

#include "PropertyCheck.h"
#include "SavedFile.h"
#include "platform/WholeFile.h"

#include <string_view>

namespace {

std::optional<std::string> FileOf(std::string_view bytes)
{
    if (bytes.empty()) return std::nullopt;
    return std::string(bytes);
}

// Some "<name>.BAK" or "<name>.DAMAGED..." holds exactly these bytes.
bool KeptUnchanged(const std::filesystem::path& folder, const std::string& name, const std::string& bytes)
{
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string file = entry.path().filename().string();
        const bool keeper = file == name + ".BAK" || file.starts_with(name + ".DAMAGED");
        if (keeper && entry.is_regular_file() && ReadWholeFile(entry.path()) == bytes) return true;
    }
    return false;
}

}  // namespace

DatabaseInput::DatabaseInput(const uint8_t* data, std::size_t size)
{
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::size_t marker = all.find(BackupMarker);
    def = FileOf(all.substr(0, marker));
    if (marker != std::string_view::npos) bak = FileOf(all.substr(marker + std::string_view(BackupMarker).size()));
}

void DatabaseInput::WriteTo(const std::filesystem::path& folder, const std::string& name) const
{
    if (def) WriteWholeFile(folder / (name + ".DEF"), *def);
    if (bak) WriteWholeFile(folder / (name + ".BAK"), *bak);
}

void CheckEachFileReadWholeOrKept(const DatabaseInput& input, const std::filesystem::path& folder,
                                  const std::string& name,
                                  const std::function<AloneResult(const std::string& def)>& alone)
{
    const std::optional<std::string> saved = SavedFile(folder / (name + ".DEF"));
    bool defReadWhole = false;
    if (input.def) {
        const AloneResult result = alone(*input.def);
        defReadWhole = result.whole && result.saved == saved;
        CheckProperty(defReadWhole || KeptUnchanged(folder, name, *input.def),
                      "the .DEF is read whole into the saved database or kept unchanged");
    }
    if (input.bak) {
        bool bakReadWhole = false;
        if (!defReadWhole) {
            const AloneResult result = alone(*input.bak);
            bakReadWhole = result.whole && result.saved == saved;
        }
        CheckProperty(defReadWhole || bakReadWhole || KeptUnchanged(folder, name, *input.bak),
                      "the .BAK is read whole into the saved database, kept unchanged, or replaced by a .DEF read "
                      "whole");
    }
}
