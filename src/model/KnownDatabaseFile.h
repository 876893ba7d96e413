#pragma once

#include "platform/FileIdentity.h"

#include <filesystem>
#include <optional>

// The database file as the editor last read it whole or wrote it, or that
// there was none. A save replaces or deletes only that file: one the editor
// never read (a load that failed, a file copied in since) stays as it is.
class KnownDatabaseFile {
public:
    // Nothing is known of the file on disk: no save may touch it.
    void Forget()
    {
        known_.reset();
        damagedAndKept_ = false;
    }
    // The file was read, damaged, and what could be read of it could not be
    // written in its place: it stays for the next start to read again, and
    // no save may touch it.
    void KeepDamaged()
    {
        known_.reset();
        damagedAndKept_ = true;
    }
    void Learn(const FileIdentity& identity)
    {
        known_ = identity;
        damagedAndKept_ = false;
    }
    void Learn(const std::filesystem::path& def) { Learn(FileIdentity::Of(def)); }
    // Throws FileError when a file is at `def` that is not the one known.
    void CheckUnchanged(const std::filesystem::path& def) const;

private:
    std::optional<FileIdentity> known_;
    bool damagedAndKept_ = false;
};
