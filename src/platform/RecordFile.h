#pragma once

#include "platform/FileDescriptor.h"
#include "platform/FixedRecord.h"
#include "platform/PathError.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <sys/types.h>

// A file that could not be opened, read, written, renamed or deleted.
class FileError : public PathError {
public:
    using PathError::PathError;
};

// "<action> '<path>': <cause>", the cause kept apart.
FileError FileErrorAt(const std::string& action, const std::filesystem::path& path, const std::string& cause);

// Reads fixed-length records from the first until a read is short. The
// file is read in large pieces into memory the reader owns, so each byte
// passes from the file into memory once and a loader can decode a record
// where it lies (Next) instead of copying it out first (ReadNext).
class RecordFileReader {
public:
    // Throws FileError when the file cannot be opened.
    RecordFileReader(const std::filesystem::path& path, std::size_t recordLength);
    RecordFileReader(const RecordFileReader&) = delete;
    RecordFileReader& operator=(const RecordFileReader&) = delete;
    virtual ~RecordFileReader() = default;

    // The next whole record, borrowed from the reader's memory and valid
    // until the next call; nullptr when the file has no whole record left.
    // A file that cannot be read raises FileError: a read error is never
    // taken for the end of the file.
    uint8_t* Next();
    // The record that Next returned last, still readable after Next found
    // the end; nullptr before the first.
    const uint8_t* LastRecord() const { return handedOut_ ? piece_.get() + next_ - recordLength_ : nullptr; }
    // The same, copied into `record`. A short read still delivers the bytes
    // it got into the front of the record.
    bool ReadNext(FixedRecord& record);
    // Another reader of the file this one opened, from its first record: it
    // reads that file even after another has taken its name. Throws
    // FileError.
    std::unique_ptr<RecordFileReader> ReaderOfTheSameFile() const;
    const std::filesystem::path& Path() const { return path_; }
    // The whole records the file held when it was opened.
    std::size_t RecordCount() const { return recordCount_; }
    // After the last read: false when the file ended inside a record.
    bool EndedOnRecordBoundary() const { return end_ == next_; }

protected:
    // One read of the file's bytes from `offset`, as pread(2) answers: the
    // count read, 0 at the end, or -1 with errno set. A reader whose file
    // fails under it (a pulled stick, a dropped share) is made by answering
    // otherwise.
    virtual ssize_t ReadAt(uint8_t* into, std::size_t length, off_t offset);

private:
    // Takes over `descriptor`, which is open on `path` or negative with errno set.
    RecordFileReader(int descriptor, const std::filesystem::path& path, std::size_t recordLength);
    // Moves what is left to the front and reads more; false at the end.
    bool Refill();

    std::filesystem::path path_;
    FileDescriptor descriptor_;  // closed however the reader ends, a failed construction included
    std::size_t recordLength_;
    std::unique_ptr<uint8_t[]> piece_;
    std::size_t capacity_ = 0;
    std::size_t recordCount_ = 0;
    std::size_t next_ = 0;  // first byte not yet handed out
    std::size_t end_ = 0;   // end of the bytes read
    // Where the next read starts: each reader keeps its own, so two readers
    // of one open file never move each other's place.
    off_t offset_ = 0;
    bool atEnd_ = false;
    bool handedOut_ = false;  // a record was returned; a refill keeps it
};

// Writes fixed-length records to a new file, in large pieces; Commit
// flushes them to the disk.
class RecordFileWriter {
public:
    // Creates the file, which must not exist yet: whatever stands at its name,
    // a link above all, is never written through. Throws FileError when the
    // file cannot be created.
    RecordFileWriter(const std::filesystem::path& path, std::size_t recordLength);
    RecordFileWriter(const RecordFileWriter&) = delete;
    RecordFileWriter& operator=(const RecordFileWriter&) = delete;

    // Throws FileError when a write fails.
    void Write(const FixedRecord& record);
    // The next record's bytes, zeroed, to be filled where they will be
    // written rather than copied there: valid until the next call on the
    // writer. Throws FileError when a write fails.
    uint8_t* NextRecord();
    // Flushes to the disk and closes; throws FileError when any write failed.
    void Commit();

private:
    // Room for the next record in the buffer, which is first handed to the
    // file when full.
    uint8_t* Reserve();
    // Hands the records gathered so far to the file.
    void WriteBuffer();

    std::filesystem::path path_;
    FileDescriptor descriptor_;  // closed however the writer ends
    std::size_t recordLength_;
    std::unique_ptr<char[]> buffer_;
    std::size_t used_ = 0;     // bytes gathered in the buffer
    std::size_t written_ = 0;  // bytes handed to the file
    bool committed_ = false;
};

// The three files of one database: "Name.DEF", "Name.TMP" and "Name.BAK".
struct DatabaseFiles {
    DatabaseFiles(const std::filesystem::path& folder, const std::string& baseName);
    std::filesystem::path def;
    std::filesystem::path tmp;
    std::filesystem::path bak;

    // After the new content was committed to the ".TMP" file: the old ".DEF"
    // becomes the ".BAK" and the ".TMP" the ".DEF". At every step the ".DEF"
    // or the ".BAK" holds the last good content. Throws FileError.
    void PromoteTemporary() const;
    // The saved database is empty: ".DEF" is deleted, ".BAK" kept.
    void RemoveDatabase() const;
    // Deletes the ".TMP" left by an earlier save, if any.
    void RemoveTemporary() const;
};

// Puts the fresh file, already flushed to the disk, at the target. A file
// already at the target is kept as the backup (unless the backup path is the
// target itself): a second name of it, or where the file system refuses hard
// links a copy, flushed. Either is made beside the backup and renamed over
// it, so that at every step the target holds the last whole content and the
// backup the previous or the new backup, whole. Throws FileError.
void ReplaceKeepingBackup(const std::filesystem::path& fresh, const std::filesystem::path& target,
                          const std::filesystem::path& backup);
// Gives a file a second name, `as`: a hard link, or where the file system
// refuses one a flushed copy. Either is made beside `as` and renamed over
// it, so that `as` never names part of the file. Throws FileError.
void KeepAside(const std::filesystem::path& file, const std::filesystem::path& as);
// Writes a whole record file, flushed to the disk, at the temporary path,
// made afresh (see TemporaryFile), then lets `place` put it where it
// belongs: a failure at any step leaves no temporary file behind. Throws
// FileError.
void WriteRecordFileThenPlace(const std::filesystem::path& temporary, std::size_t recordLength,
                              const std::function<void(RecordFileWriter&)>& write, const std::function<void()>& place);
// Writes a whole record file through "<target>.TMP" beside it, which
// replaces the target only once complete: a failure leaves the old file as
// it was and no temporary file behind. A path that is a symbolic link is
// saved to the file the link leads to, and stays a link. Throws FileError.
void WriteRecordFileReplacing(const std::filesystem::path& path, std::size_t recordLength,
                              const std::function<void(RecordFileWriter&)>& write);
// Whether a file (or folder) of that name exists; throws FileError when
// that cannot be told (a folder on the way that cannot be searched).
bool FileExists(const std::filesystem::path& path);
// Deletes a file that exists; throws FileError when that fails.
void DeleteFileIfExists(const std::filesystem::path& path);
// Renames, replacing the target; throws FileError when that fails.
void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Flushes a folder's entries (renames, new files) to the disk.
void SyncFolder(const std::filesystem::path& folder);
// Flushes a file's content to the disk; throws FileError.
void FlushFile(const std::filesystem::path& path);
