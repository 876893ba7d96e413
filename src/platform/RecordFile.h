#pragma once

#include "platform/FixedRecord.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>

// A file that could not be opened, read, written, renamed or deleted.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads fixed-length records from the first until a read is short.
class RecordFileReader {
public:
    // Throws FileError when the file cannot be opened.
    RecordFileReader(const std::filesystem::path& path, std::size_t recordLength);
    ~RecordFileReader();
    RecordFileReader(const RecordFileReader&) = delete;
    RecordFileReader& operator=(const RecordFileReader&) = delete;

    // Fills the record and returns true when a whole record was read. A short
    // read still delivers the bytes it got into the front of the record.
    bool ReadNext(FixedRecord& record);
    // After the last ReadNext: false when the file ended inside a record.
    bool EndedOnRecordBoundary() const { return lastReadLength_ == 0; }

private:
    std::FILE* file_ = nullptr;
    std::size_t recordLength_;
    std::size_t lastReadLength_ = 0;
};

// Writes fixed-length records to a new file; Commit flushes them to the disk.
class RecordFileWriter {
public:
    // Throws FileError when the file cannot be created.
    RecordFileWriter(const std::filesystem::path& path, std::size_t recordLength);
    ~RecordFileWriter();
    RecordFileWriter(const RecordFileWriter&) = delete;
    RecordFileWriter& operator=(const RecordFileWriter&) = delete;

    void Write(const FixedRecord& record);
    // Flushes to the disk and closes; throws FileError when any write failed.
    void Commit();

private:
    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    std::size_t recordLength_;
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

// Puts the fresh file at the target. A file already at the target is kept
// as the backup (unless the backup path is the target itself), and at every
// step the target or the backup holds the last whole content. Throws
// FileError.
void ReplaceKeepingBackup(const std::filesystem::path& fresh, const std::filesystem::path& target,
                          const std::filesystem::path& backup);
// Deletes a file that exists; throws FileError when that fails.
void DeleteFileIfExists(const std::filesystem::path& path);
// Renames, replacing the target; throws FileError when that fails.
void RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);
// Flushes a folder's entries (renames, new files) to the disk.
void SyncFolder(const std::filesystem::path& folder);
