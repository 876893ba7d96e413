#include "platform/ZipArchive.h"

#include "platform/ArchiveLog.h"
#include "platform/FileDescriptor.h"
#include "platform/FolderListing.h"
#include "platform/RecordFile.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <zip.h>

namespace fs = std::filesystem;

namespace {

std::string LibzipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

std::string Quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

// "'<path>': <cause>", or what was done first, the cause kept apart.
ZipError ZipErrorAt(const fs::path& path, const std::string& cause, const std::string& action = {})
{
    return ZipError((action.empty() ? "" : action + " ") + Quoted(path) + ": " + cause, cause, path);
}

// A member's name and what went wrong with it.
ZipError MemberError(std::string_view name, const std::string& cause)
{
    return ZipError(std::string(name) + ": " + cause, cause);
}

// libzip writes no file for an archive without members; an empty folder
// still gives a valid archive: the end-of-central-directory record alone.
void WriteEmptyArchive(const fs::path& archivePath)
{
    const std::array<char, 22> endRecord{'P', 'K', 5, 6};
    std::ofstream out(archivePath, std::ios::binary | std::ios::trunc);
    out.write(endRecord.data(), endRecord.size());
    out.close();
    if (!out) throw ZipErrorAt(archivePath, std::strerror(errno), "cannot write");
}

std::vector<fs::path> OrdinaryFilesOf(const fs::path& folder)
{
    try {
        return OrdinaryFilesMatching(folder, "*");
    } catch (const FileError& error) {
        throw ZipError(error.what(), error.cause());
    }
}

// zip_close writes "<archive>.XXXXXX" beside the archive, six letters or
// digits, and renames it into place.
bool IsLeftoverOf(std::string_view name, std::string_view archiveName)
{
    constexpr std::size_t suffix = 6;
    if (name.size() != archiveName.size() + 1 + suffix || !name.starts_with(archiveName) ||
        name[archiveName.size()] != '.')
        return false;
    return std::all_of(name.end() - suffix, name.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    });
}

// What a process killed inside zip_close left of an earlier archive at the
// same path; the files of other names stay untouched. Litter that cannot be
// removed is no reason to refuse the save: it is logged and stays.
void RemoveLeftoversOf(const fs::path& archivePath)
{
    const std::string archiveName = archivePath.filename().string();
    const fs::path folder = archivePath.parent_path().empty() ? fs::path(".") : archivePath.parent_path();
    const auto leftover = [&archiveName](const fs::directory_entry& entry) {
        std::error_code error;
        return IsLeftoverOf(entry.path().filename().string(), archiveName) &&
               entry.symlink_status(error).type() != fs::file_type::directory;
    };
    try {
        for (const fs::path& file : EntriesWhere(folder, leftover)) {
            try {
                DeleteFileIfExists(file);
            } catch (const FileError& error) {
                qCWarning(archiveLog) << "leftover kept:" << error.what();
            }
        }
    } catch (const FileError& error) {
        qCWarning(archiveLog) << "leftovers not looked for:" << error.what();
    }
}

struct ArchiveCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ArchiveHandle = std::unique_ptr<zip_t, ArchiveCloser>;

struct MemberCloser {
    void operator()(zip_file_t* member) const { zip_fclose(member); }
};
using MemberHandle = std::unique_ptr<zip_file_t, MemberCloser>;

ArchiveHandle OpenArchive(const fs::path& path, int flags)
{
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), flags, &code);
    if (archive == nullptr) throw ZipErrorAt(path, LibzipErrorText(code));
    return ArchiveHandle(archive);
}

// A name that can only mean a file directly inside the destination folder.
bool IsPlainFileName(std::string_view name)
{
    if (name.empty() || name == ".") return false;                           // "." is the folder itself
    if (name.find_first_of("/\\:") != std::string_view::npos) return false;  // folders, roots, drives
    if (name.find("..") != std::string_view::npos) return false;
    return std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 32; });
}

// Errors of creating a file that speak of its name alone: too long, or
// characters the file system refuses. The folder still takes other names;
// a full, read-only or failing folder gives other errors.
bool NameCannotBeAFile(int error)
{
    return error == ENAMETOOLONG || error == EILSEQ || error == EINVAL;
}

