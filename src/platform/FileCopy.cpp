#include "platform/FileCopy.h"

#include "platform/FileDescriptor.h"
#include "platform/RecordFile.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void CopyToNewFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    const FileDescriptor in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) throw FileErrorAt("cannot open", from, std::strerror(errno));
    struct stat status {};
    if (::fstat(in.get(), &status) != 0) throw FileErrorAt("cannot examine", from, std::strerror(errno));
    FileDescriptor out(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, status.st_mode & 0777));
    if (out.get() < 0) throw FileErrorAt("cannot create", to, std::strerror(errno));

    std::array<char, 65536> chunk{};
    for (;;) {
        const ssize_t got = ::read(in.get(), chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            throw FileErrorAt("cannot read", from, std::strerror(errno));
        }
        if (got == 0) break;
        if (!out.WriteAll(chunk.data(), static_cast<std::size_t>(got)))
            throw FileErrorAt("cannot write", to, std::strerror(errno));
    }
    if (::fsync(out.get()) != 0 || !out.Close()) throw FileErrorAt("cannot write", to, std::strerror(errno));
}
