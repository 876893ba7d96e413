#include "editor/defaults/DefaultNotes.h"

#include "platform/Windows1252.h"
#include "platform/ZipArchive.h"

#include <optional>
#include <string>

namespace {

// Far beyond the 200 characters a configuration's notes hold.
constexpr std::uint64_t LargestNotes = 1024 * 1024;

}  // namespace

QString NotesOfDefault(const std::filesystem::path& archive)
{
    try {
        const std::optional<std::string> notes = ReadMember(archive, "Notes.txt", LargestNotes);
        return notes ? FromWindows1252(*notes) : QString();
    } catch (const ZipError&) {
        return {};
    }
}
