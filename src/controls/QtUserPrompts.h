#pragma once

#include "platform/UserPrompts.h"

// Real message boxes and file dialogs, parented to the active window.
class QtUserPrompts final : public UserPrompts {
public:
    PromptAnswer Message(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon) override;
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) override;
};

// Turns a "Description|*.ext|Description|*.ext" filter into Qt's ";;" form.
QString QtFileFilter(const QString& pipeSeparatedFilter);
