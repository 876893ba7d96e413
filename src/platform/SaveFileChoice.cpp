#include "platform/SaveFileChoice.h"

namespace fs = std::filesystem;

fs::path WithDefaultExtension(const fs::path& path, const QString& extension)
{
    const fs::path name = path.filename();
    if (extension.isEmpty() || name.empty() || name == "." || name == ".." || name.has_extension()) return path;
    fs::path extended = path;
    extended += ".";  // in two steps: GCC 12 warns on a literal plus a string in release builds
    extended += extension.toStdString();
    return extended;
}

std::optional<QString> ChooseFileToSaveWithExtension(UserPrompts& prompts, FileDialogRequest request)
{
    for (;;) {
        const std::optional<QString> chosen = prompts.ChooseFileToSave(request);
        if (!chosen || chosen->isEmpty()) return std::nullopt;
        const fs::path typed(chosen->toStdString());
        const fs::path path = WithDefaultExtension(typed, request.defaultExtension);
        const QString result = QString::fromStdString(path.string());
        std::error_code error;
        if (path == typed || !request.promptOverwrite || !fs::exists(path, error)) return result;
        const QString question =
            QString::fromStdString(path.filename().string()) + " already exists.\r\nDo you want to replace it?";
        if (prompts.Message(question, request.title, PromptButtons::YesNo, PromptIcon::Exclamation) ==
            PromptAnswer::Yes)
            return result;
        request.initialFolder = QString::fromStdString(typed.parent_path().string());
        request.initialFileName = QString::fromStdString(typed.filename().string());
    }
}
