#pragma once

#include <filesystem>

// Sets or clears the immutable flag of a file or folder: nobody, not even
// the superuser, may then delete the file or create files in the folder.
// False when the file system cannot do it (the caller skips its test).
bool SetImmutable(const std::filesystem::path& path, bool immutable);

// Clears the flag again when it goes out of scope.
class ImmutableWhileInScope {
public:
    explicit ImmutableWhileInScope(std::filesystem::path path)
        : path_(std::move(path)), locked_(SetImmutable(path_, true))
    {
    }
    ~ImmutableWhileInScope()
    {
        if (locked_) SetImmutable(path_, false);
    }
    ImmutableWhileInScope(const ImmutableWhileInScope&) = delete;
    ImmutableWhileInScope& operator=(const ImmutableWhileInScope&) = delete;
    bool Locked() const { return locked_; }

private:
    std::filesystem::path path_;
    bool locked_;
};
