#include "FolderSnapshot.h"

#include "platform/WholeFile.h"

namespace fs = std::filesystem;

FolderSnapshot SnapshotFolder(const fs::path& folder, const fs::path& except)
{
    FolderSnapshot snapshot;
    const fs::path skipped = folder / except;
    // Links are listed, never followed.
    for (auto entry = fs::recursive_directory_iterator(folder); entry != fs::recursive_directory_iterator(); ++entry) {
        const fs::path& path = entry->path();
        if (path == skipped) {
            entry.disable_recursion_pending();
            continue;
        }
        const std::string name = path.lexically_relative(folder).string();
        if (entry->is_symlink())
            snapshot[name] = "link to " + fs::read_symlink(path).string();
        else if (entry->is_directory())
            snapshot[name] = "folder";
        else
            snapshot[name] = "file " + ReadWholeFile(path);
    }
    return snapshot;
}

bool TempFolderIsEmptyOrAbsent(const fs::path& temp)
{
    const fs::file_status status = fs::symlink_status(temp);
    if (!fs::exists(status)) return true;
    return fs::is_directory(status) && fs::is_empty(temp);
}
