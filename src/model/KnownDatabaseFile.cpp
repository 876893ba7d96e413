#include "model/KnownDatabaseFile.h"

#include "platform/RecordFile.h"

void KnownDatabaseFile::CheckUnchanged(const std::filesystem::path& def) const
{
    // Where there is no file, a save can lose nothing.
    const FileIdentity current = FileIdentity::Of(def);
    if (!current.Exists()) return;
    if (!known_) {
        throw FileErrorAt("will not replace", def,
                          damagedAndKept_ ? "it is damaged and the editor could not rewrite it; it is left as it is"
                                          : "the editor could not read it; it is left as it is");
    }
    if (current != *known_)
        throw FileErrorAt("will not replace", def, "it changed since the editor read it; it is left as it is");
}
