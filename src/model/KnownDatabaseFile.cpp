#include "model/KnownDatabaseFile.h"

#include "platform/RecordFile.h"

namespace {

const char* Why(KnownDatabaseFile::Unknown why)
{
    switch (why) {
    case KnownDatabaseFile::Unknown::DamagedNotKeptAside:
        return "it is damaged and the editor could not keep a copy of it; it is left as it is";
    case KnownDatabaseFile::Unknown::DamagedNotReplaced:
        return "it is damaged and the editor could not rewrite it; it is left as it is";
    case KnownDatabaseFile::Unknown::Unread: break;
    }
    return "the editor could not read it; it is left as it is";
}

}  // namespace

void KnownDatabaseFile::CheckUnchanged(const std::filesystem::path& def) const
{
    // Where there is no file, a save can lose nothing.
    const FileIdentity current = FileIdentity::Of(def);
    if (!current.Exists()) return;
    if (!known_) throw FileErrorAt("will not replace", def, Why(why_));
    if (current != *known_)
        throw FileErrorAt("will not replace", def, "it changed since the editor read it; it is left as it is");
}
