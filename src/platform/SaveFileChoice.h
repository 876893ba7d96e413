#pragma once

#include "platform/UserPrompts.h"

#include <QString>
#include <filesystem>
#include <optional>

// The path with "." and the extension added when its file name has none. A
// dot in a folder's name, or the leading dot of a hidden file's, is no
// extension.
std::filesystem::path WithDefaultExtension(const std::filesystem::path& path, const QString& extension);

// A save dialog for files of the request's default extension. The dialog is
// asked to add it; where it did not, it is added here, and a file the longer
// name would replace is asked about, as the dialog asks about the name typed:
// No goes back to the dialog. Nothing when the user cancelled.
std::optional<QString> ChooseFileToSaveWithExtension(UserPrompts& prompts, FileDialogRequest request);
