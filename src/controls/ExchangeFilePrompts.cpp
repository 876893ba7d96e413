#include "controls/ExchangeFilePrompts.h"

#include "platform/RecordFile.h"

namespace {

std::optional<std::filesystem::path> PathChosen(const std::optional<QString>& chosen)
{
    if (!chosen || chosen->isEmpty()) return std::nullopt;
    return std::filesystem::path(chosen->toStdString());
}

}  // namespace

void ShowPromptText(UserPrompts& prompts, const PromptText& message)
{
    prompts.Message(message.text, message.title, PromptButtons::Ok, message.icon);
}

std::optional<std::filesystem::path> ChooseImportFile(UserPrompts& prompts, const QString& filter)
{
    FileDialogRequest request;
    request.filter = filter;
    return PathChosen(prompts.ChooseFileToOpen(request));
}

void ExportToChosenFile(UserPrompts& prompts, const ExportTexts& texts,
                        const std::function<void(const std::filesystem::path&)>& write)
{
    FileDialogRequest request;
    request.filter = texts.filter;
    request.promptOverwrite = true;
    const std::optional<std::filesystem::path> target = PathChosen(prompts.ChooseFileToSave(request));
    if (!target) return;
    try {
        write(*target);
    } catch (const FileError&) {
        ShowPromptText(prompts, texts.failed);
        return;
    }
    ShowPromptText(prompts, texts.saved);
}
