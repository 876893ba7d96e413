#pragma once

#include <cstdint>
#include <filesystem>

// Which file a path names at one moment (through any link): none, or one
// file as it then stood. Two identities are equal only while the path names
// the same file, unchanged: another file renamed into its place, or the
// file written again, gives another identity.
class FileIdentity {
public:
    // Throws FileError when it cannot be told (a folder on the way that
    // cannot be searched).
    static FileIdentity Of(const std::filesystem::path& path);

    bool Exists() const { return exists_; }
    // The bytes the file held; 0 when there is none.
    int64_t Size() const { return size_; }
    bool operator==(const FileIdentity&) const = default;

private:
    bool exists_ = false;
    uint64_t device_ = 0;
    uint64_t inode_ = 0;
    int64_t size_ = 0;
    int64_t modifiedSeconds_ = 0;
    int64_t modifiedNanoseconds_ = 0;
};
