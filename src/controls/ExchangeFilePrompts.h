#pragma once

#include "platform/UserPrompts.h"

#include <QString>
#include <filesystem>
#include <functional>
#include <optional>

// The file dialogs and outcome messages of a browser's export and import.

// A message shown with an OK button.
struct PromptText {
    QString text;
    QString title;
    PromptIcon icon = PromptIcon::None;
};

void ShowPromptText(UserPrompts& prompts, const PromptText& message);

// The file an import reads, from an open dialog; nothing when cancelled.
std::optional<std::filesystem::path> ChooseImportFile(UserPrompts& prompts, const QString& filter);

struct ExportTexts {
    QString filter;
    PromptText saved;
    PromptText failed;
};

// Asks where to export to (a replaced file is asked about first) and writes
// the file there with `write`, which throws FileError when it fails; the
// user is told which. Nothing happens when the dialog is cancelled.
void ExportToChosenFile(UserPrompts& prompts, const ExportTexts& texts,
                        const std::function<void(const std::filesystem::path&)>& write);
