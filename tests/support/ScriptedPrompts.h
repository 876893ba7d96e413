#pragma once

#include "platform/UserPrompts.h"

#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

// The user, scripted: every message is recorded and must have been expected,
// in order, with its exact text, title, buttons and icon. An unexpected
// prompt, or an expected one that never came, fails the test.
class ScriptedPrompts final : public UserPrompts {
public:
    struct Message {
        QString text;
        QString title;
        PromptButtons buttons = PromptButtons::Ok;
        PromptIcon icon = PromptIcon::None;
    };

    ~ScriptedPrompts() override;

    void ExpectMessage(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon,
                       PromptAnswer answer = PromptAnswer::Ok);
    // The same for a message whose text ends in a system's description,
    // which only has to start with the given text.
    void ExpectMessageStartingWith(const QString& start, const QString& title, PromptButtons buttons, PromptIcon icon,
                                   PromptAnswer answer = PromptAnswer::Ok);
    // Runs `action` while the message expected last is shown, before it is
    // answered: what the window loop may do under a modal message box.
    void WhileLastExpectedIsShown(std::function<void()> action);
    // The next open or save dialog returns this path; nullopt means Cancel.
    void ExpectOpenFile(std::optional<QString> path);
    void ExpectSaveFile(std::optional<QString> path);

    const std::vector<Message>& Shown() const { return shown_; }
    const std::vector<FileDialogRequest>& FileDialogs() const { return dialogs_; }
    bool AllAnswered() const { return expected_.empty() && fileAnswers_.empty(); }

    PromptAnswer Message(const QString& text, const QString& title, PromptButtons buttons, PromptIcon icon) override;
    std::optional<QString> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<QString> ChooseFileToSave(const FileDialogRequest& request) override;

private:
    struct Expected {
        struct Message message;
        PromptAnswer answer;
        bool startOnly = false;
        std::function<void()> whileShown;
    };
    struct FileAnswer {
        bool save;
        std::optional<QString> path;
    };
    std::optional<QString> AnswerFileDialog(bool save, const FileDialogRequest& request);

    std::deque<Expected> expected_;
    std::deque<FileAnswer> fileAnswers_;
    std::vector<struct Message> shown_;
    std::vector<FileDialogRequest> dialogs_;
};
