#include "controls/CommandErrors.h"

#include "model/ApplicationTitle.h"
#include "model/RuntimeErrors.h"
#include "platform/UserPrompts.h"

#include <QString>
#include <stdexcept>

namespace {

void Tell(UserPrompts& prompts, const std::exception& error)
{
    prompts.Message("The command could not be completed!\r\n" + QString::fromStdString(error.what()), ApplicationTitle,
                    PromptButtons::Ok, PromptIcon::Exclamation);
}

}  // namespace

bool RunCommandReportingErrors(UserPrompts& prompts, const std::function<void()>& command)
{
    try {
        command();
        return true;
    } catch (const SubscriptOutOfRange& error) {
        Tell(prompts, error);
    } catch (const TypeMismatch& error) {
        Tell(prompts, error);
    } catch (const std::runtime_error& error) {  // an overflow, a file, an archive, a text that fails
        Tell(prompts, error);
    }
    return false;
}
