#include "model/DamagedDatabaseRecovery.h"

#include "model/ApplicationTitle.h"
#include "model/KnownDatabaseFile.h"
#include "model/RuntimeErrors.h"
#include "platform/FileIdentity.h"
#include "platform/UserPrompts.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// More damaged copies than anyone would keep; past it the folder is full of them.
constexpr int MaximumDamagedCopies = 1000;

// True when the file read whole. A record that cannot be represented and
// escapes the reader leaves no entry behind, since one may be half made.
bool TryRead(const std::function<void()>& clear, const std::function<bool()>& read)
{
    try {
        return read();
    } catch (const SubscriptOutOfRange&) {
    } catch (const ValueOverflow&) {
    }
    clear();
    return false;
}

// The first of "Name.DAMAGED", "Name.DAMAGED1", "Name.DAMAGED2"... beside
// "Name.DEF" that no file holds yet, so that a damaged file kept at an
// earlier start is never overwritten.
fs::path FreeDamagedPath(const fs::path& databaseFile)
{
    const fs::path stem = databaseFile.parent_path() / databaseFile.stem();
    for (int n = 0; n < MaximumDamagedCopies; ++n) {
        std::string extension = ".DAMAGED";
        if (n > 0) extension += std::to_string(n);
        fs::path candidate = stem;
        candidate += extension;
        if (!FileExists(candidate)) return candidate;
    }
    throw FileError("no free name to keep '" + databaseFile.string() + "' under");
}

// How much of a damaged file the database kept.
QString HowMuchWasRead(const DamagedDatabaseMessages& messages, int count)
{
    if (count == 0) return messages.lost;
    return "Only " + QString::number(count) + " " + (count == 1 ? messages.entry : messages.entries) +
           " could be read!";
}

// How much of a damaged file the database kept, and where the file is.
QString PartlyReadMessage(const DamagedDatabaseMessages& messages, int count, const fs::path& keptAs)
{
    return messages.damaged + "\r\n" + HowMuchWasRead(messages, count) + "\r\nThe damaged file has been kept as \"" +
           QString::fromStdString(keptAs.string()) + "\".";
}

// The entries that could be read are on disk only once the new ".DEF"
// holds them; until then the damaged file stays the database file. Throws
// FileError where the damaged file cannot be put back.
void KeepWhatWasRead(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
                     const DamagedDatabaseMessages& messages, const std::function<int()>& count,
                     const std::function<void()>& save, const fs::path& keptAs)
{
    // Nothing stands at the ".DEF" now: the save makes it afresh.
    known.Learn(files.def);
    try {
        if (count() > 0) save();
    } catch (const FileError& error) {
        // Without the new file the next start would find no database and
        // say nothing: the damaged file stays the database file, for the
        // next start to read again, and no save of this session touches it.
        RenameFile(keptAs, files.def);
        SyncFolder(files.def.parent_path());
        known.Forget();
        prompts.Message(messages.damaged + "\r\n" + HowMuchWasRead(messages, count()) +
                            "\r\nWhat could be read could not be saved: " + QString::fromStdString(error.cause()) +
                            "\r\nThe damaged file stays as \"" + QString::fromStdString(files.def.string()) +
                            "\", to be read again at the next start.",
                        ApplicationTitle, PromptButtons::Ok, PromptIcon::Exclamation);
        return;
    }
    prompts.Message(PartlyReadMessage(messages, count(), keptAs), ApplicationTitle, PromptButtons::Ok,
                    count() == 0 ? PromptIcon::None : PromptIcon::Exclamation);
}

// The recovery itself; throws FileError where a file cannot be read,
// examined or moved.
void LoadRecovering(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
                    const DamagedDatabaseMessages& messages, const std::function<void()>& clear,
                    const std::function<bool()>& read, const std::function<int()>& count,
                    const std::function<void()>& save)
{
    bool retried = false;
    for (;;) {
        clear();
        // Taken before the read: a file changed while it is read is not the
        // file read.
        const FileIdentity identity = FileIdentity::Of(files.def);
        if (!identity.Exists() || TryRead(clear, read)) {
            known.Learn(identity);
            return;
        }
        // The damaged file itself survives, aside, for whoever can still
        // recover something from it; no save ever makes it the backup.
        const fs::path keptAs = FreeDamagedPath(files.def);
        if (!retried && FileExists(files.bak)) {
            // No entry of a damaged file survives when its backup can stand in.
            clear();
            RenameFile(files.def, keptAs);
            prompts.Message(messages.damaged + "\r\n" + messages.restoring, "Configuration damaged!", PromptButtons::Ok,
                            PromptIcon::Exclamation);
            RenameFile(files.bak, files.def);
            retried = true;
            continue;
        }
        RenameFile(files.def, keptAs);
        KeepWhatWasRead(files, known, prompts, messages, count, save, keptAs);
        return;
    }
}

}  // namespace

void LoadDatabaseWithRecovery(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
                              const DamagedDatabaseMessages& messages, const std::function<void()>& clear,
                              const std::function<bool()>& read, const std::function<int()>& count,
                              const std::function<void()>& save)
{
    known.Forget();
    try {
        LoadRecovering(files, known, prompts, messages, clear, read, count, save);
    } catch (const FileError& error) {
        clear();
        known.Forget();
        TellUnavailable(prompts, messages, error);
    }
}

void TellUnavailable(UserPrompts& prompts, const DamagedDatabaseMessages& messages, const FileError& error)
{
    prompts.Message(messages.unavailable + "\r\n" + QString::fromStdString(error.what()), ApplicationTitle,
                    PromptButtons::Ok, PromptIcon::Exclamation);
}
