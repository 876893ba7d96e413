#include "platform/RecordFile.h"

#include "platform/FileCopy.h"
#include "platform/LinkTarget.h"
#include "platform/TemporaryFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Large writes: the disk flush at the end of a save of many 4 KB writes
// takes twice as long as one of the same bytes in large ones.
constexpr std::size_t BufferSize = 1 << 20;
// Large enough that a database takes few reads, small enough that the
// allocator keeps it on its heap rather than mapping fresh pages each time.
constexpr std::size_t PieceSize = 120 * 1024;

FileError Describe(const std::string& action, const std::filesystem::path& path)
{
    return FileErrorAt(action, path, std::strerror(errno));
}

}  // namespace

void KeepAside(const std::filesystem::path& file, const std::filesystem::path& as)
{
    // Removed whatever happens: after a rename between two names of one file
    // (a name that is already the file's second name) both names stay.
    const TemporaryFile fresh(PartialPathOf(as));
    std::error_code linkError;
    std::filesystem::create_hard_link(file, fresh.path(), linkError);
    if (linkError) CopyToNewFile(file, fresh.path());
    RenameFile(fresh.path(), as);
}

FileError FileErrorAt(const std::string& action, const std::filesystem::path& path, const std::string& cause)
{
    return FileError(action + " '" + path.string() + "': " + cause, cause);
}

RecordFileReader::RecordFileReader(const std::filesystem::path& path, std::size_t recordLength)
    : RecordFileReader(::open(path.c_str(), O_RDONLY | O_CLOEXEC), path, recordLength)
{
}

RecordFileReader::RecordFileReader(int descriptor, const std::filesystem::path& path, std::size_t recordLength)
    : path_(path), descriptor_(descriptor), recordLength_(recordLength)
{
    if (descriptor_.get() < 0) throw Describe("cannot open", path);
    if (recordLength_ == 0) throw std::out_of_range("records of no length");
    // Whole records, as many as fill a piece, but no more than the file
    // holds: a single export record needs no large piece. Room for two at
    // least, since a refill keeps the record last handed out.
    struct stat status {};
    std::size_t records = PieceSize / recordLength_;
    if (::fstat(descriptor_.get(), &status) == 0 && status.st_size >= 0) {
        recordCount_ = static_cast<std::size_t>(status.st_size) / recordLength_;
        records = std::min(records, recordCount_ + 1);
    }
    capacity_ = std::max<std::size_t>(records, 2) * recordLength_;
    piece_ = std::make_unique_for_overwrite<uint8_t[]>(capacity_);
}

bool RecordFileReader::Refill()
{
    if (atEnd_) return false;
    const std::size_t keep = handedOut_ ? recordLength_ : 0;
    const std::size_t from = next_ - keep;
    if (from > 0) std::memmove(piece_.get(), piece_.get() + from, end_ - from);
    end_ -= from;
    next_ = keep;
    const std::size_t before = end_;
    while (end_ < capacity_) {
        const ssize_t got = ReadAt(piece_.get() + end_, capacity_ - end_, offset_);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw Describe("cannot read", path_);
        }
        if (got == 0) {
            atEnd_ = true;
            break;
        }
        end_ += static_cast<std::size_t>(got);
        offset_ += got;
    }
    return end_ > before;
}

ssize_t RecordFileReader::ReadAt(uint8_t* into, std::size_t length, off_t offset)
{
    return ::pread(descriptor_.get(), into, length, offset);
}

std::unique_ptr<RecordFileReader> RecordFileReader::ReaderOfTheSameFile() const
{
    return std::unique_ptr<RecordFileReader>(
        new RecordFileReader(::fcntl(descriptor_.get(), F_DUPFD_CLOEXEC, 0), path_, recordLength_));
}

uint8_t* RecordFileReader::Next()
{
    while (end_ - next_ < recordLength_) {
        if (!Refill()) return nullptr;
    }
    uint8_t* record = piece_.get() + next_;
    next_ += recordLength_;
    handedOut_ = true;
    return record;
}

bool RecordFileReader::ReadNext(FixedRecord& record)
{
    if (record.size() < recordLength_) throw std::out_of_range("record buffer shorter than the file's records");
    if (const uint8_t* bytes = Next()) {
        std::copy_n(bytes, recordLength_, record.data());
        return true;
    }
    std::copy(piece_.get() + next_, piece_.get() + end_, record.data());
    return false;
}

