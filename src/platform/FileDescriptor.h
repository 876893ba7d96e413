#pragma once

#include <cstddef>

// An open file descriptor, closed however its owner ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // False, with errno set, when the close reports a failed write.
    bool Close();
    // Writes all the bytes, however many calls that takes; false, with errno
    // set, when a write fails.
    bool WriteAll(const char* bytes, std::size_t size) const;
    // Hands the descriptor to a new owner, which closes it.
    int Release()
    {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};
