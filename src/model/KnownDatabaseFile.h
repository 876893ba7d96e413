#pragma once

#include "platform/FileIdentity.h"

#include <filesystem>
#include <optional>

struct DatabaseFiles;

// The database file as the editor last read it whole or wrote it, or that
// there was none. A save replaces or deletes only that file: one the editor
// never read (a load that failed, a file copied in since) stays as it is.
class KnownDatabaseFile {
public:
    // Why the file on disk is not known, which a refused save tells.
    enum class Unknown {
        Unread,               // it could not be read
        BackupUnread,         // its backup, which the load needed, could not be read
        DamagedNotKeptAside,  // it is damaged and no copy of it could be kept
        DamagedNotReplaced,   // it is damaged and what could be read could not take its place
    };

    // Nothing is known of the file on disk: no save may touch it.
    void Forget(Unknown why = Unknown::Unread)
    {
        known_.reset();
        why_ = why;
    }
    void Learn(const FileIdentity& identity) { known_ = identity; }
    void Learn(const std::filesystem::path& def) { Learn(FileIdentity::Of(def)); }
    // Throws FileError when a file is at the ".DEF" that is not the one known.
    void CheckUnchanged(const DatabaseFiles& files) const;

private:
    std::optional<FileIdentity> known_;
    Unknown why_ = Unknown::Unread;
};
