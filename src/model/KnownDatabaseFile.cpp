#include "model/KnownDatabaseFile.h"

#include "platform/RecordFile.h"

#include <string>

namespace {

std::string Why(KnownDatabaseFile::Unknown why, const DatabaseFiles& files)
{
    switch (why) {
    case KnownDatabaseFile::Unknown::BackupUnread:
        return "the editor could not read its backup \"" + files.bak.string() + "\"; both are left as they are";
    case KnownDatabaseFile::Unknown::DamagedNotKeptAside:
        return "it is damaged and the editor could not keep a copy of it; it is left as it is";
    case KnownDatabaseFile::Unknown::DamagedNotReplaced:
        return "it is damaged and the editor could not rewrite it; it is left as it is";
    case KnownDatabaseFile::Unknown::Unread: break;
    }
    return "the editor could not read it; it is left as it is";
}

}  // namespace

void KnownDatabaseFile::CheckUnchanged(const DatabaseFiles& files) const
{
    // Where there is no file, a save can lose nothing.
    const FileIdentity current = FileIdentity::Of(files.def);
    if (!current.Exists()) return;
    if (!known_) throw FileErrorAt("will not replace", files.def, Why(why_, files));
    if (current != *known_)
        throw FileErrorAt("will not replace", files.def, "it changed since the editor read it; it is left as it is");
}
