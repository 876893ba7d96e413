#include "platform/FileIdentity.h"

#include "platform/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

FileIdentity FileIdentity::Of(const std::filesystem::path& path)
{
    FileIdentity identity;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) return identity;
        throw FileErrorAt("cannot examine", path, std::strerror(errno));
    }
    identity.exists_ = true;
    identity.device_ = status.st_dev;
    identity.inode_ = status.st_ino;
    identity.size_ = status.st_size;
    identity.modifiedSeconds_ = status.st_mtim.tv_sec;
    identity.modifiedNanoseconds_ = status.st_mtim.tv_nsec;
    return identity;
}
