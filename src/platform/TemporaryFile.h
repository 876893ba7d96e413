#pragma once

#include <filesystem>

// ".NAME.partial" beside the path: hidden, and on the same file system, so
// that the rename that puts it in place is a single step.
std::filesystem::path PartialPathOf(const std::filesystem::path& path);

// A file written under a temporary name until a rename puts it in place.
// The name is taken clean: whatever stands there (a file left by a save that
// was killed, a link planted there) is removed as itself, never written
// through, so the save creates a file of its own. Unless Placed, that file
// is removed when the guard goes, however the save ended: a failed save
// leaves no file of its own behind.
class TemporaryFile {
public:
    // Throws FileError when what stands at the name cannot be removed.
    explicit TemporaryFile(std::filesystem::path path);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Renamed into place: nothing is left to remove.
    void Placed() { placed_ = true; }

private:
    std::filesystem::path path_;
    bool placed_ = false;
};
