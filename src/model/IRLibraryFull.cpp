#include "model/IRLibraryFull.h"

#include "model/IRclass.h"
#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QStringList>

void ReportIRLibraryFull(UserPrompts& prompts, const std::vector<std::string>& names)
{
    if (names.empty()) return;
    QStringList shown;
    for (const std::string& name : names) shown << FromWindows1252(name);
    prompts.Message("Cannot add " + shown.join(", ") + " as the library holds " +
                        QString::number(IRclass::MaximumCommands) + " commands already!",
                    "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
}
