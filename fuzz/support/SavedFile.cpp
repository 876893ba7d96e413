#include "SavedFile.h"

#include "platform/WholeFile.h"

std::optional<std::string> SavedFile(const std::filesystem::path& path)
{
    if (!std::filesystem::exists(path)) return std::nullopt;
    return ReadWholeFile(path);
}
