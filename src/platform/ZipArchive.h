#pragma once

#include "platform/PathError.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An archive that could not be written or read; what() is the description
// text shown to the user.
class ZipError : public PathError {
public:
    using PathError::PathError;
    ZipError(const std::string& description, std::string cause, std::filesystem::path file)
        : PathError(description, std::move(cause)), file_(std::move(file))
    {
    }

    // The file the description names, the archive or one made from it; empty
    // when it names a member. A message that names the archive itself shows
    // cause() after it, so that the path is not said twice.
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
};

// Compresses every ordinary file of the folder (not its subfolders) into a
// fresh archive at archivePath, replacing any file there. The members are
// named by the files' names, deflated. The ZIP library writes the archive
// under a temporary name beside it, which a process killed meanwhile leaves
// behind: those of this archive path are removed first. Throws ZipError.
void CompressFolder(const std::filesystem::path& folder, const std::filesystem::path& archivePath);

struct ExtractionResult {
    std::vector<std::string> extracted;  // member names written, in archive order
    std::vector<std::string> skipped;    // names refused as unsafe, repeated or unusable here
};

// What an untrusted archive may hold at most, all its members counted,
// whether they are extracted or not.
struct ArchiveLimits {
    std::uint64_t maximumMembers = UINT64_MAX;
    std::uint64_t maximumTotalSize = UINT64_MAX;  // uncompressed bytes
};

// Extracts the members whose names match one of the masks ('*' and '?',
// letter case ignored) into the folder, replacing files of the same name.
// The archive is untrusted: one whose central directory states more members
// or more uncompressed bytes than the limits is refused before anything is
// written, and a member that holds more than its stated size is an error,
// so that no archive fills the disk; a member whose name holds a path
// separator, "..", a drive or a root is skipped, never written outside the
// folder; of members whose names differ only in letter case the first one
// wins; a member whose name the folder cannot hold as a file (too long, or
// characters its file system refuses) is skipped. Throws ZipError when the
// archive is refused or cannot be read, or a member cannot be written.
ExtractionResult ExtractMatching(const std::filesystem::path& archivePath, const std::vector<std::string>& masks,
                                 const std::filesystem::path& folder, const ArchiveLimits& limits = {});

// The contents of the member of that name (letter case ignored), read into
// memory; nothing when the archive holds no such member. Throws ZipError when
// the archive cannot be read or the member is larger than the limit.
std::optional<std::string> ReadMember(const std::filesystem::path& archivePath, std::string_view name,
                                      std::uint64_t maximumSize);
