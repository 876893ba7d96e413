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

// How much of a damaged file the database kept, and where the file is.
QString PartlyReadMessage(const DamagedDatabaseMessages& messages, int count, const fs::path& keptAs)
{
    const QString howMuch = count == 0 ? messages.lost
                                       : "Only " + QString::number(count) + " " +
                                             (count == 1 ? messages.entry : messages.entries) + " could be read!";
    return messages.damaged + "\r\n" + howMuch + "\r\nThe damaged file has been kept as \"" +
           QString::fromStdString(keptAs.string()) + "\".";
}

// The recovery itself; throws FileError where a file cannot be read,
// examined or moved.
void LoadRecovering(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
                    const DamagedDatabaseMessages& messages, const std::function<void()>& clear,
                    const std::function<bool()>& read, const std::function<int()>& count)
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
        known.Learn(files.def);
        prompts.Message(PartlyReadMessage(messages, count(), keptAs), ApplicationTitle, PromptButtons::Ok,
                        count() == 0 ? PromptIcon::None : PromptIcon::Exclamation);
        return;
    }
}

}  // namespace

void LoadDatabaseWithRecovery(const DatabaseFiles& files, KnownDatabaseFile& known, UserPrompts& prompts,
                              const DamagedDatabaseMessages& messages, const std::function<void()>& clear,
                              const std::function<bool()>& read, const std::function<int()>& count)
{
    known.Forget();
    try {
        LoadRecovering(files, known, prompts, messages, clear, read, count);
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
