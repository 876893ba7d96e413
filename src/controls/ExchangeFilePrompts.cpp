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

PromptText FileErrorText()
{
    return {"Sorry there was an error!", "Sorry File Error!", PromptIcon::Exclamation};
}

std::optional<std::filesystem::path> ChooseImportFile(UserPrompts& prompts, const QString& title, const QString& filter)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = filter;
    return PathChosen(prompts.ChooseFileToOpen(request));
}

void ExportToChosenFile(UserPrompts& prompts, const ExportTexts& texts,
                        const std::function<void(const std::filesystem::path&)>& write)
{
    FileDialogRequest request;
    request.title = texts.title;
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

bool ImportExchangeFile(UserPrompts& prompts, const PromptText& damaged, const std::function<ImportEnd()>& import)
{
    ImportEnd end = ImportEnd::Complete;
    try {
        end = import();
    } catch (const FileError&) {
        ShowPromptText(prompts, FileErrorText());
        return false;
    }
    if (end == ImportEnd::Empty)
        ShowPromptText(prompts, {"The file holds nothing to import!", "Sorry File Error!", PromptIcon::Exclamation});
    if (end == ImportEnd::Damaged) ShowPromptText(prompts, damaged);
    return end == ImportEnd::Complete;
}
