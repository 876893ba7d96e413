#pragma once

#include <filesystem>
#include <vector>

// Notes the path of every file and folder this process flushes to the disk
// (fsync) while the log is in scope, in order. A file flushed under its
// temporary name was flushed before the rename that put it in place.
class SyncLog {
public:
    SyncLog();
    ~SyncLog();
    SyncLog(const SyncLog&) = delete;
    SyncLog& operator=(const SyncLog&) = delete;

    const std::vector<std::filesystem::path>& Synced() const { return synced_; }
    // Called by the process's fsync.
    void Note(int descriptor);

private:
    std::vector<std::filesystem::path> synced_;
};