// Throws ZipError, leaving no file, when the member holds more than stated.
// A name the folder cannot hold as a file is the member's fault, not the
// folder's: nothing is written, and the reason is returned.
std::optional<std::string> CopyMemberToFile(zip_t* archive, zip_uint64_t index, const std::string& name,
                                            const fs::path& target, std::uint64_t statedSize)
{
    MemberHandle member(zip_fopen_index(archive, index, 0));
    if (!member) throw MemberError(name, zip_strerror(archive));

    // O_NOFOLLOW: a link planted in the folder must not redirect the write.
    FileDescriptor out(::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (out.get() < 0) {
        if (NameCannotBeAFile(errno)) return std::strerror(errno);
        throw ZipErrorAt(target, std::strerror(errno), "cannot create");
    }

    std::array<char, 65536> chunk{};
    std::uint64_t total = 0;
    for (;;) {
        const zip_int64_t got = zip_fread(member.get(), chunk.data(), chunk.size());
        if (got < 0) throw MemberError(name, zip_file_strerror(member.get()));
        if (got == 0) break;
        total += static_cast<std::uint64_t>(got);
        if (total > statedSize) {
            out.Close();
            std::error_code ignored;  // just created by us; a failure leaves a harmless partial file
            fs::remove(target, ignored);
            throw MemberError(name, "holds more than the " + std::to_string(statedSize) + " bytes it states");
        }
        if (!out.WriteAll(chunk.data(), static_cast<std::size_t>(got)))
            throw ZipErrorAt(target, std::strerror(errno), "cannot write");
    }
    if (!out.Close()) throw ZipErrorAt(target, std::strerror(errno), "cannot write");
    return std::nullopt;
}

// The uncompressed sizes of the members, as the central directory states
// them. Throws ZipError when the archive states more than the limits allow.
std::vector<std::uint64_t> StatedSizesWithin(zip_t* archive, const fs::path& archivePath, const ArchiveLimits& limits)
{
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count < 0) throw ZipErrorAt(archivePath, zip_strerror(archive));
    if (static_cast<std::uint64_t>(count) > limits.maximumMembers)
        throw ZipErrorAt(archivePath, std::to_string(count) + " members, more than the " +
                                          std::to_string(limits.maximumMembers) + " allowed");
    std::vector<std::uint64_t> sizes;
    sizes.reserve(static_cast<std::size_t>(count));
    std::uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(archive, static_cast<zip_uint64_t>(i), 0, &stat) != 0)
            throw ZipErrorAt(archivePath, zip_strerror(archive));
        if ((stat.valid & ZIP_STAT_SIZE) == 0)
            throw ZipErrorAt(archivePath, "member " + std::to_string(i) + " states no size");
        sizes.push_back(stat.size);
        total += std::min<std::uint64_t>(stat.size, UINT64_MAX - total);  // saturates
    }
    if (total > limits.maximumTotalSize)
        throw ZipErrorAt(archivePath, std::to_string(total) + " bytes uncompressed, more than the " +
                                          std::to_string(limits.maximumTotalSize) + " allowed");
    return sizes;
}

bool MatchesAnyMask(std::string_view name, const std::vector<std::string>& masks)
{
    return std::any_of(masks.begin(), masks.end(), [name](const std::string& mask) { return MatchesMask(name, mask); });
}

}  // namespace

void CompressFolder(const fs::path& folder, const fs::path& archivePath)
{
    const std::vector<fs::path> files = OrdinaryFilesOf(folder);
    RemoveLeftoversOf(archivePath);
    if (files.empty()) {
        WriteEmptyArchive(archivePath);
        return;
    }
    ArchiveHandle archive = OpenArchive(archivePath, ZIP_CREATE | ZIP_TRUNCATE);
    for (const fs::path& file : files) {
        zip_source_t* source = zip_source_file(archive.get(), file.c_str(), 0, 0);
        if (source == nullptr) throw ZipErrorAt(file, zip_strerror(archive.get()));
        const std::string name = file.filename().string();
        if (zip_file_add(archive.get(), name.c_str(), source, ZIP_FL_ENC_GUESS | ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            throw MemberError(name, zip_strerror(archive.get()));
        }
    }
    // The sources are read here; on failure the handle's deleter discards.
    if (zip_close(archive.get()) != 0) throw ZipErrorAt(archivePath, zip_strerror(archive.get()));
    static_cast<void>(archive.release());  // zip_close freed it
}

ExtractionResult ExtractMatching(const fs::path& archivePath, const std::vector<std::string>& masks,
                                 const fs::path& folder, const ArchiveLimits& limits)
{
    ArchiveHandle archive = OpenArchive(archivePath, ZIP_RDONLY);
    const std::vector<std::uint64_t> sizes = StatedSizesWithin(archive.get(), archivePath, limits);

    ExtractionResult result;
    std::set<std::string> takenNames;
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        const char* rawName = zip_get_name(archive.get(), index, 0);
        if (rawName == nullptr) throw ZipErrorAt(archivePath, zip_strerror(archive.get()));
        const std::string name = rawName;
        if (!MatchesAnyMask(name, masks)) continue;
        if (!IsPlainFileName(name)) {
            qCDebug(archiveLog) << "skipped" << name.c_str() << "in" << archivePath.c_str()
                                << ": not a plain file name";
            result.skipped.push_back(name);
            continue;
        }
        if (!takenNames.insert(LowerCaseAscii(name)).second) {
            qCDebug(archiveLog) << "skipped" << name.c_str() << "in" << archivePath.c_str() << ": name repeated";
            result.skipped.push_back(name);
            continue;
        }
        if (const auto refusal = CopyMemberToFile(archive.get(), index, name, folder / name, sizes[i])) {
            qCDebug(archiveLog) << "skipped" << name.c_str() << "in" << archivePath.c_str()
                                << ": no file of that name can be made here," << refusal->c_str();
            result.skipped.push_back(name);
            continue;
        }
        result.extracted.push_back(name);
    }
    return result;
}

std::optional<std::string> ReadMember(const fs::path& archivePath, std::string_view name, std::uint64_t maximumSize)
{
    ArchiveHandle archive = OpenArchive(archivePath, ZIP_RDONLY);
    const zip_int64_t found = zip_name_locate(archive.get(), std::string(name).c_str(), ZIP_FL_NOCASE);
    if (found < 0) return std::nullopt;
    const auto index = static_cast<zip_uint64_t>(found);
    MemberHandle member(zip_fopen_index(archive.get(), index, 0));
    if (!member) throw MemberError(name, zip_strerror(archive.get()));
    std::string contents;
    std::array<char, 65536> chunk{};
    for (;;) {
        const zip_int64_t got = zip_fread(member.get(), chunk.data(), chunk.size());
        if (got < 0) throw MemberError(name, zip_file_strerror(member.get()));
        if (got == 0) break;
        // The stated size may lie, so the bytes read count.
        if (contents.size() + static_cast<std::uint64_t>(got) > maximumSize)
            throw MemberError(name, "larger than " + std::to_string(maximumSize) + " bytes");
        contents.append(chunk.data(), static_cast<std::size_t>(got));
    }
    return contents;
}
