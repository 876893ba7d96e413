#include "platform/FileDescriptor.h"

#include <cerrno>
#include <unistd.h>

FileDescriptor::~FileDescriptor()
{
    if (fd_ >= 0) ::close(fd_);
}

bool FileDescriptor::Close()
{
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
}

bool FileDescriptor::WriteAll(const char* bytes, std::size_t size) const
{
    while (size > 0) {
        const ssize_t written = ::write(fd_, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}
