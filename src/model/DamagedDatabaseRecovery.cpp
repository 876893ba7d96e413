#include "model/DamagedDatabaseRecovery.h"

#include "model/ApplicationTitle.h"
#include "model/RuntimeErrors.h"
#include "platform/UserPrompts.h"

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// More damaged copies than anyone would keep; past it the folder is full of them.
constexpr int MaximumDamagedCopies = 1000;

// True when the file loaded; false when it is damaged.
bool TryLoad(const std::function<void()>& load)
{
    try {
        load();
        return true;
    } catch (const FileError&) {
    } catch (const SubscriptOutOfRange&) {
    } catch (const ValueOverflow&) {
    }
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

// The recovery itself; throws FileError where a file cannot be examined or
// moved.
void LoadRecovering(const DatabaseFiles& files, UserPrompts& prompts, const DamagedDatabaseMessages& messages,
                    const std::function<void()>& clear, const std::function<void()>& load)
{
    bool retried = false;
    for (;;) {
        clear();
        if (!FileExists(files.def)) return;
        if (TryLoad(load)) return;
        // No entry of a damaged file survives; the file itself does, aside,
        // for whoever can still recover something from it.
        clear();
        if (!retried && FileExists(files.bak)) {
            RenameFile(files.def, FreeDamagedPath(files.def));
            prompts.Message(messages.restoring, "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
            RenameFile(files.bak, files.def);
            retried = true;
            continue;
        }
        RenameFile(files.def, FreeDamagedPath(files.def));
        prompts.Message(messages.lost, ApplicationTitle, PromptButtons::Ok, PromptIcon::None);
        return;
    }
}

}  // namespace

void LoadDatabaseWithRecovery(const DatabaseFiles& files, UserPrompts& prompts, const DamagedDatabaseMessages& messages,
                              const std::function<void()>& clear, const std::function<void()>& load)
{
    try {
        LoadRecovering(files, prompts, messages, clear, load);
    } catch (const FileError& error) {
        clear();
        prompts.Message(messages.unavailable + "\r\n" + QString::fromStdString(error.what()), ApplicationTitle,
                        PromptButtons::Ok, PromptIcon::Exclamation);
    }
}
