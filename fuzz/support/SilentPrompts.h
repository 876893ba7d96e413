#pragma once

#include "platform/UserPrompts.h"

// A user who reads nothing and always backs out: the cautious answer to
// every message, Cancel to every file dialog. A retry is never chosen, so no
// question can loop.
class SilentPrompts final : public UserPrompts {
public:
    PromptAnswer Message(const QString&, const QString&, PromptButtons buttons, PromptIcon) override
    {
        ++messages_;
        switch (buttons) {
        case PromptButtons::Ok: return PromptAnswer::Ok;
        case PromptButtons::YesNo:
        case PromptButtons::YesNoDefaultNo: return PromptAnswer::No;
        case PromptButtons::AbortRetryIgnore: return PromptAnswer::Abort;
        case PromptButtons::OkCancel:
        case PromptButtons::YesNoCancel:
        case PromptButtons::RetryCancel: break;
        }
        return PromptAnswer::Cancel;
    }
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }

    int Messages() const { return messages_; }

private:
    int messages_ = 0;
};
