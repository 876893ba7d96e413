#include "platform/RecordFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::size_t BufferSize = 1 << 16;

std::string Describe(const std::string& action, const std::filesystem::path& path)
{
    return action + " '" + path.string() + "': " + std::strerror(errno);
}

}  // namespace

RecordFileReader::RecordFileReader(const std::filesystem::path& path, std::size_t recordLength)
    : file_(std::fopen(path.c_str(), "rb")), recordLength_(recordLength)
{
    if (file_ == nullptr) throw FileError(Describe("cannot open", path));
    // Whole databases pass through here: fewer, larger reads.
    std::setvbuf(file_, nullptr, _IOFBF, BufferSize);
}

RecordFileReader::~RecordFileReader()
{
    if (file_ != nullptr) std::fclose(file_);
}

bool RecordFileReader::ReadNext(FixedRecord& record)
{
    if (record.size() < recordLength_) throw std::out_of_range("record buffer shorter than the file's records");
    lastReadLength_ = std::fread(record.data(), 1, recordLength_, file_);
    return lastReadLength_ == recordLength_;
}

RecordFileWriter::RecordFileWriter(const std::filesystem::path& path, std::size_t recordLength)
    : path_(path), file_(std::fopen(path.c_str(), "wb")), recordLength_(recordLength)
{
    if (file_ == nullptr) throw FileError(Describe("cannot create", path));
    std::setvbuf(file_, nullptr, _IOFBF, BufferSize);
}

RecordFileWriter::~RecordFileWriter()
{
    if (file_ != nullptr) std::fclose(file_);
}

void RecordFileWriter::Write(const FixedRecord& record)
{
    if (file_ == nullptr) throw FileError("write after commit to '" + path_.string() + "'");
    if (record.size() < recordLength_) throw std::out_of_range("record buffer shorter than the file's records");
    if (std::fwrite(record.data(), 1, recordLength_, file_) != recordLength_)
        throw FileError(Describe("cannot write", path_));
}

void RecordFileWriter::Commit()
{
    std::FILE* file = file_;
    file_ = nullptr;
    const bool flushed = std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    if (!flushed || !closed) throw FileError(Describe("cannot write", path_));
}

DatabaseFiles::DatabaseFiles(const std::filesystem::path& folder, const std::string& baseName)
    : def(folder / (baseName + ".DEF")), tmp(folder / (baseName + ".TMP")), bak(folder / (baseName + ".BAK"))
{
}

void DatabaseFiles::PromoteTemporary() const
{
    ReplaceKeepingBackup(tmp, def, bak);
}

void DatabaseFiles::RemoveDatabase() const
{
    DeleteFileIfExists(def);
}

void DatabaseFiles::RemoveTemporary() const
{
    DeleteFileIfExists(tmp);
}

void ReplaceKeepingBackup(const std::filesystem::path& fresh, const std::filesystem::path& target,
                          const std::filesystem::path& backup)
{
    // The backup becomes a second name of the current file first, then the
    // fresh file replaces it in one rename: there is never a moment without
    // a file at the target that holds whole content.
    if (backup != target && std::filesystem::is_regular_file(target)) {
        DeleteFileIfExists(backup);
        std::error_code linkError;
        std::filesystem::create_hard_link(target, backup, linkError);
        if (linkError) {
            // A file system without hard links: a copy serves as the backup.
            std::error_code copyError;
            std::filesystem::copy_file(target, backup, std::filesystem::copy_options::overwrite_existing, copyError);
            if (copyError)
                throw FileError("cannot back up '" + target.string() + "' as '" + backup.string() +
                                "': " + copyError.message());
        }
    }
    RenameFile(fresh, target);
    SyncFolder(target.parent_path());
}

void DeleteFileIfExists(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) throw FileError("cannot delete '" + path.string() + "': " + error.message());
}

void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (error) throw FileError("cannot rename '" + from.string() + "' to '" + to.string() + "': " + error.message());
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) return;  // nothing to flush through; the renames stand
    ::fsync(descriptor);
    ::close(descriptor);
}
