#include "platform/TemporaryFile.h"

#include "platform/RecordFile.h"

#include <string>
#include <utility>

namespace fs = std::filesystem;

fs::path PartialPathOf(const fs::path& path)
{
    std::string name = path.filename().string();
    name.insert(0, 1, '.');  // in place: GCC 12 warns on a literal plus a string in release builds
    name += ".partial";
    return path.parent_path() / name;
}

TemporaryFile::TemporaryFile(fs::path path) : path_(std::move(path))
{
    DeleteFileIfExists(path_);
}

TemporaryFile::~TemporaryFile()
{
    if (placed_) return;
    std::error_code ignored;  // the save failed already; what it reports is that failure
    fs::remove(path_, ignored);
}
