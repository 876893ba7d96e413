#include "platform/LinkTarget.h"

#include "platform/RecordFile.h"

#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows in one path before it gives up.
constexpr int MaximumLinks = 40;

}  // namespace

fs::path FollowLinks(const fs::path& path)
{
    fs::path current = path;
    for (int followed = 0; followed <= MaximumLinks; ++followed) {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(current, error);
        if (error && status.type() != fs::file_type::not_found)
            throw FileErrorAt("cannot examine", current, error.message());
        if (status.type() != fs::file_type::symlink) return current;
        const fs::path target = fs::read_symlink(current, error);
        if (error) throw FileErrorAt("cannot read the link", current, error.message());
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    throw FileErrorAt("cannot follow", path, std::strerror(ELOOP));
}