RecordFileWriter::RecordFileWriter(const std::filesystem::path& path, std::size_t recordLength)
    : path_(path),
      // Created here or not at all: O_EXCL refuses whatever stands at the
      // name, a link included, so no other file is ever written through it.
      descriptor_(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666)),
      recordLength_(recordLength)
{
    if (descriptor_.get() < 0) throw Describe("cannot create", path);
    buffer_ = std::make_unique_for_overwrite<char[]>(BufferSize);
}

void RecordFileWriter::Write(const FixedRecord& record)
{
    if (record.size() < recordLength_) throw std::out_of_range("record buffer shorter than the file's records");
    std::copy_n(record.data(), recordLength_, Reserve());
}

uint8_t* RecordFileWriter::NextRecord()
{
    uint8_t* record = Reserve();
    std::fill_n(record, recordLength_, uint8_t{0});
    return record;
}

uint8_t* RecordFileWriter::Reserve()
{
    if (committed_) throw FileError("write after commit to '" + path_.string() + "'");
    if (BufferSize - used_ < recordLength_) WriteBuffer();
    auto* record = reinterpret_cast<uint8_t*>(buffer_.get() + used_);
    used_ += recordLength_;
    return record;
}

void RecordFileWriter::WriteBuffer()
{
    if (used_ == 0) return;
    if (!descriptor_.WriteAll(buffer_.get(), used_)) throw Describe("cannot write", path_);
    // The disk starts on this piece while the next one is made, so the
    // flush at the end waits for little more than the last piece. Only a
    // request: whatever fails here, the flush reports.
    static_cast<void>(::sync_file_range(descriptor_.get(), static_cast<off_t>(written_), static_cast<off_t>(used_),
                                        SYNC_FILE_RANGE_WRITE));
    written_ += used_;
    used_ = 0;
}

void RecordFileWriter::Commit()
{
    if (committed_) throw FileError("write after commit to '" + path_.string() + "'");
    committed_ = true;
    WriteBuffer();
    const bool flushed = ::fsync(descriptor_.get()) == 0;
    const bool closed = descriptor_.Close();
    if (!flushed || !closed) throw Describe("cannot write", path_);
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
    // The backup holds the current file first, then the fresh file replaces
    // it in one rename: there is never a moment without a file at the target
    // that holds whole content.
    std::error_code error;
    const std::filesystem::file_status current = std::filesystem::status(target, error);
    if (error && current.type() != std::filesystem::file_type::not_found)
        throw FileErrorAt("cannot examine", target, error.message());
    if (backup != target && std::filesystem::is_regular_file(current)) KeepAside(target, backup);
    RenameFile(fresh, target);
    SyncFolder(target.parent_path());
}

void WriteRecordFileThenPlace(const std::filesystem::path& temporary, std::size_t recordLength,
                              const std::function<void(RecordFileWriter&)>& write, const std::function<void()>& place)
{
    TemporaryFile fresh(temporary);
    {
        RecordFileWriter writer(fresh.path(), recordLength);
        write(writer);
        writer.Commit();
    }
    place();
    fresh.Placed();
}

void WriteRecordFileReplacing(const std::filesystem::path& path, std::size_t recordLength,
                              const std::function<void(RecordFileWriter&)>& write)
{
    // Beside the file a link leads to, so that the rename stays on its file system.
    const std::filesystem::path target = FollowLinks(path);
    std::filesystem::path temporary = target;
    temporary += ".TMP";
    WriteRecordFileThenPlace(temporary, recordLength, write, [&] {
        RenameFile(temporary, target);
        SyncFolder(target.parent_path());  // as a database save does, so the rename survives a power cut
    });
}

bool FileExists(const std::filesystem::path& path)
{
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (error) throw FileErrorAt("cannot examine", path, error.message());
    return exists;
}

void DeleteFileIfExists(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) throw FileErrorAt("cannot delete", path, error.message());
}

void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to)
{
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (error)
        throw FileError("cannot rename '" + from.string() + "' to '" + to.string() + "': " + error.message(),
                        error.message());
}

void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (descriptor < 0) return;  // nothing to flush through; the renames stand
    ::fsync(descriptor);
    ::close(descriptor);
}

void FlushFile(const std::filesystem::path& path)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.get() < 0 || ::fsync(file.get()) != 0 || !file.Close())
        throw FileErrorAt("cannot flush", path, std::strerror(errno));
}
