#include "model/LibraryFull.h"

#include "platform/UserPrompts.h"
#include "platform/Windows1252.h"

#include <QStringList>

void ReportLibraryFull(UserPrompts& prompts, int mostCommands, const std::vector<std::string>& names)
{
    if (names.empty()) return;
    QStringList shown;
    for (const std::string& name : names) shown << FromWindows1252(name);
    prompts.Message("Cannot add " + shown.join(", ") + " as the library holds " + QString::number(mostCommands) +
                        " commands already!",
                    "Error!", PromptButtons::Ok, PromptIcon::Exclamation);
}
