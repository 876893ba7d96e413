#include "model/DamagedDatabaseRecovery.h"

#include "model/ApplicationTitle.h"
#include "model/RuntimeErrors.h"
#include "platform/UserPrompts.h"

#include <filesystem>

namespace {

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

}  // namespace

void LoadDatabaseWithRecovery(const DatabaseFiles& files, UserPrompts& prompts,
                              const DamagedDatabaseMessages& messages, const std::function<void()>& clear,
                              const std::function<void()>& load)
{
    bool retried = false;
    for (;;) {
        clear();
        if (!FileExists(files.def)) return;
        if (TryLoad(load)) return;
        // No entry of a damaged file survives.
        clear();
        if (!retried && FileExists(files.bak)) {
            prompts.Message(messages.restoring, "Configuration damaged!", PromptButtons::Ok, PromptIcon::Exclamation);
            // The rename replaces the damaged file in one step.
            RenameFile(files.bak, files.def);
            retried = true;
            continue;
        }
        DeleteFileIfExists(files.def);
        prompts.Message(messages.lost, ApplicationTitle, PromptButtons::Ok, PromptIcon::None);
        return;
    }
}
