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

// What the browsers say of a file that could not be read or written.
PromptText FileErrorText();

// The file an import reads, from an open dialog of that title; nothing when
// cancelled.
std::optional<std::filesystem::path> ChooseImportFile(UserPrompts& prompts, const QString& title,
                                                      const QString& filter);

struct ExportTexts {
    QString title;  // of the save dialog
    QString filter;
    PromptText saved;
    PromptText failed;
};

// Asks where to export to (a replaced file is asked about first) and writes
// the file there with `write`, which throws FileError when it fails; the
// user is told which. Nothing happens when the dialog is cancelled.
void ExportToChosenFile(UserPrompts& prompts, const ExportTexts& texts,
                        const std::function<void(const std::filesystem::path&)>& write);

// How the reading of an import file ended.
enum class ImportEnd {
    Complete,
    Empty,    // not one whole record: nothing to import
    Damaged,  // stopped at a record that cannot be what the file holds
};

// Runs `import`, which reads the import file and throws FileError when it
// cannot be read, and tells the user how an import that did not complete
// ended: an unreadable file and one without a whole record in the same
// words in every browser, a damaged one in the browser's own `damaged`.
// What was taken before stays. True when the import completed.
bool ImportExchangeFile(UserPrompts& prompts, const PromptText& damaged, const std::function<ImportEnd()>& import);
